#include "BenchSupport.h"
#include "app/MainFrm.h"
#include "app/TopicRegistry.h"
#include "chart/Chart.h"
#include "gdi/PaintBox.h"
#include "shell/Dialogs.h"
#include "shell/HelpSystem.h"
#include "shell/Session.h"
#include "shell/TopicPage.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <string>
#include <tuple>
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

// Share of one core while each animated topic runs for 5 seconds at the
// fastest speed (0: a step every 4 ms) and at 50, and at the fastest speed
// with the page at 200%; each three times, reported as their median. Target:
// under a tenth of a core (the original busy wait used all of it); the screen
// shows at most one picture per refresh.
static void BM_AnimationCore(benchmark::State &state, int topic, const char *button, int speed, int zoom)
{
    TMainFrm window(options());
    window.show();
    window.DoTopicChange(window.topicAction(topic));
    window.setPageZoom(zoom);
    window.session().speeds.fill(speed);
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

// Each topic's pictures redrawn and shown (as the screen would paint them)
// at 200% and with "Fit to window" on a maximised 3840 x 2160 screen: the work
// of one frame of an animation. Target: under 5% of a frame. A chart is shown
// again only when it changes, and drawn again only when its data or settings
// change; both are reported apart for every chart of the page: `chart_show_%`
// (each shown whole once, a copy of its finished picture) and `replot_%`
// (each drawn afresh once).
static void BM_Zoom(benchmark::State &state, int topic, bool fit)
{
    TMainFrm::Options o = options();
    o.screen = ScreenInfo{QSize(3840, 2160), QRect(0, 0, 3840, 2120)};
    TMainFrm window(o);
    window.show();
    window.setGeometry(0, 0, 3840, 2120);
    window.DoTopicChange(window.topicAction(topic));
    if (fit) {
        window.findChild<QAction *>(QStringLiteral("ZoomFit1"))->trigger();
    } else {
        window.setPageZoom(200);
    }
    settle();
    TopicPage *page = window.page(topic);
    QList<PaintBox *> pictures = page->findChildren<PaintBox *>();
    QList<Chart *> charts = page->findChildren<Chart *>();
    pictures.removeIf([](const PaintBox *picture) { return !picture->isVisible(); });
    charts.removeIf([](const Chart *chart) { return !chart->isVisible(); });
    QImage screen(page->size(), QImage::Format_RGB32);
    const auto show = [&screen, page](const auto &widgets) {
        QPainter p(&screen);
        for (QWidget *shown : widgets) {
            shown->render(&p, shown->mapTo(page, QPoint(0, 0)));
        }
    };
    const FrameBudget budget;
    for (auto _ : state) {
        for (PaintBox *picture : pictures) {
            picture->invalidate();
            picture->ensurePainted();
        }
        show(pictures);
        benchmark::DoNotOptimize(screen.constBits());
    }
    budget.report(state);
    state.counters["zoom_%"] = window.zoomPercent();
    if (!charts.isEmpty()) {
        constexpr int Repeats = 20;
        const auto share = [](const QElapsedTimer &clock) {
            return 100.0 * clock.nsecsElapsed() * 1e-9 / Repeats / FrameSeconds;
        };
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < Repeats; ++i) {
            show(charts);
        }
        state.counters["chart_show_%"] = share(clock);
        clock.start();
        for (int i = 0; i < Repeats; ++i) {
            for (Chart *chart : charts) {
                chart->replotNow();
            }
        }
        state.counters["replot_%"] = share(clock);
    }
}

namespace {

// Registers the animation and zoom benchmarks under their topics' names.
const bool registered = [] {
    struct Animated
    {
        const char *name;
        int topic;
        const char *button;
    };
    for (const Animated &a :
         {Animated{"waves", 4, "T16StartBtn"}, Animated{"standing", 6, "StartBtn"}, Animated{"shm", 9, "shmStartBtn"},
          Animated{"gamma_count", 10, "CountStartBtn"}, Animated{"maths", 11, "AuxStartBtn"},
          Animated{"ripple", 12, "rpStartBtn"}, Animated{"hydrogen", 13, "SpecStartBtn"},
          Animated{"resonance", 14, "ResStartBtn"}, Animated{"polarization", 16, "PolarStartBtn"}}) {
        for (const auto &[speed, zoom, suffix] :
             {std::tuple{0, 100, "_speed0"}, std::tuple{50, 100, "_speed50"}, std::tuple{0, 200, "_speed0_zoom200"}}) {
            benchmark::RegisterBenchmark((std::string("BM_AnimationCore/") + a.name + suffix).c_str(),
                                         [a, speed = speed, zoom = zoom](benchmark::State &state) {
                                             BM_AnimationCore(state, a.topic, a.button, speed, zoom);
                                         })
                ->UseManualTime()
                ->Iterations(1)
                ->Repetitions(3) // a shared machine's scheduling varies: the median of three runs
                ->ReportAggregatesOnly(true)
                ->Unit(benchmark::kSecond);
        }
    }
    for (int topic = 1; topic <= Topics::Count; ++topic) {
        for (const bool fit : {false, true}) {
            benchmark::RegisterBenchmark(
                (std::string("BM_Zoom/topic") + std::to_string(topic) + (fit ? "_fit_3840x2160" : "_200")).c_str(),
                [topic, fit](benchmark::State &state) { BM_Zoom(state, topic, fit); })
                ->Unit(benchmark::kMillisecond);
        }
    }
    return true;
}();

} // namespace
