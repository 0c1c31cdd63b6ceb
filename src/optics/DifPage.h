#pragma once

#include "shell/TopicPage.h"

class Chart;
class PaintBox;
class QCheckBox;
class QLabel;
class QSlider;
class QToolButton;

// Multiple slit diffraction: the intensity against angle, with a strip showing
// the pattern as it looks on a screen.
class DifPage : public TopicPage
{
    Q_OBJECT
public:
    explicit DifPage(Session &session, QWidget *parent = nullptr);

    void startUp() override;
    Chart *chart() const override { return m_chart; }
    GraphMenuState graphCommands() const override { return {.print = true, .copy = true}; }
    bool printChart(QPrinter &printer, QString *error) override;

    int patternSeries() const { return m_series1; }
    int envelopeSeries() const { return m_series2; }

    void DoSlitSizes(QObject *sender);
    void fillChart();
    void drawStrip();

protected:
    void layOut() override;

private:
    QSlider *m_slits;
    QSlider *m_separation;
    QSlider *m_width;
    QLabel *m_slitsLabel;
    QLabel *m_separationLabel;
    QLabel *m_widthLabel;
    QCheckBox *m_envelope;
    QToolButton *m_unzoom;
    QWidget *m_panel9;
    PaintBox *m_strip;
    Chart *m_chart;
    int m_series1 = 0;
    int m_series2 = 0;
};
