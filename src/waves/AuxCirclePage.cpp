#include "waves/AuxCirclePage.h"

#include "gdi/PaintBox.h"
#include "gdi/ScreenReader.h"
#include "shell/AnimSpd.h"
#include "shell/PageControls.h"
#include "shell/Session.h"
#include "waves/WaveMaths.h"

#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

using namespace PageControls;

AuxCirclePage::AuxCirclePage(Session &session, QWidget *parent)
    : TopicPage(session, 11, parent)
{
    auto *panel14 = new QWidget(this);
    panel14->setObjectName(QStringLiteral("Panel14"));
    panel14->setGeometry(0, 0, 420, 47);
    QToolButton *start = flatButton(panel14, "AuxStartBtn", tr("start"), QRect(5, 4, 42, 38), tr("start animation"));
    QToolButton *stop = flatButton(panel14, "AuxStopBtn", tr("stop"), QRect(49, 4, 42, 38), tr("stop animation"));
    const QChar degree(0x00BA);
    m_phaseLabel = label(panel14, "AuxPhaseLabel", tr("phase = 0%1").arg(degree), QRect(100, 4, 220, 16));
    m_phase = scrollBar(panel14, "AuxPhaseHsb", -360, 360, 0, QRect(100, 22, 300, 17),
                        tr("set phase|Set the phase difference between points"));
    m_phase->setPageStep(10);
    m_pic = paintBox(this, "MathsPic", QRect(5, 50, 400, 200));
    m_angle = scrollBar(this, "AuxCircleHsb", 0, 360, 0, QRect(5, 254, 400, 17),
                        tr("move points|Scroll through the animation"));
    m_angleLabel = label(this, "AuxAngleLabel", tr("angle = 0%1").arg(degree), QRect(5, 276, 260, 16));
    m_phaseLabel->setBuddy(m_phase);
    m_angleLabel->setBuddy(m_angle);

    connect(m_pic, &PaintBox::paint, this,
            [this] { WaveMaths::DrawAuxCircle(m_pic->canvas(), m_angle->value(), m_phase->value()); });
    connect(m_angle, &QScrollBar::valueChanged, this, &AuxCirclePage::AuxCircleHsbChange);
    connect(m_phase, &QScrollBar::valueChanged, this, &AuxCirclePage::AuxCircleHsbChange);
    connect(start, &QToolButton::clicked, this, &AuxCirclePage::AuxStartBtnClick);
    setRunButtons(start, stop, false);

    ScreenReader::describe(m_pic, tr("reference circle and wave"), [this] {
        return tr("Two points go round the reference circle and trace the wave beside it: %1, %2.")
            .arg(m_angleLabel->text(), m_phaseLabel->text());
    });
}

void AuxCirclePage::startUp()
{
    AuxCircleHsbChange();
}

void AuxCirclePage::AuxCircleHsbChange()
{
    WaveMaths::DrawAuxCircle(m_pic->canvas(), m_angle->value(), m_phase->value());
    m_angleLabel->setText(WaveMaths::angleText(m_angle->value()));
    m_phaseLabel->setText(WaveMaths::phaseText(m_phase->value()));
}

void AuxCirclePage::AuxStartBtnClick()
{
    animateSlider(session(), m_angle, [this] { return session().speed(AnimSpeed::AuxCircle); });
}
