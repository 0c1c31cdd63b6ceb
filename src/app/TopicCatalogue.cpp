#include "app/TopicCatalogue.h"

#include <QCoreApplication>

namespace Topics {

namespace {

constexpr std::array<TopicInfo, Count> Table{{
    {1, "Youngsdoubleslits1", QT_TRANSLATE_NOOP("Topics", "Young's double slits"), "YDStab",
     QT_TRANSLATE_NOOP("Topics", "Waves [Young's double slit experiment]"), "YDS.HTM", 430},
    {2, "Multipleslitdiffraction1", QT_TRANSLATE_NOOP("Topics", "Multiple slit diffraction"), "DifTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [multiple slit interference]"), "MULTISLIT.HTM", 440},
    {3, "Spectrometer1", QT_TRANSLATE_NOOP("Topics", "Diffraction grating (spectrometer)"), "GratingTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [diffraction grating]"), "GRATING.HTM", 440},
    {4, "Transverseandlongitudinalwaves1", QT_TRANSLATE_NOOP("Topics", "Transverse and longitudinal waves"),
     "TnvsLongTab", QT_TRANSLATE_NOOP("Topics", "Waves [longitudinal and transverse waves]"), "TLWAVE.HTM", 380},
    {5, "Soundwaves1", QT_TRANSLATE_NOOP("Topics", "Sound waves"), "SoundTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [sound waves]"), "SOUND.HTM", 420},
    {6, "Standingwaves1", QT_TRANSLATE_NOOP("Topics", "Standing waves"), "StatWaveTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [stationary waves]"), "STATWAVE.HTM", 490},
    {7, "Speedofsound1", QT_TRANSLATE_NOOP("Topics", "Speed of sound measurement"), "SndSpeedTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [speed of sound in air]"), "SNDSPEED.HTM", 400},
    {8, "Superpositionofwaves1", QT_TRANSLATE_NOOP("Topics", "Superposition of waves"), "SumWaveTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [superposition of waves]"), "SUPERWAVE.HTM", 470},
    {9, "DampedSHM1", QT_TRANSLATE_NOOP("Topics", "Damped SHM"), "SHMtab",
     QT_TRANSLATE_NOOP("Topics", "Waves [damped SHM]"), "DAMPSHM.HTM", 450},
    {10, "Absorptionofgammarays1", QT_TRANSLATE_NOOP("Topics", "Absorption of gamma rays"), "GammaTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [Absorption of gamma rays]"), "GAMMA.HTM", 450},
    {11, "Auxilliarycircle1", QT_TRANSLATE_NOOP("Topics", "Wave mathematics"), "AuxCircleTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [Wave mathematics]"), "AUXCIRCLE.HTM", 420},
    {12, "Rippletankmodel1", QT_TRANSLATE_NOOP("Topics", "Ripple tank models"), "RippleTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [Interference and diffraction in ripple tanks]"), "RIPPLE.HTM", 410},
    {13, "Hydrogenemissionspectrum1", QT_TRANSLATE_NOOP("Topics", "Hydrogen emission spectrum"), "SpectraTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [Hydrogen emission spectrum]"), "HSPECTRUM.HTM", 450},
    {14, "Forcedoscilations1", QT_TRANSLATE_NOOP("Topics", "Forced oscillations"), "ResonanceTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [Forced oscillations and resonance]"), "RESONANCE.HTM", 450},
    {15, "EMWaves1", QT_TRANSLATE_NOOP("Topics", "Electromagnetic waves"), "EMWaveTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [Electromagnetic waves]"), "EM_WAVES.HTM", 410},
    {16, "Polarization1", QT_TRANSLATE_NOOP("Topics", "Polarization"), "PolarTab",
     QT_TRANSLATE_NOOP("Topics", "Waves [Polarization]"), "POLARIZATION.HTM", 410},
}};

// F1 help context numbers, entry t-1 for topic t.
constexpr std::array<int, Count> HelpContexts{1130, 1060, 1030, 1080, 1090, 1110, 1100, 1120,
                                              1020, 1010, 1140, 1070, 1050, 1040, 1160, 1170};

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
    return isTopic(topic) ? HelpContexts[std::size_t(topic - 1)] : 0;
}

bool animationMenuVisible(int topic, bool nonPolarPanelVisible)
{
    switch (topic) {
    case 4:
    case 6:
    case 9:
    case 11:
    case 12:
    case 13:
    case 14:
        return true;
    case 16:
        return nonPolarPanelVisible;
    default:
        return false;
    }
}

} // namespace Topics
