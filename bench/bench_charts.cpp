#include "BenchSupport.h"
#include "chart/Chart.h"
#include "optics/DifPage.h"
#include "oscillations/ResonancePage.h"
#include "shell/Session.h"
#include "waves/SumWavePage.h"

#include <QApplication>
#include <QScrollBar>
#include <QSlider>

#include <benchmark/benchmark.h>

// A slider move on the multiple-slit page: 1801 samples recomputed, the chart
// refilled and redrawn, the strip redrawn. Target: at most 2 ms median.
static void BM_MultiSlitRefill(benchmark::State &state)
{
    Session session;
    DifPage page(session);
    page.resize(440, 500);
    page.startUp();
    page.show();
    QApplication::processEvents();
    auto *slits = page.findChild<QSlider *>(QStringLiteral("DifNslitsHsb"));
    int n = 1;
    const FrameBudget budget;
    for (auto _ : state) {
        n = n == 10 ? 1 : n + 1;
        slits->setValue(n);
        page.chart()->replotNow();
    }
    budget.report(state);
}
BENCHMARK(BM_MultiSlitRefill)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("max", [](const std::vector<double> &v) { return *std::max_element(v.begin(), v.end()); });

// Superposition: adding a wave refills the 721 points of the 1440-degree range in place.
static void BM_Chart_SuperpositionAdd(benchmark::State &state)
{
    Session session;
    SumWavePage page(session);
    page.resize(470, 500);
    page.startUp();
    page.show();
    page.N360degrees1Click(3);
    QApplication::processEvents();
    const FrameBudget budget;
    for (auto _ : state) {
        page.spAddWaveBtnClick();
        page.chart()->replotNow();
    }
    budget.report(state);
}
BENCHMARK(BM_Chart_SuperpositionAdd)->Unit(benchmark::kMillisecond);

// Resonance: a damping change refills the 101-point response curve.
static void BM_Chart_ResonanceRefill(benchmark::State &state)
{
    Session session;
    ResonancePage page(session);
    page.resize(450, 500);
    page.startUp();
    page.show();
    QApplication::processEvents();
    auto *damping = page.findChild<QScrollBar *>(QStringLiteral("ResDampingHsb"));
    int value = 25;
    const FrameBudget budget;
    for (auto _ : state) {
        value = value == 200 ? 25 : value + 1;
        damping->setValue(value);
        page.chart()->replotNow();
    }
    budget.report(state);
}
BENCHMARK(BM_Chart_ResonanceRefill)->Unit(benchmark::kMillisecond);
