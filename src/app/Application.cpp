#include "app/Application.h"

#include "app/MainFrm.h"
#include "gdi/Canvas.h"
#include "shell/FormFont.h"
#include "shell/Language.h"
#include "shell/Splash.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a terse message when it finds no display; a teacher starting
// the program from a terminal without one gets a plain sentence instead.
bool displayAvailable()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        return true;
    }
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

void configureApplication(QApplication &)
{
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corvane"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    // Every window is built in the language chosen at start.
    Language::install(Language::current());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The classic button face, so the pages, the pictures' edges and the charts
    // look the same on every desktop.
    QPalette pal = QApplication::style()->standardPalette();
    pal.setColor(QPalette::Window, Gdi::ButtonFace);
    pal.setColor(QPalette::Button, Gdi::ButtonFace);
    QApplication::setPalette(pal);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(formFontPixelHeight(
        QGuiApplication::primaryScreen() ? int(QGuiApplication::primaryScreen()->logicalDotsPerInchY()) : 96));
    QApplication::setFont(font);
}

int runCorvane(int argc, char *argv[], const std::function<void(TMainFrm &)> &shown)
{
    if (!displayAvailable()) {
        std::fputs("Corvane needs a graphical desktop, but no display was found "
                   "(neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Start it from a desktop session, or over SSH with X forwarding (ssh -X).\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    // The style, palette and font are set before the first window, so that
    // no window is polished twice.
    configureApplication(app);
    auto splash = std::make_unique<TSplashFrm>();
    splash->showNow();

    TMainFrm window;
    QObject::connect(&window, &TMainFrm::firstShown, &window, [&splash, &window, &shown] {
        splash.reset();
        QApplication::restoreOverrideCursor();
        if (shown) {
            shown(window);
        }
    });
    if (window.arrangement().maximised) {
        window.showMaximized();
    } else {
        window.show();
    }
    return QApplication::exec();
}
