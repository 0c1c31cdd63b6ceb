#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <memory>

class QThread;
class TonePlayerOutput;

// Plays a WAVE file of one period in a loop until stopped: 16-bit mono PCM at
// 44100 Hz from memory. Without an audio device it plays nothing and says
// nothing; everything else goes on.
//
// The audio output lives on a thread of its own: a sound server that dies or
// hangs while a tone starts can stall that thread, never the window. Requests
// made meanwhile are coalesced: only the latest (a tone, or silence) is played
// once the output answers again.
class TonePlayer : public QObject
{
    Q_OBJECT
public:
    explicit TonePlayer(QObject *parent = nullptr);
    ~TonePlayer() override;

    // Starts the tone at once; a tone already sounding is stopped first.
    void play(const QByteArray &waveFile);
    // Stops any tone. The samples are freed only after the output has stopped
    // reading them.
    void stop();
    bool isPlaying() const;
    // Whether an audio output exists on this machine.
    static bool audioAvailable();
    // Ends the process with `code` when a player was destroyed while its
    // output was stuck inside the audio library: that library's clean-up at
    // exit would wait for it or abort. Returns otherwise. Called by main()
    // after the window is gone.
    static void exitIfOutputStuck(int code);

    struct Shared;

Q_SIGNALS:
    // The sound output failed or stopped answering: the tone is not heard.
    void outputFailed(const QString &message);

private:
    void request(const QByteArray &waveFile);

    std::shared_ptr<Shared> m_shared;
    QThread *m_thread = nullptr;
    TonePlayerOutput *m_output = nullptr;
    QTimer m_watchdog;
    quint64 m_lastAnswered = 0;
    bool m_reported = false;
};
