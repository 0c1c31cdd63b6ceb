#include "BenchSupport.h"
#include "chart/Chart.h"
#include "oscillations/SHMPage.h"
#include "shell/Session.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

namespace {

struct ShownPage
{
    Session session;
    SHMPage page{session};
    ShownPage()
    {
        page.resize(450, 500);
        page.show();
        page.firstShow();
        QApplication::processEvents();
    }
};

} // namespace

// A slider move on the damped-SHM page: labels, 501 samples, the mass picture
// and the chart redrawn. A 60 Hz display frame is 16.7 ms.
static void BM_SHMSliderMove(benchmark::State &state)
{
    ShownPage shown;
    auto *mass = shown.page.findChild<QScrollBar *>(QStringLiteral("shmMassHsb"));
    int value = 10;
    const FrameBudget budget;
    for (auto _ : state) {
        value = value == 100 ? 10 : value + 1;
        mass->setValue(value);
        shown.page.chart()->replotNow();
    }
    budget.report(state);
}
BENCHMARK(BM_SHMSliderMove)->Unit(benchmark::kMillisecond);
