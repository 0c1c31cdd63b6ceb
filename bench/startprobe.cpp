// Start-up probe for the benchmarks: starts either Corvane itself (splash, main
// window, exactly as the program does) or a bare main window with a text pane
// showing the same index page, and prints one line when the window has been
// painted for the first time:
//
//     shown <peak resident kB>
//
// With --visit it first walks through all sixteen topics, so the peak memory
// includes every page as a user would have seen it. The process then ends at
// once; the benchmark measures the time from starting it to that line.
#include "app/Application.h"
#include "app/MainFrm.h"
#include "app/TopicRegistry.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QTextBrowser>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Peak resident memory of this process in kB.
long peakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return 0;
}

[[noreturn]] void reportAndExit()
{
    std::printf("shown %ld\n", peakResidentKilobytes());
    std::fflush(stdout);
    // Tearing the windows down is not part of start-up.
    std::_Exit(EXIT_SUCCESS);
}

// Reports at the window's first paint event.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(std::function<void()> then)
        : m_then(std::move(then))
    { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            m_then();
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

int runBare(int argc, char *argv[])
{
    QApplication app(argc, argv);
    configureApplication(app);
    QMainWindow window;
    auto *text = new QTextBrowser(&window);
    window.setCentralWidget(text);
    text->setSource(QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QStringLiteral("/HTML/index.htm")));
    window.resize(800, 600);
    FirstPaint painted(reportAndExit);
    window.installEventFilter(&painted);
    window.show();
    return QApplication::exec();
}

int runMain(int argc, char *argv[], bool visitAll)
{
    FirstPaint *painted = nullptr;
    const int result = runCorvane(argc, argv, [&painted, visitAll](TMainFrm &window) {
        painted = new FirstPaint([&window, visitAll] {
            if (visitAll) {
                for (int topic : Topics::MenuOrder) {
                    window.DoTopicChange(window.topicAction(topic));
                    QApplication::processEvents();
                }
            }
            reportAndExit();
        });
        painted->setParent(&window);
        window.installEventFilter(painted);
    });
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    const bool visit = argc > 2 && std::strcmp(argv[2], "--visit") == 0;
    return bare ? runBare(argc, argv) : runMain(argc, argv, visit);
}
