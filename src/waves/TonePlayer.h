#pragma once

#include <QByteArray>
#include <QObject>

#include <memory>

class QAudioSink;
class QIODevice;

// Plays a WAVE file of one period in a loop until stopped: 16-bit mono PCM at
// 44100 Hz from memory. Without an audio device it plays nothing and says
// nothing; everything else goes on.
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

private:
    std::unique_ptr<QAudioSink> m_sink;
    std::unique_ptr<QIODevice> m_source;
};
