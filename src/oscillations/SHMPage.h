#pragma once

#include "gdi/Canvas.h"
#include "shell/TopicPage.h"

class Chart;
class PaintBox;
class QLabel;
class QPushButton;
class QScrollBar;

// Damped SHM: a mass on a spring beside its displacement-time chart.
class SHMPage : public TopicPage
{
    Q_OBJECT
public:
    explicit SHMPage(Session &session, QWidget *parent = nullptr);

    void firstShow() override;
    Chart *chart() const override { return m_chart; }
    GraphMenuState graphCommands() const override
    {
        return {.print = true, .copy = true, .crosshair = true, .timeScale = true};
    }
    int graphTimeScale() const override { return m_timeScale; }
    void setGraphTimeScale(int seconds) override { UpdateGraphTimescale(seconds); }
    std::optional<AnimSpeed> speedSetting() const override { return AnimSpeed::SHM; }
    bool printChart(QPrinter &printer, QString *error) override;

    double initialDisplacement() const { return m_x0; }
    int timeScale() const { return m_timeScale; }
    Gdi::Rect massRect() const { return m_massRect; }
    QPoint crosshairPosition() const { return m_crosshair; }
    // The samples of the curve shown (the chart's line series).
    int curveSeries() const { return m_series4; }
    int stateSeries() const { return m_series7; }

    void UpdateSHMgraph();
    void UpdateGraphTimescale(int seconds);
    void shmStartBtnClick();
    // The chart with its title and settings on a page, in the chart print rectangle.
    bool PrintSHMGraph(QPrinter &printer, QString *error);

protected:
    void stopped() override;
    void layOut() override;

private:
    void SHMpicMouseDown(int x, int y);
    void SHMpicMouseMove(int x, int y);
    void SHMChartMouseMove(int x, int y);
    // Labels, curve and mass for the present settings.
    void fillGraph();
    void fillSeries(double k, double m, double b);
    void drawMass(double x);

    QScrollBar *m_mass;
    QScrollBar *m_stiff;
    QScrollBar *m_damp;
    QLabel *m_massLabel;
    QLabel *m_stiffLabel;
    QLabel *m_dampLabel;
    QPushButton *m_start;
    QPushButton *m_abort;
    QPushButton *m_unzoom;
    PaintBox *m_pic;
    Chart *m_chart;
    int m_series4 = 0;
    int m_series7 = 0;

    // Displacement at release, in chart units (-10..10, positive up).
    double m_x0 = 10.0;
    // Seconds shown on the chart: 5, 10, 15 or 20.
    int m_timeScale = 10;
    Gdi::Rect m_massRect;
    // -1 while a button is held on the mass or on the chart.
    int m_buttonDown = 0;
    QPoint m_crosshair{-1, -1};
};
