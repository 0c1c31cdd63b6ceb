#include "waves/TonePlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBasicTimer>
#include <QIODevice>
#include <QMediaDevices>
#include <QMutex>
#include <QThread>
#include <QTimerEvent>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr qsizetype WaveHeaderBytes = 44;
constexpr int SampleRate = 44100;
// How long the output may take to answer a key before the player reports it
// as not answering. A healthy server needs a few milliseconds.
constexpr int AnswerMilliseconds = 2000;
// How long closing waits for a stalled output before leaving it behind.
constexpr int CloseMilliseconds = 1000;
// How often an open output is checked for a failure.
constexpr int HealthMilliseconds = 100;
// Set once an output thread has been left behind, stuck in the audio library.
std::atomic<bool> outputLeftBehind{false};

} // namespace

// What the window asks of the output and what the output reports back, shared
// by both threads.
struct TonePlayer::Shared
{
    QMutex mutex;
    QByteArray samples; // the tone's samples; empty for silence
    qsizetype position = 0; // where the next read starts in `samples`
    bool wakePending = false; // a wake-up is queued to the output thread
    quint64 requested = 0; // counts wake-ups asked for
    std::atomic<quint64> answered{0}; // the last wake-up the output handled
    std::atomic<bool> running{false}; // the output is open and playing
};

namespace {

// Reads the tone's period over and over, or silence while there is no tone,
// for as long as it is read. Read on the output thread.
class ToneStream : public QIODevice
{
public:
    explicit ToneStream(std::shared_ptr<TonePlayer::Shared> shared)
        : m_shared(std::move(shared))
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return 1 << 20; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        // Whole samples only, so the 16-bit words never split.
        maxSize -= maxSize % 2;
        QMutexLocker lock(&m_shared->mutex);
        const QByteArray &samples = m_shared->samples;
        if (samples.isEmpty()) {
            std::fill_n(data, maxSize, char(0));
            return maxSize;
        }
        qint64 written = 0;
        qsizetype &position = m_shared->position;
        while (written < maxSize) {
            const qint64 chunk = std::min<qint64>(maxSize - written, samples.size() - position);
            std::copy_n(samples.constData() + position, chunk, data + written);
            written += chunk;
            position = (position + chunk) % samples.size();
        }
        return written;
    }

    qint64 writeData(const char *, qint64) override { return -1; }

private:
    std::shared_ptr<TonePlayer::Shared> m_shared;
};

} // namespace

// The output thread's side: opens the output when a tone is first wanted and
// keeps it open; opens it again when a later tone finds it failed.
class ToneOutput : public QObject
{
    Q_OBJECT
public:
    explicit ToneOutput(std::shared_ptr<TonePlayer::Shared> shared)
        : m_shared(std::move(shared))
    { }
    ~ToneOutput() override { close(); }

    void wake()
    {
        quint64 request = 0;
        {
            QMutexLocker lock(&m_shared->mutex);
            request = m_shared->requested;
            m_shared->wakePending = false;
        }
        if (!m_sink) {
            open();
        }
        m_shared->answered = request;
    }

Q_SIGNALS:
    void failed(const QString &message);

private:
    void open()
    {
        close();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            return;
        }
        QAudioFormat format;
        format.setSampleRate(SampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) {
            return;
        }
        m_stream = std::make_unique<ToneStream>(m_shared);
        m_sink = std::make_unique<QAudioSink>(device, format);
        // A tenth of a second: short enough for a tone to start and stop with
        // its key, long enough for the output's pre-buffering plus one period
        // of its own (a 50 ms buffer never starts on PulseAudio).
        m_sink->setBufferSize(SampleRate * 2 / 10);
        connect(m_sink.get(), &QAudioSink::stateChanged, this,
                [this](QAudio::State state) { m_shared->running = state == QAudio::ActiveState; });
        m_sink->start(m_stream.get());
        m_shared->running = m_sink->state() == QAudio::ActiveState;
        if (m_sink->state() == QAudio::StoppedState) {
            close();
            Q_EMIT failed(TonePlayer::tr("The sound output could not be opened; the keyboard plays no sound."));
            return;
        }
        // A server that dies leaves the sink failing its writes, not always
        // stopped: its error is looked at while it is open.
        m_health.start(HealthMilliseconds, this);
    }

    void timerEvent(QTimerEvent *event) override
    {
        if (event->timerId() != m_health.timerId()) {
            QObject::timerEvent(event);
            return;
        }
        if (m_sink && m_sink->error() != QAudio::NoError && m_sink->error() != QAudio::UnderrunError) {
            close();
            Q_EMIT failed(TonePlayer::tr("The sound output failed; the keyboard plays no sound."));
        }
    }

    // The sink is moved out before it is destroyed: its destructor processes
    // this thread's events, which may call wake() again.
    void close()
    {
        std::unique_ptr<QIODevice> stream = std::move(m_stream);
        std::unique_ptr<QAudioSink> sink = std::move(m_sink);
        m_shared->running = false;
        m_health.stop();
        if (sink) {
            sink->disconnect(this);
            sink->stop();
        }
    }

    std::shared_ptr<TonePlayer::Shared> m_shared;
    std::unique_ptr<ToneStream> m_stream;
    std::unique_ptr<QAudioSink> m_sink;
    QBasicTimer m_health;
};

TonePlayer::TonePlayer(QObject *parent)
    : QObject(parent)
    , m_shared(std::make_shared<Shared>())
{
    m_watchdog.setSingleShot(true);
    m_watchdog.setInterval(AnswerMilliseconds);
    connect(&m_watchdog, &QTimer::timeout, this, &TonePlayer::checkAnswer);
}

TonePlayer::~TonePlayer()
{
    if (!m_thread) {
        return;
    }
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
    if (waveFile.size() <= WaveHeaderBytes) {
        stop();
        return;
    }
    if (!m_thread) {
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("Sound output"));
        m_output = new ToneOutput(m_shared);
        m_output->moveToThread(m_thread);
        connect(m_thread, &QThread::finished, m_output, &QObject::deleteLater);
        connect(m_output, &ToneOutput::failed, this, [this](const QString &message) {
            if (!m_reported) {
                m_reported = true;
                Q_EMIT outputFailed(message);
            }
        });
        m_thread->start();
    }
    bool wake = false;
    {
        QMutexLocker lock(&m_shared->mutex);
        m_shared->samples = waveFile.mid(WaveHeaderBytes);
        m_shared->position = 0;
        wake = !m_shared->wakePending;
        m_shared->wakePending = true;
        if (wake) {
            ++m_shared->requested;
        }
    }
    m_toneWanted = true;
    // The output is woken to open itself, or to open itself again after a
    // failure; while it is open, waking it costs nothing.
    if (wake) {
        QMetaObject::invokeMethod(m_output, &ToneOutput::wake, Qt::QueuedConnection);
    }
    if (!m_watchdog.isActive()) {
        m_watchdog.start();
    }
}

void TonePlayer::stop()
{
    m_toneWanted = false;
    QMutexLocker lock(&m_shared->mutex);
    m_shared->samples.clear();
    m_shared->position = 0;
}

bool TonePlayer::isPlaying() const
{
    return m_toneWanted && m_shared->running;
}

void TonePlayer::checkAnswer()
{
    quint64 requested = 0;
    {
        QMutexLocker lock(&m_shared->mutex);
        requested = m_shared->requested;
    }
    if (m_shared->answered >= requested) {
        // Answered: a later stall may be reported again once the output has
        // run since the last report.
        if (m_shared->running) {
            m_reported = false;
        }
        return;
    }
    if (!m_reported) {
        m_reported = true;
        Q_EMIT outputFailed(tr("The sound output does not answer; the keyboard plays no sound."));
    }
    m_watchdog.start();
}

#include "TonePlayer.moc"
