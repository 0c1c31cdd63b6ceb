#pragma once

#include "shell/TopicPage.h"

class Chart;
class PaintBox;
class QLabel;
class QPushButton;
class QScrollBar;

// Forced oscillations and resonance: the response curve and the driven mass.
class ResonancePage : public TopicPage
{
    Q_OBJECT
public:
    explicit ResonancePage(Session &session, QWidget *parent = nullptr);

    void startUp() override;
    Chart *chart() const override { return m_chart; }
    bool printChart(QPrinter &printer, QString *error) override;

    int curveSeries() const { return m_series5; }
    int markerSeries() const { return m_series6; }

    void ResDampingHsbChange();
    void ResStartBtnClick();
    std::optional<AnimSpeed> speedSetting() const override { return AnimSpeed::Resonance; }
    GraphMenuState graphCommands() const override { return {.print = true, .copy = true}; }

Q_SIGNALS:
    // Each frame of a run, with the mass's displacement (for tests and tools).
    void frameDrawn(double x);

protected:
    void layOut() override;
    void stopped() override;

private:
    void DrawResonanceCurve();

    QScrollBar *m_damping;
    QScrollBar *m_driver;
    QLabel *m_dampLabel;
    QLabel *m_driverLabel;
    QPushButton *m_start;
    QPushButton *m_stop;
    PaintBox *m_pic;
    Chart *m_chart;
    int m_series5 = 0;
    int m_series6 = 0;
};
