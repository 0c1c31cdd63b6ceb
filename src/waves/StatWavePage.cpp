#include "waves/StatWavePage.h"

#include "gdi/PaintBox.h"
#include "gdi/ScreenReader.h"
#include "shell/AnimSpd.h"
#include "shell/PageControls.h"
#include "shell/Session.h"
#include "waves/StatWave.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

using namespace PageControls;

StatWavePage::StatWavePage(Session &session, QWidget *parent)
    : TopicPage(session, 6, parent)
{
    auto *panel10 = new QWidget(this);
    panel10->setObjectName(QStringLiteral("Panel10"));
    panel10->setGeometry(0, 0, 490, 44);
    QToolButton *start = flatButton(panel10, "StartBtn", tr("start"), QRect(5, 3, 42, 38), tr("start animation"));
    QToolButton *stop = flatButton(panel10, "StopBtn", tr("stop"), QRect(49, 3, 42, 38), tr("stop animation"));
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setPixelSize(13);
    m_frequency = label(panel10, "SWfrequencyLabel", tr("frequency = f"), QRect(110, 4, 150, 17));
    m_wavelength = label(panel10, "Wlabel", tr("wavelength = L"), QRect(110, 23, 150, 17));
    for (QLabel *l : {m_frequency, m_wavelength}) {
        l->setFont(labelFont);
        l->setAlignment(Qt::AlignCenter);
    }
    label(this, "Label6", tr("Travelling waves moving in opposite directions"), QRect(5, 48, 360, 18));
    m_travelling = paintBox(this, "StatWavePic", QRect(5, 68, 361, 80));
    label(this, "Label7", tr("Combined wave"), QRect(5, 152, 200, 14));
    m_sum = paintBox(this, "Sumpic", QRect(4, 167, 361, 160));
    m_phase = scrollBar(this, "StatWaveHsb", 0, 360, 0, QRect(4, 331, 361, 17),
                        tr("Scroll through the animation one frame at a time"));
    label(this, "TimeLabel", tr("time"), QRect(370, 331, 110, 16))->setBuddy(m_phase);
    m_harmonics = new RadioGroup(
        this, "RadioGroup1", tr("  harmonics "),
        {tr("fundamental"), tr("1st."), tr("2nd."), tr("3rd."), tr("4th. "), tr("5th."), tr("6th.")}, 1);
    m_harmonics->setGeometry(372, 48, 108, 170);
    // The labels describe the harmonic selected at start, not the form's captions.
    m_frequency->setText(StatWave::frequencyText(harmonic()));
    m_wavelength->setText(StatWave::wavelengthText(harmonic()));

    connect(m_travelling, &PaintBox::paint, this, &StatWavePage::UpdateStatwave);
    connect(m_sum, &PaintBox::paint, this, &StatWavePage::UpdateStatwave);
    connect(m_phase, &QScrollBar::valueChanged, this, &StatWavePage::UpdateStatwave);
    connect(m_harmonics, &RadioGroup::clicked, this, &StatWavePage::RadioGroup1Click);
    connect(start, &QToolButton::clicked, this, &StatWavePage::StartBtnClick);
    setRunButtons(start, stop, false);

    ScreenReader::describe(m_travelling, tr("travelling waves moving in opposite directions"), [this] {
        return tr("Two equal waves travel in opposite directions; phase %1 degrees.").arg(m_phase->value());
    });
    ScreenReader::describe(m_sum, tr("combined wave"), [this] {
        return tr("The two waves add to a standing wave, %1 harmonic: %2, %3. Phase %4 degrees.")
            .arg(m_harmonics->item(m_harmonics->itemIndex())->text().trimmed(), m_frequency->text(),
                 m_wavelength->text())
            .arg(m_phase->value());
    });
}

int StatWavePage::harmonic() const
{
    return m_harmonics->itemIndex() + 1;
}

void StatWavePage::UpdateStatwave()
{
    StatWave::DrawTravellingWaves(m_travelling->canvas(), harmonic(), m_phase->value());
    StatWave::DrawStandingWave(m_sum->canvas(), harmonic(), m_phase->value());
}

void StatWavePage::RadioGroup1Click()
{
    m_frequency->setText(StatWave::frequencyText(harmonic()));
    m_wavelength->setText(StatWave::wavelengthText(harmonic()));
    // While an animation runs its next frame shows the new harmonic.
    if (!session().isAnimating()) {
        UpdateStatwave();
    }
}

void StatWavePage::StartBtnClick()
{
    animateSlider(session(), m_phase, [this] { return session().speed(AnimSpeed::StandingWave); });
}
