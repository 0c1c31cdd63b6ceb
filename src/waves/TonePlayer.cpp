#include "waves/TonePlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <algorithm>

namespace {

constexpr qsizetype WaveHeaderBytes = 44;

// Reads the samples of one period over and over, for as long as it is read.
class LoopDevice : public QIODevice
{
public:
    explicit LoopDevice(QByteArray samples)
        : m_samples(std::move(samples))
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_samples.isEmpty() ? 0 : 1 << 20; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_samples.isEmpty()) {
            return 0;
        }
        // Whole samples only, so the 16-bit words never split.
        maxSize -= maxSize % 2;
        qint64 written = 0;
        while (written < maxSize) {
            const qint64 chunk = std::min<qint64>(maxSize - written, m_samples.size() - m_position);
            std::copy_n(m_samples.constData() + m_position, chunk, data + written);
            written += chunk;
            m_position = (m_position + chunk) % m_samples.size();
        }
        return written;
    }

    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_samples;
    qsizetype m_position = 0;
};

} // namespace

TonePlayer::TonePlayer(QObject *parent)
    : QObject(parent)
{ }

TonePlayer::~TonePlayer()
{
    stop();
}

bool TonePlayer::audioAvailable()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

void TonePlayer::play(const QByteArray &waveFile)
{
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || waveFile.size() <= WaveHeaderBytes) {
        return;
    }
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        return;
    }
    m_source = std::make_unique<LoopDevice>(waveFile.mid(WaveHeaderBytes));
    m_sink = std::make_unique<QAudioSink>(device, format);
    // A tenth of a second: short enough for the tone to start and stop with
    // the key, long enough for the output's pre-buffering plus one period of
    // its own (a 50 ms buffer never starts on PulseAudio).
    m_sink->setBufferSize(44100 * 2 / 10);
    m_sink->start(m_source.get());
}

void TonePlayer::stop()
{
    if (m_sink) {
        m_sink->stop();
        m_sink.reset();
    }
    m_source.reset();
}

bool TonePlayer::isPlaying() const
{
    return m_sink && m_sink->state() == QAudio::ActiveState;
}
