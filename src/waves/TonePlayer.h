#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <memory>

class QThread;
class ToneOutput;

// Plays a WAVE file of one period in a loop until stopped: 16-bit mono PCM at
// 44100 Hz from memory. Without an audio device it plays nothing and says
// nothing; everything else goes on.
//
// The audio output lives on a thread of its own and, once opened, stays open
// for the life of the player, sounding silence between tones: a key press only
// hands new samples over, it never opens or closes the output. A sound server
// that dies or hangs therefore stalls at worst that thread, never the window;
// the player then says so once through outputFailed().
class TonePlayer : public QObject
{
    Q_OBJECT
public:
    explicit TonePlayer(QObject *parent = nullptr);
    ~TonePlayer() override;

    // Starts the tone at once; a tone already sounding is replaced.
    void play(const QByteArray &waveFile);
    // Silences the tone.
    void stop();
    // Whether a tone is wanted and the output is running.
    bool isPlaying() const;
    // Whether an audio output exists on this machine.
    static bool audioAvailable();
    // Ends the process with `code` when a player was destroyed while its
    // output was stuck inside the audio library: that library's clean-up at
    // exit would wait for it for ever. Returns otherwise. Called by main()
    // after the window is gone.
    static void exitIfOutputStuck(int code);

    struct Shared;

Q_SIGNALS:
    // The sound output failed or stopped answering: tones are not heard.
    void outputFailed(const QString &message);

private:
    void checkAnswer();

    std::shared_ptr<Shared> m_shared;
    QThread *m_thread = nullptr;
    ToneOutput *m_output = nullptr;
    QTimer m_watchdog;
    bool m_toneWanted = false;
    bool m_reported = false;
};
