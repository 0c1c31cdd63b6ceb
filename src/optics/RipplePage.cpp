#include "optics/RipplePage.h"

#include "gdi/GdiMath.h"
#include "gdi/PaintBox.h"
#include "gdi/ScreenReader.h"
#include "optics/Ripple.h"
#include "shell/AnimSpd.h"
#include "shell/PageControls.h"
#include "shell/Session.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

using namespace PageControls;

namespace {
// The barrier's place in the tank.
constexpr int BarrierX = 100;
} // namespace

RipplePage::RipplePage(Session &session, QWidget *parent)
    : TopicPage(session, 12, parent)
{
    auto *panel15 = new QWidget(this);
    panel15->setObjectName(QStringLiteral("Panel15"));
    panel15->setGeometry(0, 0, 410, 50);
    QToolButton *start = flatButton(panel15, "rpStartBtn", tr("start"), QRect(5, 6, 42, 38),
                                    tr("start animation|Start the animation from the current position."));
    QToolButton *stop = flatButton(panel15, "rpStopBtn", tr("stop"), QRect(47, 6, 41, 38), tr("stop animation"));
    QToolButton *reset = flatButton(panel15, "rpResetBtn", tr("reset"), QRect(89, 6, 42, 38),
                                    tr("reset|Reset the animation to the start"));
    m_label = label(panel15, "rpLabel", tr("slit width "), QRect(149, 2, 120, 16));
    m_width = trackBar(panel15, "rpWidthHsb", 20, 200, 20, QRect(140, 17, 117, 28), 0, tr("Set the slit width"));
    m_separation = trackBar(panel15, "rpSepHsb", 10, 50, 10, QRect(140, 17, 117, 28), 0, tr("set slit separation"));
    m_separation->hide();
    m_single = new QRadioButton(tr("single slit"), panel15);
    m_single->setObjectName(QStringLiteral("ssRB"));
    m_single->setGeometry(288, 7, 110, 20);
    m_single->setChecked(true);
    m_double = new QRadioButton(tr("double slit"), panel15);
    m_double->setObjectName(QStringLiteral("dsRB"));
    m_double->setGeometry(288, 27, 110, 20);
    m_pic = paintBox(this, "Rippic", QRect(1, 56, 300, 240));
    m_frame = scrollBar(this, "RippleHsb", 0, 600, 0, QRect(3, 306, 299, 13),
                        tr("Scroll through the animation one frame at a time"));
    label(this, "FrameLabel", tr("frame"), QRect(306, 304, 100, 16))->setBuddy(m_frame);
    m_label->setBuddy(m_width);

    connect(m_pic, &PaintBox::paint, this, &RipplePage::drawFrame);
    connect(m_frame, &QScrollBar::valueChanged, this, &RipplePage::drawFrame);
    connect(m_width, &QSlider::valueChanged, this,
            [this] { Ripple::DrawSingleSlitFrame(m_pic->canvas(), m_frame->value(), m_width->value(), BarrierX); });
    connect(m_separation, &QSlider::valueChanged, this, [this] {
        Ripple::DrawDoubleSlitFrame(m_pic->canvas(), m_frame->value(), m_separation->value(), true, BarrierX);
    });
    connect(m_single, &QRadioButton::clicked, this, &RipplePage::ssRBClick);
    connect(m_double, &QRadioButton::clicked, this, &RipplePage::ssRBClick);
    connect(start, &QToolButton::clicked, this, &RipplePage::rpStartBtnClick);
    setRunButtons(start, stop, false);
    connect(reset, &QToolButton::clicked, this, &RipplePage::rpResetBtnClick);

    m_single->setAccessibleDescription(tr("Waves pass one gap in the barrier"));
    m_double->setAccessibleDescription(tr("Waves pass two gaps in the barrier"));
    ScreenReader::describe(m_pic, tr("ripple tank seen from above"), [this] {
        // Crests are 20 pixels apart: sizes in wavelengths divide by 20.
        if (m_single->isChecked()) {
            return tr("Straight waves pass a single gap %1 wavelengths wide and spread out beyond it; frame %2.")
                .arg(Gdi::formatF(m_width->value() / 20.0, 1))
                .arg(m_frame->value());
        }
        const int h = m_separation->value();
        return tr("Straight waves pass two gaps %1 wavelengths apart; dotted lines mark the %n directions where "
                  "their waves reinforce on each side; frame %2.",
                  nullptr, int(Ripple::reinforcementPoints(h).size()))
            .arg(Gdi::formatF((2 * h + 20) / 20.0, 1))
            .arg(m_frame->value());
    });
}

void RipplePage::drawFrame()
{
    if (m_single->isChecked()) {
        Ripple::DrawSingleSlitFrame(m_pic->canvas(), m_frame->value(), m_width->value(), BarrierX);
    } else {
        Ripple::DrawDoubleSlitFrame(m_pic->canvas(), m_frame->value(), m_separation->value(), true, BarrierX);
    }
}

void RipplePage::ssRBClick()
{
    const bool single = m_single->isChecked();
    m_width->setVisible(single);
    m_separation->setVisible(!single);
    m_label->setText(single ? tr("slit width") : tr("slit separation"));
    m_label->setBuddy(single ? m_width : m_separation);
    drawFrame();
}

void RipplePage::rpStartBtnClick()
{
    // The delay follows the slit model chosen at each frame.
    animateSlider(
        session(), m_frame, [this] { return session().speed(*speedSetting()); }, true);
}

std::optional<AnimSpeed> RipplePage::speedSetting() const
{
    return m_single->isChecked() ? AnimSpeed::RippleSingle : AnimSpeed::RippleDouble;
}

void RipplePage::rpResetBtnClick()
{
    session().stopAnimations();
    m_frame->setValue(0);
}
