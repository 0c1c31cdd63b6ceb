// corvane-snap: builds Corvane's main window off screen, runs the actions given
// on the command line in order and exits; for screenshots and checks of the
// pictures from outside. Run it without arguments for a list of actions.
#include "Snapshot.h"
#include "app/Application.h"
#include "waves/TonePlayer.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    configureApplication(app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = Snapshot::runAll(QCoreApplication::arguments().mid(1), out, err);
    out.flush();
    err.flush();
    TonePlayer::exitIfOutputStuck(code);
    return code;
}
