#include "BenchSupport.h"
#include "Dialogs.h"
#include "HelpSystem.h"
#include "MainFrm.h"
#include "Session.h"
#include "chart/Chart.h"
#include "oscillations/ResonancePage.h"
#include "waves/SumWavePage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>

namespace {

class SilentDialogs : public Dialogs
{
public:
    QMessageBox::StandardButton confirm(QWidget *, const QString &, QMessageBox::StandardButtons) override
    {
        return QMessageBox::Yes;
    }
    void error(QWidget *, const QString &) override {}
    bool choosePrinter(QWidget *, QPrinter &, bool, int, int) override { return false; }
    void openExternal(const QUrl &) override {}
};

class NoHelp : public HelpSystem
{
public:
    void showContext(int) override {}
    void showContents() override {}
    void searchPartialKey() override {}
    void quit() override {}
};

TMainFrm::Options options()
{
    TMainFrm::Options o;
    o.screen = ScreenInfo{QSize(1024, 768), QRect(0, 0, 1024, 728)};
    o.dialogs = std::make_shared<SilentDialogs>();
    o.help = std::make_shared<NoHelp>();
    return o;
}

// Resident memory of this process in kB.
long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return 0;
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

} // namespace

// Superposition: adding a wave refills the 721 points of the 1440-degree range in place.
static void BM_Chart_SuperpositionAdd(benchmark::State &state)
{
    Session session;
    SumWavePage page(session);
    page.resize(470, 500);
    page.startUp();
    page.show();
    page.N360degrees1Click(3);
    settle();
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
    settle();
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

// Start-up to the window shown, against a bare main window with a text pane
// showing the same index page. Target: under 3 times the bare window.
static void BM_StartUp(benchmark::State &state)
{
    double bare = 0;
    double app = 0;
    int runs = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        {
            QMainWindow window;
            auto *text = new QTextBrowser(&window);
            window.setCentralWidget(text);
            text->setSource(QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QStringLiteral("/HTML/index.htm")));
            window.resize(800, 600);
            window.show();
            settle();
        }
        bare += clock.nsecsElapsed() * 1e-6;
        clock.restart();
        {
            TMainFrm window(options());
            window.show();
            settle();
        }
        app += clock.nsecsElapsed() * 1e-6;
        ++runs;
    }
    state.counters["bare_ms"] = bare / runs;
    state.counters["corvane_ms"] = app / runs;
    state.counters["ratio"] = app / bare;
}
BENCHMARK(BM_StartUp)->Iterations(5)->Unit(benchmark::kMillisecond);

// Resident memory of a bare window, and of the main window after a visit to every topic.
static void BM_Memory(benchmark::State &state)
{
    for (auto _ : state) {
        const long before = residentKilobytes();
        auto bare = std::make_unique<QMainWindow>();
        bare->setCentralWidget(new QTextBrowser(bare.get()));
        bare->show();
        settle();
        const long withBare = residentKilobytes();
        TMainFrm window(options());
        window.show();
        for (int topic : Topics::MenuOrder) {
            window.DoTopicChange(window.topicAction(topic));
            settle();
        }
        state.counters["bare_window_kB"] = double(withBare - before);
        state.counters["main_window_kB"] = double(residentKilobytes() - withBare);
    }
}
BENCHMARK(BM_Memory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Share of one core while each animated topic runs at speed 50 for 5 seconds.
// Target: under a tenth of a core (the original busy wait used all of it).
static void BM_AnimationCore(benchmark::State &state, int topic, const char *button)
{
    TMainFrm window(options());
    window.show();
    window.DoTopicChange(window.topicAction(topic));
    for (int &speed : window.session().speeds) {
        speed = 50;
    }
    if (topic == 9) {
        window.findChild<QScrollBar *>(QStringLiteral("shmDampHsb"))->setValue(0); // no dying away
    }
    if (topic == 16) {
        window.findChild<QAbstractButton *>(QStringLiteral("UnpolarizedBtn"))->click();
    }
    settle();
    for (auto _ : state) {
        QTimer::singleShot(5000, &window, [&window] { window.session().animStopFlag = -1; });
        QElapsedTimer wall;
        wall.start();
        const double cpu0 = processorSeconds();
        window.findChild<QAbstractButton *>(QString::fromLatin1(button))->click();
        const double cpu = processorSeconds() - cpu0;
        const double seconds = wall.nsecsElapsed() * 1e-9;
        state.SetIterationTime(seconds);
        state.counters["core_share"] = cpu / seconds;
    }
}
BENCHMARK_CAPTURE(BM_AnimationCore, waves, 4, "T16StartBtn")->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_AnimationCore, standing, 6, "StartBtn")->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_AnimationCore, shm, 9, "shmStartBtn")->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_AnimationCore, gamma_count, 10, "CountStartBtn")
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_AnimationCore, maths, 11, "AuxStartBtn")->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_AnimationCore, ripple, 12, "rpStartBtn")->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_AnimationCore, hydrogen, 13, "SpecStartBtn")
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_AnimationCore, resonance, 14, "ResStartBtn")
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_AnimationCore, polarization, 16, "PolarStartBtn")
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
