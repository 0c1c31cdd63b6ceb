#include "waves/SndSpeedPage.h"

#include "gdi/GdiMath.h"
#include "gdi/PaintBox.h"
#include "gdi/ScreenReader.h"
#include "shell/PageControls.h"
#include "shell/ResultsTable.h"
#include "waves/SndSpeed.h"

#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

#include <cmath>
#include <numbers>

using namespace PageControls;

SndSpeedPage::SndSpeedPage(Session &session, QWidget *parent)
    : TopicPage(session, 7, parent)
{
    QFrame *panel = whitePanel(this, "Panel11", QRect(6, 4, 375, 235));
    m_pic = paintBox(panel, "SndSpdPic", QRect(6, 3, 361, 225));
    label(panel, "Label11", tr("signal\ngenerator"), QRect(10, 49, 70, 30));
    label(panel, "Label12", tr("CRO"), QRect(303, 8, 40, 16));
    m_zoom = paintBox(panel, "sndZoomPic", QRect(130, 144, 105, 75));
    m_zoom->hide();

    m_mic = trackBar(this, "SndSpkHsb", 0, 3000, 750, QRect(20, 242, 330, 26), 0,
                     tr("move microphone|Set the position of the microphone"));
    // Beside the microphone's slider, in two lines: the page has 48 pixels there.
    label(this, "MicLabel", tr("micro-\nphone"), QRect(352, 240, 48, 30))->setBuddy(m_mic);
    m_mic->setPageStep(50);

    auto *generator = new QGroupBox(tr("  signal generator "), this);
    generator->setObjectName(QStringLiteral("GroupBox2"));
    generator->setGeometry(6, 272, 180, 60);
    m_frequency = scrollBar(generator, "SndFreqHsb", 20, 120, 30, QRect(8, 36, 164, 17), tr("set frequency"));
    m_frequencyLabel = label(generator, "sndFreqLabel", tr("frequency = 300 Hz"), QRect(8, 18, 164, 16));
    m_frequencyLabel->setBuddy(m_frequency);

    auto *cro = new QGroupBox(tr(" CRO -channel 2 "), this);
    cro->setObjectName(QStringLiteral("GroupBox1"));
    cro->setGeometry(192, 272, 190, 100);
    m_gainLabel = label(cro, "sndYGainLabel", tr("5 volt/div"), QRect(8, 18, 170, 16));
    m_gain = scrollBar(cro, "sndYGainHsb", 1, 5, 5, QRect(8, 36, 170, 17), tr("set Ygain"));
    m_gainLabel->setBuddy(m_gain);
    m_gain->setPageStep(1);
    QLabel *shift = label(cro, "Label9", tr("Y shift"), QRect(8, 58, 170, 16));
    m_shift = scrollBar(cro, "sndYShiftHsb", -60, 60, 0, QRect(8, 76, 170, 17), tr("set Y shift"));
    shift->setBuddy(m_shift);

    QToolButton *zoom = flatButton(this, "sndZoomBtn", tr("zoom"), QRect(6, 338, 48, 30),
                                   tr("zoom|Magnify the ruler scale."));

    connect(m_pic, &PaintBox::paint, this, [this] {
        SndSpeed::DrawApparatus(m_pic->canvas(), m_frequency->value(), m_mic->value(), m_gain->value(),
                                m_shift->value());
        SndSpeed::DrawLeadsAndGenerator(m_pic->canvas());
    });
    connect(m_zoom, &PaintBox::paint, this, [this] { SndSpeed::DrawZoomView(m_zoom->canvas(), m_mic->value()); });
    for (QAbstractSlider *control : std::initializer_list<QAbstractSlider *>{m_frequency, m_mic, m_gain, m_shift}) {
        connect(control, &QAbstractSlider::valueChanged, this, &SndSpeedPage::UpdateSndSpeedCRO);
    }
    connect(zoom, &QToolButton::pressed, m_zoom, &QWidget::show);
    connect(zoom, &QToolButton::released, m_zoom, &QWidget::hide);

    // The ruler has 1.5 pixels per centimetre.
    const auto micCentimetres = [this] { return SndSpeed::micOffset(m_mic->value()) / 1.5; };
    // How many wavelengths the microphone's trace lags the generator's.
    const auto turns = [this] {
        const int hertz = 10 * m_frequency->value();
        return SndSpeed::phaseLag(hertz / 100.0, SndSpeed::micOffset(m_mic->value())) / (2 * std::numbers::pi);
    };

    // A reading of the frequency, the microphone's place and the phase the
    // screen shows, for finding the wavelength from places in step.
    QToolButton *record = flatButton(
        this, "SndRecordBtn", tr("record"), QRect(60, 338, 60, 30),
        tr("record|Add the frequency, the microphone's position and the phase to the table"));
    addResults("SndResults", {tr("frequency (Hz)"), tr("microphone position (cm)"), tr("phase difference (degrees)")},
               {tr("frequency (Hz)"), tr("microphone (cm)"), tr("phase (degrees)")}, QRect(6, 378, 376, 110));
    connect(record, &QToolButton::clicked, this, [this, micCentimetres, turns] {
        results()->addRow({10 * m_frequency->value(), std::round(micCentimetres() * 10) / 10,
                           std::round(std::fmod(turns(), 1.0) * 360)});
    });
    ScreenReader::describe(m_pic, tr("loudspeaker, microphone and oscilloscope"), [this, micCentimetres, turns] {
        const int hertz = 10 * m_frequency->value();
        return tr("The generator gives %1 Hz. The microphone is %2 cm from the loudspeaker, so its trace lags the "
                  "generator's by %3 wavelengths (%4 degrees past whole cycles). Channel 2 at %5 volt/div, shifted "
                  "%6.")
            .arg(hertz)
            .arg(Gdi::formatF(micCentimetres(), 1))
            .arg(Gdi::formatF(turns()))
            .arg(Gdi::formatF(std::fmod(turns(), 1.0) * 360, 0))
            .arg(m_gain->value())
            .arg(m_shift->value());
    });
    ScreenReader::describe(m_zoom, tr("magnified ruler scale"), [micCentimetres] {
        return tr("The microphone is at %1 cm.").arg(Gdi::formatF(micCentimetres(), 1));
    });
}

void SndSpeedPage::UpdateSndSpeedCRO()
{
    SndSpeed::DrawApparatus(m_pic->canvas(), m_frequency->value(), m_mic->value(), m_gain->value(), m_shift->value());
    m_frequencyLabel->setText(tr("frequency = %1 Hz").arg(10 * m_frequency->value()));
    m_gainLabel->setText(tr("%1 volt/div").arg(m_gain->value()));
}
