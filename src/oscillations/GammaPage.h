#pragma once

#include "shell/TopicPage.h"

class Chart;
class PaintBox;
class RadioGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;

// Absorption of gamma rays: place the detector and an absorber, and count.
class GammaPage : public TopicPage
{
    Q_OBJECT
public:
    explicit GammaPage(Session &session, QWidget *parent = nullptr);

    int count() const { return m_count; }

    void GmtHsbChange(QObject *sender);
    void CountStartBtnClick();

    // Real time one counted second takes; the counter runs up through it.
    static constexpr int MillisecondsPerSecond = 50;

private:
    // The limits while a bar is dragged; `proposed` may be changed.
    void GmtHsbScroll(int &proposed);
    void AbsorberHsbScroll(int &proposed);
    void ThickHsbScroll(int &proposed);
    void drawBench();
    // The chart of count rate against distance or thickness, from the results.
    void showReadings();

    QScrollBar *m_gmt;
    QScrollBar *m_absorber;
    QScrollBar *m_thick;
    QLabel *m_thickLabel;
    QCheckBox *m_background;
    QPushButton *m_start;
    QPushButton *m_stop;
    QLabel *m_time;
    PaintBox *m_pic;
    PaintBox *m_zoom;
    Chart *m_chart;
    RadioGroup *m_plotAgainst;
    QCheckBox *m_logScale;
    QCheckBox *m_fit;
    QLabel *m_fitLabel;
    int m_readings = 0; // the chart's series
    int m_fitLine = 0;
    int m_count = 0;
};
