#include "waves/TonePlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QMutex>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr qsizetype WaveHeaderBytes = 44;
// How long the output may take to start or stop a tone before the player
// reports it as not answering. A healthy server needs a few milliseconds.
constexpr int AnswerMilliseconds = 2000;
// How long closing waits for a stalled output before leaving it behind.
constexpr int CloseMilliseconds = 1000;
// Set once an output thread has been left behind, stuck in the audio library.
std::atomic<bool> outputLeftBehind{false};

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

// What the window asks of the output, and what the output reports back; read
// and written from both threads.
struct TonePlayer::Shared
{
    QMutex mutex;
    QByteArray wanted; // the tone to sound; empty for silence
    bool wakePending = false; // a wake-up is queued to the output thread
    std::atomic<quint64> requested{0}; // counts requests
    std::atomic<quint64> answered{0}; // the last request the output applied
    std::atomic<bool> playing{false};
};

// The output thread's side: applies the latest request when woken.
class TonePlayerOutput : public QObject
{
    Q_OBJECT
public:
    explicit TonePlayerOutput(std::shared_ptr<TonePlayer::Shared> shared)
        : m_shared(std::move(shared))
    { }
    ~TonePlayerOutput() override { stopSink(); }

    // Plays the latest request: the tone wanted, or silence.
    void apply()
    {
        QByteArray wave;
        quint64 request = 0;
        {
            QMutexLocker lock(&m_shared->mutex);
            wave = m_shared->wanted;
            request = m_shared->requested;
            m_shared->wakePending = false;
        }
        stopSink();
        QString fault;
        if (wave.size() > WaveHeaderBytes) {
            fault = startSink(wave);
        }
        m_shared->answered = request;
        if (!fault.isEmpty()) {
            Q_EMIT failed(fault);
        }
    }

Q_SIGNALS:
    void failed(const QString &message);

private:
    QString startSink(const QByteArray &wave)
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            return {};
        }
        QAudioFormat format;
        format.setSampleRate(44100);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) {
            return {};
        }
        m_source = std::make_unique<LoopDevice>(wave.mid(WaveHeaderBytes));
        m_sink = std::make_unique<QAudioSink>(device, format);
        // A tenth of a second: short enough for the tone to start and stop with
        // the key, long enough for the output's pre-buffering plus one period of
        // its own (a 50 ms buffer never starts on PulseAudio).
        m_sink->setBufferSize(44100 * 2 / 10);
        QObject::connect(m_sink.get(), &QAudioSink::stateChanged, this,
                         [this](QAudio::State state) { m_shared->playing = state == QAudio::ActiveState; });
        m_sink->start(m_source.get());
        m_shared->playing = m_sink->state() == QAudio::ActiveState;
        if (m_sink->error() == QAudio::OpenError || m_sink->error() == QAudio::FatalError) {
            stopSink();
            return TonePlayer::tr("The sound output could not be opened; the keyboard plays no sound.");
        }
        return {};
    }

    void stopSink()
    {
        if (m_sink) {
            m_sink->disconnect(this);
            m_sink->stop();
            m_sink.reset();
        }
        m_source.reset();
        m_shared->playing = false;
    }

    std::shared_ptr<TonePlayer::Shared> m_shared;
    std::unique_ptr<QAudioSink> m_sink;
    std::unique_ptr<QIODevice> m_source;
};

TonePlayer::TonePlayer(QObject *parent)
    : QObject(parent)
    , m_shared(std::make_shared<Shared>())
{
    // While requests wait, the watchdog looks every few seconds whether the
    // output has taken any of them up; a stall is reported once.
    m_watchdog.setSingleShot(true);
    m_watchdog.setInterval(AnswerMilliseconds);
    connect(&m_watchdog, &QTimer::timeout, this, [this] {
        const quint64 answered = m_shared->answered;
        if (answered >= m_shared->requested) {
            m_reported = false;
            return;
        }
        if (answered == m_lastAnswered && !m_reported) {
            m_reported = true;
            Q_EMIT outputFailed(tr("The sound output does not answer; the keyboard plays no sound."));
        } else if (answered != m_lastAnswered) {
            m_reported = false;
        }
        m_lastAnswered = answered;
        m_watchdog.start();
    });
}

TonePlayer::~TonePlayer()
{
    if (!m_thread) {
        return;
    }
    request({});
    m_thread->quit();
    if (m_thread->wait(CloseMilliseconds)) {
        delete m_thread;
        return;
    }
    // The output is stuck inside the audio library: the thread and its output
    // are left to the end of the process rather than destroyed while running.
    outputLeftBehind = true;
}

void TonePlayer::exitIfOutputStuck(int code)
{
    if (outputLeftBehind) {
        std::fflush(nullptr);
        std::_Exit(code);
    }
}

bool TonePlayer::audioAvailable()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

void TonePlayer::play(const QByteArray &waveFile)
{
    request(waveFile);
}

void TonePlayer::stop()
{
    if (m_thread) {
        request({});
    }
}

void TonePlayer::request(const QByteArray &waveFile)
{
    if (!m_thread) {
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("Sound output"));
        m_output = new TonePlayerOutput(m_shared);
        m_output->moveToThread(m_thread);
        connect(m_thread, &QThread::finished, m_output, &QObject::deleteLater);
        connect(m_output, &TonePlayerOutput::failed, this, &TonePlayer::outputFailed);
        m_thread->start();
    }
    bool wake = false;
    {
        QMutexLocker lock(&m_shared->mutex);
        m_shared->wanted = waveFile;
        ++m_shared->requested;
        wake = !m_shared->wakePending;
        m_shared->wakePending = true;
    }
    if (wake) {
        QMetaObject::invokeMethod(m_output, &TonePlayerOutput::apply, Qt::QueuedConnection);
    }
    if (!m_watchdog.isActive()) {
        m_lastAnswered = m_shared->answered;
        m_watchdog.start();
    }
}

bool TonePlayer::isPlaying() const
{
    return m_shared->playing;
}

#include "TonePlayer.moc"
