#include "app/TopicRegistry.h"

#include "optics/DifPage.h"
#include "optics/GratingPage.h"
#include "optics/HydrogenPage.h"
#include "optics/RipplePage.h"
#include "optics/YDSPage.h"
#include "oscillations/EMWavePage.h"
#include "oscillations/GammaPage.h"
#include "oscillations/PolarPage.h"
#include "oscillations/ResonancePage.h"
#include "oscillations/SHMPage.h"
#include "waves/AuxCirclePage.h"
#include "waves/SndSpeedPage.h"
#include "waves/SoundPage.h"
#include "waves/StatWavePage.h"
#include "waves/SumWavePage.h"
#include "waves/TransWavePage.h"

#include <QCoreApplication>
#include <QScrollBar>

namespace Topics {

namespace {

template<typename Page>
TopicPage *build(Session &session, SharedState &, QWidget *parent)
{
    return new Page(session, parent);
}

template<typename Page>
TopicPage *build3D(Session &session, SharedState &shared, QWidget *parent)
{
    return new Page(session, shared.view3D, parent);
}

constexpr std::array<TopicInfo, Count> Table{{
    {1, "Youngsdoubleslits1", QT_TRANSLATE_NOOP("Topics", "Young's double slits"), "YDStab",
     QT_TRANSLATE_NOOP("Topics", "Waves [Young's double slit experiment]"), "YDS.HTM", 430, 1130,
     QT_TRANSLATE_NOOP(
         "Topics",
         "Change the slit separation or the colour and watch the fringes; drag across the fringes to measure them"),
     build<YDSPage>},
    {2, "Multipleslitdiffraction1", QT_TRANSLATE_NOOP("Topics", "Multiple slit diffraction"), "DifTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [multiple slit interference]"), "MULTISLIT.HTM", 440, 1060,
     QT_TRANSLATE_NOOP("Topics", "Move the number of slits and watch the principal maxima grow sharper"),
     build<DifPage>},
    {3, "Spectrometer1", QT_TRANSLATE_NOOP("Topics", "Diffraction grating (spectrometer)"), "GratingTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [diffraction grating]"), "GRATING.HTM", 440, 1030,
     QT_TRANSLATE_NOOP("Topics", "Move the telescope to find each colour of the spectrum in every order"),
     build<GratingPage>},
    {4, "Transverseandlongitudinalwaves1", QT_TRANSLATE_NOOP("Topics", "Transverse and longitudinal waves"),
     "TnvsLongTab", QT_TRANSLATE_NOOP("Topics", "Waves [longitudinal and transverse waves]"), "TLWAVE.HTM", 380, 1080,
     QT_TRANSLATE_NOOP("Topics", "Press start, then compare the transverse and the longitudinal wave"),
     build<TransWavePage>},
    {5, "Soundwaves1", QT_TRANSLATE_NOOP("Topics", "Sound waves"), "SoundTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [sound waves]"), "SOUND.HTM", 420, 1090,
     QT_TRANSLATE_NOOP("Topics", "Hold a key to hear its note; move the amplitudes to change its tone"),
     build<SoundPage>},
    {6, "Standingwaves1", QT_TRANSLATE_NOOP("Topics", "Standing waves"), "StatWaveTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [stationary waves]"), "STATWAVE.HTM", 490, 1110,
     QT_TRANSLATE_NOOP("Topics", "Press start and watch the nodes; then choose another harmonic"), build<StatWavePage>},
    {7, "Speedofsound1", QT_TRANSLATE_NOOP("Topics", "Speed of sound measurement"), "SndSpeedTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [speed of sound in air]"), "SNDSPEED.HTM", 400, 1100,
     QT_TRANSLATE_NOOP("Topics",
                       "Move the microphone until the two traces are back in step: it has moved one wavelength"),
     build<SndSpeedPage>},
    {8, "Superpositionofwaves1", QT_TRANSLATE_NOOP("Topics", "Superposition of waves"), "SumWaveTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [superposition of waves]"), "SUPERWAVE.HTM", 470, 1120,
     QT_TRANSLATE_NOOP("Topics", "Set a wave and press add; add another to see the two summed"), build<SumWavePage>},
    {9, "DampedSHM1", QT_TRANSLATE_NOOP("Topics", "Damped SHM"), "SHMtab",
     QT_TRANSLATE_NOOP("Topics", "Waves [damped SHM]"), "DAMPSHM.HTM", 450, 1020,
     QT_TRANSLATE_NOOP("Topics", "Drag the mass to a starting point and press go"), build<SHMPage>},
    {10, "Absorptionofgammarays1", QT_TRANSLATE_NOOP("Topics", "Absorption of gamma rays"), "GammaTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [Absorption of gamma rays]"), "GAMMA.HTM", 450, 1010,
     QT_TRANSLATE_NOOP("Topics", "Set the detector and the absorber, then press count"), build<GammaPage>},
    {11, "Auxilliarycircle1", QT_TRANSLATE_NOOP("Topics", "Wave mathematics"), "AuxCircleTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [Wave mathematics]"), "AUXCIRCLE.HTM", 420, 1140,
     QT_TRANSLATE_NOOP("Topics", "Press start and follow the point round the circle and along the wave"),
     build<AuxCirclePage>},
    {12, "Rippletankmodel1", QT_TRANSLATE_NOOP("Topics", "Ripple tank models"), "RippleTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [Interference and diffraction in ripple tanks]"), "RIPPLE.HTM", 410, 1070,
     QT_TRANSLATE_NOOP("Topics", "Choose a single or a double slit and press start"), build<RipplePage>},
    {13, "Hydrogenemissionspectrum1", QT_TRANSLATE_NOOP("Topics", "Hydrogen emission spectrum"), "SpectraTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [Hydrogen emission spectrum]"), "HSPECTRUM.HTM", 450, 1050,
     QT_TRANSLATE_NOOP("Topics", "Click an arrow in the energy-level diagram to show its line in the spectrum"),
     build<HydrogenPage>},
    {14, "Forcedoscilations1", QT_TRANSLATE_NOOP("Topics", "Forced oscillations"), "ResonanceTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [Forced oscillations and resonance]"), "RESONANCE.HTM", 450, 1040,
     QT_TRANSLATE_NOOP("Topics", "Press start and move the driving frequency to find the resonance"),
     build<ResonancePage>},
    {15, "EMWaves1", QT_TRANSLATE_NOOP("Topics", "Electromagnetic waves"), "EMWaveTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [Electromagnetic waves]"), "EM_WAVES.HTM", 410, 1160,
     QT_TRANSLATE_NOOP("Topics", "Drag the picture to turn the wave; scroll the bar below to move it along"),
     build3D<EMWavePage>},
    {16, "Polarization1", QT_TRANSLATE_NOOP("Topics", "Polarization"), "PolarTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [Polarization]"), "POLARIZATION.HTM", 410, 1170,
     QT_TRANSLATE_NOOP("Topics", "Turn the polaroid and watch how much of the light passes"), build3D<PolarPage>},
}};

} // namespace

const std::array<TopicInfo, Count> &table()
{
    return Table;
}

bool isTopic(int topic)
{
    return topic >= 1 && topic <= Count;
}

const TopicInfo &info(int topic)
{
    Q_ASSERT(isTopic(topic));
    return Table[std::size_t(topic - 1)];
}

QString menuCaption(int topic)
{
    return isTopic(topic) ? QCoreApplication::translate("Topics", info(topic).menuCaption) : QString();
}

QString caption(int topic)
{
    if (topic == 0) {
        return QCoreApplication::translate("Topics", "Waves");
    }
    return isTopic(topic) ? QCoreApplication::translate("Topics", info(topic).caption) : QString();
}

QString firstHint(int topic)
{
    return isTopic(topic) ? QCoreApplication::translate("Topics", info(topic).firstHint) : QString();
}

QString topicPage(int topic)
{
    return isTopic(topic) ? QString::fromLatin1(info(topic).textPage) : QString();
}

int pageTopic(const QString &url, int currentTopic)
{
    const qsizetype cut = std::max(
        {url.lastIndexOf(QLatin1Char('\\')), url.lastIndexOf(QLatin1Char('/')), url.lastIndexOf(QLatin1Char(':'))});
    QString name = url.mid(cut + 1).toUpper();
    const qsizetype hash = name.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        name.truncate(hash);
    }
    for (const TopicInfo &t : Table) {
        if (name == QLatin1String(t.textPage)) {
            return t.topic;
        }
    }
    return currentTopic;
}

std::array<int, Count> initTopicWidths()
{
    std::array<int, Count> widths{};
    for (const TopicInfo &t : Table) {
        widths[std::size_t(t.topic - 1)] = t.width;
    }
    return widths;
}

int helpContext(int topic)
{
    return isTopic(topic) ? info(topic).helpContext : 0;
}

TopicPage *createPage(int topic, Session &session, SharedState &shared, QWidget *parent)
{
    TopicPage *page = info(topic).create(session, shared, parent);
    page->setObjectName(QString::fromLatin1(info(topic).page));
    // The pages' scroll bars are controls in their own right, as on the
    // original desktop: each takes the focus from Tab and a click, and then
    // answers the arrow and page keys.
    for (QScrollBar *bar : page->findChildren<QScrollBar *>()) {
        bar->setFocusPolicy(Qt::StrongFocus);
    }
    return page;
}

} // namespace Topics
