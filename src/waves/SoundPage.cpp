#include "waves/SoundPage.h"

#include "gdi/PaintBox.h"
#include "gdi/ScreenReader.h"
#include "shell/Hints.h"
#include "shell/PageControls.h"
#include "waves/Sound.h"
#include "waves/TonePlayer.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QSlider>
#include <QStatusTipEvent>

using namespace PageControls;

SoundPage::SoundPage(Session &session, QWidget *parent)
    : TopicPage(session, 5, parent)
    , m_player(new TonePlayer(this))
{
    m_wavePic = paintBox(this, "SoundPic", QRect(5, 7, 380, 100));
    m_keyPic = paintBox(this, "KeyPic", QRect(6, 117, 192, 90),
                        tr("Hold down the mouse button over a key to play the note"));
    m_keyPic->setCursor(Qt::PointingHandCursor);
    // A sound output that fails or hangs costs the tone, not the window: the
    // status bar says so.
    connect(m_player, &TonePlayer::outputFailed, this, [this](const QString &message) {
        QStatusTipEvent tip(message);
        QCoreApplication::sendEvent(this, &tip);
    });
    m_frequency = trackBar(this, "FrequencySB", 0, 12, 0, QRect(6, 212, 192, 30), 1,
                           tr("Set the frequency of the fundamental"));
    m_frequency->setTickPosition(QSlider::TicksAbove);
    m_frequency->setPageStep(1);
    m_frequencyLabel = label(this, "SndFrequencyLabel", tr("frequency 262 Hz"), QRect(6, 246, 192, 16));
    m_frequencyLabel->setBuddy(m_frequency);

    auto *group = new QGroupBox(tr(" amplitudes "), this);
    group->setObjectName(QStringLiteral("GroupBox4"));
    group->setGeometry(210, 112, 190, 150);
    Hints::setHint(group, tr("Set the amplitudes of the harmonics"));
    // The row of column heads; each head is centred over its slider (sliders
    // are 34 pixels apart), so no head drifts with the font's space width.
    QLabel *heads = label(group, "Label22", QString(), QRect(0, 18, 190, 16));
    const std::array<QString, 5> headTexts{tr("f"), tr("2f"), tr("3f"), tr("4f"), tr("5f")};
    for (std::size_t k = 0; k < headTexts.size(); ++k) {
        QLabel *head = label(heads, "", headTexts[k], QRect(8 + int(k) * 34, 0, 34, 16));
        head->setObjectName(QStringLiteral("AmplitudeHead%1").arg(k + 1));
        head->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    static constexpr std::array<const char *, 5> names{"AmplitudeSB", "AmplitudeSB1", "AmplitudeSB2", "AmplitudeSB3",
                                                       "AmplitudeSB4"};
    for (std::size_t k = 0; k < names.size(); ++k) {
        // Position 0 is at the top: the top end is the loudest (A = 32 - position).
        auto *bar = new QSlider(Qt::Vertical, group);
        bar->setObjectName(QString::fromLatin1(names[k]));
        bar->setRange(0, 32);
        bar->setInvertedAppearance(true);
        bar->setInvertedControls(true);
        bar->setValue(k == 0 ? 16 : 32);
        bar->setTickInterval(4);
        bar->setTickPosition(QSlider::TicksRight);
        bar->setGeometry(10 + int(k) * 34, 36, 30, 108);
        bar->setAccessibleName(k == 0 ? tr("amplitude of the fundamental") : tr("amplitude of harmonic %1").arg(k + 1));
        bar->setAccessibleDescription(tr("Set the amplitudes of the harmonics"));
        m_amplitudes[k] = bar;
        heads->findChild<QLabel *>(QStringLiteral("AmplitudeHead%1").arg(k + 1))->setBuddy(bar);
        connect(bar, &QSlider::valueChanged, this, &SoundPage::FrequencySBChange);
    }

    connect(m_keyPic, &PaintBox::paint, this, [this] {
        Sound::DrawKeyboard(m_keyPic->canvas(), m_keyPic->pictureWidth(), m_keyPic->pictureHeight(), m_heldKey);
    });
    connect(m_wavePic, &PaintBox::paint, this, &SoundPage::drawWave);
    connect(m_frequency, &QSlider::valueChanged, this, &SoundPage::FrequencySBChange);
    connect(m_keyPic, &PaintBox::mouseMove, this, [this](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
        m_keyPic->setCursor(Sound::PointOnKey(QPoint(x, y)) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    });
    connect(m_keyPic, &PaintBox::mouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { KeyPicMouseDown(QPoint(x, y)); });
    connect(m_keyPic, &PaintBox::mouseUp, this, &SoundPage::KeyPicMouseUp);

    ScreenReader::describe(m_wavePic, tr("sound wave"), [this] {
        const std::array<int, 5> a = amplitudes();
        return tr("The wave of a %1 Hz note; amplitudes of the fundamental and harmonics 2 to 5: %2, %3, %4, %5, %6.")
            .arg(Sound::KeyFrequency(m_frequency->value()))
            .arg(a[0])
            .arg(a[1])
            .arg(a[2])
            .arg(a[3])
            .arg(a[4]);
    });
    ScreenReader::describe(m_keyPic, tr("keyboard"), [this] {
        return tr("An octave of piano keys; the chosen note is %1 Hz. Left and right arrows choose a note, the space "
                  "bar plays it while held.")
            .arg(Sound::KeyFrequency(m_frequency->value()));
    });
    // The keyboard also answers keys: the arrows choose a note, the space bar
    // plays it while held.
    m_keyPic->setKeyHandler([this](const QKeyEvent &key) {
        const bool press = key.type() == QEvent::KeyPress;
        switch (key.key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (press) {
                m_frequency->setValue(m_frequency->value() + (key.key() == Qt::Key_Left ? -1 : 1));
            }
            return true;
        case Qt::Key_Space:
            if (key.isAutoRepeat()) {
                return true;
            }
            if (press) {
                playChosenNote();
            } else {
                KeyPicMouseUp();
            }
            return true;
        default:
            return false;
        }
    });
}

SoundPage::~SoundPage() = default;

std::array<int, 5> SoundPage::amplitudes() const
{
    std::array<int, 5> a{};
    for (std::size_t k = 0; k < a.size(); ++k) {
        a[k] = 32 - m_amplitudes[k]->value();
    }
    return a;
}

void SoundPage::drawWave()
{
    Sound::DrawSoundWave(m_wavePic->canvas(), Sound::KeyFrequency(m_frequency->value()), amplitudes());
}

void SoundPage::FrequencySBChange()
{
    m_frequencyLabel->setText(tr("frequency %1 Hz").arg(Sound::KeyFrequency(m_frequency->value())));
    drawWave();
}

void SoundPage::KeyPicMouseDown(QPoint at)
{
    int key = -1;
    if (Sound::FindKey(at, &key) == 0) {
        return;
    }
    if (m_frequency->value() == key) {
        drawWave();
    } else {
        m_frequency->setValue(key);
    }
    playChosenNote();
}

void SoundPage::playChosenNote()
{
    // Each press builds a new period from the settings of this moment.
    m_lastTone = Sound::PlayTone(Sound::KeyFrequency(m_frequency->value()), amplitudes());
    m_player->play(m_lastTone);
    showHeldKey(m_frequency->value());
}

void SoundPage::KeyPicMouseUp()
{
    m_player->stop();
    showHeldKey(-1);
}

void SoundPage::showHeldKey(int key)
{
    if (key != m_heldKey) {
        m_heldKey = key;
        m_keyPic->invalidate();
    }
}
