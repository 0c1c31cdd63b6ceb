#include "waves/TransWavePage.h"

#include "gdi/PaintBox.h"
#include "gdi/ScreenReader.h"
#include "shell/AnimSpd.h"
#include "shell/PageControls.h"
#include "shell/Session.h"
#include "waves/TransWave.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

using namespace PageControls;

TransWavePage::TransWavePage(Session &session, QWidget *parent)
    : TopicPage(session, 4, parent)
{
    m_pic = paintBox(this, "T16Pic", QRect(2, 2, 360, 160));
    m_phase = scrollBar(this, "PhaseHsb", 0, 360, 0, QRect(2, 166, 360, 17),
                        tr("Scroll through the animation one frame at a time"));
    QLabel *amplitude = label(this, "Label5", tr("amplitude"), QRect(8, 190, 100, 16));
    m_amplitude = trackBar(this, "T16AmpHsb", 0, 20, 10, QRect(2, 206, 150, 28), 2, tr("set wave amplitude"));
    amplitude->setBuddy(m_amplitude);
    // Under the phase bar, right-aligned to its middle: the one free place.
    QLabel *phase = label(this, "PhaseLabel", tr("phase"), QRect(108, 186, 50, 16));
    phase->setAlignment(Qt::AlignRight | Qt::AlignTop);
    phase->setBuddy(m_phase);
    m_waveType = new RadioGroup(this, "WaveTypeRG", tr(" wave type"), {tr("Transverse "), tr("Longitudinal ")}, 0);
    m_waveType->setGeometry(160, 186, 120, 60);
    m_waveType->setToolTip(tr("set wave type"));
    m_waveType->setStatusTip(tr("set wave type"));
    m_single = new QCheckBox(tr("highlight"), this);
    m_single->setObjectName(QStringLiteral("SingleChk"));
    m_single->setGeometry(290, 190, 90, 20);
    m_single->setChecked(true);
    m_single->setToolTip(tr("highlight single particle"));
    m_single->setStatusTip(tr("highlight single particle"));
    QToolButton *start = flatButton(this, "T16StartBtn", tr("start"), QRect(290, 214, 40, 28),
                                    tr("start animation|Start the animation from the current position."));
    QToolButton *stop = flatButton(this, "T16StopBtn", tr("stop"), QRect(334, 214, 40, 28), tr("stop animation"));

    connect(m_pic, &PaintBox::paint, this, &TransWavePage::UpdateTransWave);
    connect(m_phase, &QScrollBar::valueChanged, this, &TransWavePage::UpdateTransWave);
    connect(m_amplitude, &QSlider::valueChanged, this, &TransWavePage::UpdateTransWave);
    connect(m_waveType, &RadioGroup::clicked, this, &TransWavePage::UpdateTransWave);
    // Ticking "highlight" redraws at once, as a user expects.
    connect(m_single, &QCheckBox::toggled, this, &TransWavePage::UpdateTransWave);
    connect(start, &QToolButton::clicked, this, &TransWavePage::T16StartBtnClick);
    setRunButtons(start, stop, false);

    ScreenReader::describe(m_pic, tr("wave on a row of particles"), [this]() -> QString {
        const QString kind = m_waveType->itemIndex() == 0 ? tr("A transverse wave: the particles move across the "
                                                               "direction of travel")
                                                          : tr("A longitudinal wave: the particles move along the "
                                                               "direction of travel");
        return tr("%1. Amplitude %2, phase %3 degrees.").arg(kind).arg(m_amplitude->value()).arg(m_phase->value())
               + (m_single->isChecked() ? tr(" One particle is highlighted.") : QString());
    });
}

void TransWavePage::UpdateTransWave()
{
    const int p = m_phase->value();
    const int a = m_amplitude->value();
    const bool highlight = m_single->isChecked();
    if (m_waveType->itemIndex() == 0) {
        TransWave::DrawTransverseWave(m_pic->canvas(), 360, 160, highlight, p, 3 * a);
    } else {
        TransWave::DrawLongitudinalWave(m_pic->canvas(), 360, 160, highlight, p, a);
    }
}

void TransWavePage::T16StartBtnClick()
{
    animateSlider(session(), m_phase, [this] { return session().speed(AnimSpeed::Wave); });
}
