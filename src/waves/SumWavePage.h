#pragma once

#include "shell/TopicPage.h"
#include "waves/SuperWave.h"

#include <array>

class Chart;
class PaintBox;
class QLabel;
class QListWidget;
class QScrollBar;
class QToolButton;

// Superposition of waves: set up sine waves, list them and chart their sum.
class SumWavePage : public TopicPage
{
    Q_OBJECT
public:
    explicit SumWavePage(Session &session, QWidget *parent = nullptr);

    void startUp() override;
    Chart *chart() const override { return m_chart; }
    GraphMenuState graphCommands() const override { return {.print = true, .copy = true, .xAxisRange = true}; }
    int graphXAxisRange() const override;
    void setGraphXAxisRange(int tag) override { N360degrees1Click(tag); }
    bool printChart(QPrinter &printer, QString *error) override;

    int SumLastIndex() const { return m_sum.lastIndex(); }
    const std::vector<SuperWave::TSineInfo> &waves() const { return m_waves; }
    int sumSeries() const { return m_series3; }

    void UpdateSPSingleWave();
    void spAddWaveBtnClick();
    void spClearListBtnClick();
    void WaveListClick();
    void deleteSelectedWave();
    void FillSquareSeries();
    void FillTriangleSeries();
    // Graph > X axis range: Tag 1, 2, 3 for 360, 720, 1440 degrees.
    void N360degrees1Click(int tag);

protected:
    void layOut() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The captions of the wave being set up: frequency, amplitude, phase.
    std::array<QString, 3> settingTexts() const;
    void InitSumSeries();
    void ZeroSumSeries();
    void RebuildSum();
    void ClearWaveList();
    void appendWave(const SuperWave::TSineInfo &wave);
    void fillSeries(const std::vector<SuperWave::TSineInfo> &terms);
    // Shows the sum on the chart, updating the points in place.
    void showSum();

    PaintBox *m_wavePic;
    QLabel *m_fLabel;
    QLabel *m_aLabel;
    QLabel *m_pLabel;
    QScrollBar *m_frequency;
    QScrollBar *m_amplitude;
    QScrollBar *m_phase;
    QListWidget *m_list;
    Chart *m_chart;
    int m_series3 = 0;

    SuperWave::SumSeries m_sum;
    // The waves of the list, entry i for row i.
    std::vector<SuperWave::TSineInfo> m_waves;
};
