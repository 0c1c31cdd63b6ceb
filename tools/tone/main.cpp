// corvane-tone: plays a key of the keyboard as the sound page does, for a given
// time, then releases it and waits; for checking the sound output from outside.
//   corvane-tone [key 0..12] [milliseconds held] [milliseconds after release]
#include "waves/Sound.h"
#include "waves/TonePlayer.h"

#include <QGuiApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int key = args.size() > 1 ? args[1].toInt() : 0;
    const int held = args.size() > 2 ? args[2].toInt() : 1500;
    const int after = args.size() > 3 ? args[3].toInt() : 700;
    if (!TonePlayer::audioAvailable()) {
        std::fputs("corvane-tone: no audio output\n", stderr);
        return 1;
    }
    int code = 0;
    {
        TonePlayer player;
        player.play(Sound::PlayTone(Sound::KeyFrequency(key), {16, 0, 0, 0, 0}));
        // With CORVANE_TONE_VERBOSE set, report every 100 ms whether the tone sounds.
        QTimer report;
        if (qEnvironmentVariableIsSet("CORVANE_TONE_VERBOSE")) {
            QObject::connect(&report, &QTimer::timeout, &app,
                             [&player] { std::printf("playing %d\n", int(player.isPlaying())); });
            report.start(100);
        }
        QTimer::singleShot(held, &app, [&player] { player.stop(); });
        QTimer::singleShot(held + after, &app, &QCoreApplication::quit);
        code = QCoreApplication::exec();
    }
    TonePlayer::exitIfOutputStuck(code);
    return code;
}
