#include "BenchSupport.h"
#include "Session.h"
#include "chart/Chart.h"
#include "oscillations/SHMPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTimer>

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

// Share of one processor core used while the SHM animation runs at speed 50
// (a 20 ms frame) for three seconds. The target is under a tenth of a core.
static void BM_SHMAnimationProcessorShare(benchmark::State &state)
{
    ShownPage shown;
    shown.session.speed(AnimSpeed::SHM) = 50;
    shown.page.findChild<QScrollBar *>(QStringLiteral("shmDampHsb"))->setValue(0);
    for (auto _ : state) {
        QTimer::singleShot(3000, &shown.page, [&shown] { shown.session.animStopFlag = -1; });
        QElapsedTimer wall;
        wall.start();
        const double cpu0 = processorSeconds();
        shown.page.shmStartBtnClick();
        const double cpu = processorSeconds() - cpu0;
        const double seconds = wall.nsecsElapsed() * 1e-9;
        state.SetIterationTime(seconds);
        state.counters["core_share"] = cpu / seconds;
    }
}
BENCHMARK(BM_SHMAnimationProcessorShare)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
