#include "BenchSupport.h"
#include "app/MainFrm.h"
#include "shell/Dialogs.h"
#include "shell/HelpSystem.h"
#include "shell/Session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

class SilentDialogs : public Dialogs
{
public:
    QMessageBox::StandardButton confirm(QWidget *, const QString &, QMessageBox::StandardButtons) override
    {
        return QMessageBox::Yes;
    }
    void error(QWidget *, const QString &) override { }
    bool choosePrinter(QWidget *, QPrinter &, bool, int, int) override { return false; }
    void openExternal(const QUrl &) override { }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
};

class NoHelp : public HelpSystem
{
public:
    void showContext(int) override { }
    void showContents() override { }
    void searchPartialKey() override { }
    void quit() override { }
};

TMainFrm::Options options()
{
    TMainFrm::Options o;
    o.screen = ScreenInfo{QSize(1024, 768), QRect(0, 0, 1024, 728)};
    o.dialogs = std::make_shared<SilentDialogs>();
    o.help = std::make_shared<NoHelp>();
    return o;
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

// One run of the start-up probe: the time from starting the process to the
// window's first paint, and the process's peak resident memory at that point.
struct ProbeRun
{
    double milliseconds = 0;
    long peakKilobytes = 0;
};

ProbeRun runProbe(const QStringList &arguments)
{
    QProcess probe;
    probe.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/corvane-startprobe"));
    probe.setArguments(arguments);
    QElapsedTimer clock;
    clock.start();
    probe.start();
    while (!probe.canReadLine() && probe.waitForReadyRead(60000)) {
    }
    ProbeRun run;
    run.milliseconds = clock.nsecsElapsed() * 1e-6;
    const QList<QByteArray> words = probe.readLine().trimmed().split(' ');
    probe.waitForFinished();
    if (words.size() != 2 || words.first() != "shown") {
        qFatal("corvane-startprobe %s did not report its window", qPrintable(arguments.join(u' ')));
    }
    run.peakKilobytes = words.last().toLong();
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

// Start-up to the main window's first paint, each run a new process started the
// same way as a bare main window with a text pane showing the same index page,
// the two taking turns. Target: under 3 times the bare window.
static void BM_StartUp(benchmark::State &state)
{
    std::vector<double> bare;
    std::vector<double> app;
    for (auto _ : state) {
        bare.push_back(runProbe({QStringLiteral("bare")}).milliseconds);
        app.push_back(runProbe({QStringLiteral("corvane")}).milliseconds);
    }
    state.counters["bare_ms"] = median(bare);
    state.counters["corvane_ms"] = median(app);
    state.counters["ratio"] = median(app) / median(bare);
}
BENCHMARK(BM_StartUp)->Iterations(9)->Unit(benchmark::kMillisecond);

// Peak resident memory of the bare window's process, and of Corvane's after a
// visit to every topic.
static void BM_PeakMemory(benchmark::State &state)
{
    for (auto _ : state) {
        const ProbeRun bare = runProbe({QStringLiteral("bare")});
        const ProbeRun app = runProbe({QStringLiteral("corvane"), QStringLiteral("--visit")});
        state.counters["bare_kB"] = double(bare.peakKilobytes);
        state.counters["corvane_kB"] = double(app.peakKilobytes);
        state.counters["ratio"] = double(app.peakKilobytes) / double(bare.peakKilobytes);
    }
}
BENCHMARK(BM_PeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

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
        QTimer::singleShot(5000, &window, [&window] { window.session().stopAnimations(); });
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
