#include "BenchSupport.h"
#include "Session.h"
#include "chart/Chart.h"
#include "optics/DifPage.h"

#include <QApplication>
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
BENCHMARK(BM_MultiSlitRefill)->Unit(benchmark::kMillisecond)->ComputeStatistics("max", [](const std::vector<double> &v) {
    return *std::max_element(v.begin(), v.end());
});
