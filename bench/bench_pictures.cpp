#include "BenchSupport.h"
#include "gdi/Canvas.h"
#include "optics/Grating.h"
#include "optics/HydrogenLines.h"
#include "optics/Ripple.h"
#include "optics/YDSlit.h"
#include "oscillations/Gamma.h"
#include "oscillations/Resonance.h"
#include "oscillations/SHM.h"
#include "oscillations/Wave3D.h"
#include "shell/Session.h"
#include "waves/SndSpeed.h"
#include "waves/Sound.h"
#include "waves/StatWave.h"
#include "waves/SuperWave.h"
#include "waves/TransWave.h"
#include "waves/WaveMaths.h"

#include <QImage>

#include <functional>

// Each picture drawn off screen and copied to a paint-box-sized surface, at the
// topic's default settings and at its heaviest. Target: under 5% of a frame.
namespace {

void picture(benchmark::State &state, QSize surface, const std::function<void(Gdi::Canvas &)> &draw)
{
    QImage target(surface, QImage::Format_RGB32);
    target.fill(Qt::white);
    Gdi::Canvas canvas(&target);
    const FrameBudget budget;
    for (auto _ : state) {
        draw(canvas);
        canvas.end();
        benchmark::DoNotOptimize(target.constBits());
    }
    budget.report(state);
}

const QSize Fringe(410, 55);

} // namespace

// PICTURE(name, surface size, { drawing on canvas c })
#define PICTURE(name, size, ...)                                                                                       \
    static void BM_Picture_##name(benchmark::State &state)                                                             \
    {                                                                                                                  \
        picture(state, size, [&](Gdi::Canvas & c) __VA_ARGS__);                                                        \
    }                                                                                                                  \
    BENCHMARK(BM_Picture_##name)->Unit(benchmark::kMicrosecond);

PICTURE(YoungFringes_default, Fringe, {
    YDSlit::DrawFringes(c, Qt::red, 0, 50);
    YDSlit::DrawFringeScale(c);
})
PICTURE(YoungFringes_heaviest, Fringe, {
    YDSlit::DrawFringes(c, QColor(255, 0, 255), 2500, 100);
    YDSlit::DrawFringeScale(c);
})
PICTURE(YoungApparatus, QSize(370, 133), {
    YDSlit::DrawMetreRule(c, 0, 0);
    YDSlit::DrawApparatus(c, 0, 33, Qt::red, 0);
})
PICTURE(Grating_default, QSize(300, 384), {
    Grating::DrawSpectrometer(c, 0, 84, 0, 300, 400, 2);
    Grating::DrawTelescopeView(c, 400, 300, 0);
})
PICTURE(Grating_heaviest, QSize(300, 384), {
    Grating::DrawSpectrometer(c, 0, 84, -450, 100, 400, 2);
    Grating::DrawTelescopeView(c, 400, 100, 450);
})
PICTURE(Ripple_default, QSize(300, 240), { Ripple::DrawSingleSlitFrame(c, 0, 20, 100); })
PICTURE(Ripple_heaviest, QSize(300, 240), { Ripple::DrawDoubleSlitFrame(c, 13, 50, true, 100); })
PICTURE(Hydrogen, QSize(350, 460), {
    static const auto table = EmSpectra::transitionTable(2);
    EmSpectra::DrawSpectrum(c);
    EmSpectra::DrawDiagram(c, 2, table, QPoint(60, 200));
})
PICTURE(Waves_transverse, QSize(360, 160), { TransWave::DrawTransverseWave(c, 360, 160, true, 77, 60); })
PICTURE(Waves_longitudinal, QSize(360, 160), { TransWave::DrawLongitudinalWave(c, 360, 160, true, 77, 20); })
PICTURE(Sound_default, QSize(380, 210), {
    Sound::DrawKeyboard(c, 192, 90);
    Sound::DrawSoundWave(c, 262, {16, 0, 0, 0, 0});
})
PICTURE(Sound_heaviest, QSize(380, 210), { Sound::DrawSoundWave(c, 523, {32, 32, 32, 32, 32}); })
PICTURE(StandingWaves_heaviest, QSize(361, 160), {
    StatWave::DrawTravellingWaves(c, 7, 37);
    StatWave::DrawStandingWave(c, 7, 37);
})
PICTURE(SpeedOfSound, QSize(361, 225), {
    SndSpeed::DrawApparatus(c, 30, 750, 5, 0);
    SndSpeed::DrawLeadsAndGenerator(c);
})
PICTURE(SuperpositionWave, QSize(210, 160), { SuperWave::DrawSingleWave(c, 0.5, 20, 70); })
PICTURE(WaveMathematics, QSize(400, 200), { WaveMaths::DrawAuxCircle(c, 123, -45); })
PICTURE(DampedSpring, QSize(30, 430), { SHM::DrawMassSpring(c, 30, 430, -10); })
PICTURE(Gamma, QSize(341, 120), {
    Gamma::DrawGammaPicture(c, 500, 100, 5, false, 12345);
    Gamma::DrawDetectorZoom(c, 500, 100, 5);
})
PICTURE(Resonator, QSize(48, 430), { Resonance::DrawResonator(c, 50, 430, -7); })
PICTURE(EMWave, QSize(400, 400), {
    static const Wave3D::ViewState view;
    Wave3D::DrawEMWave(c, view, 200);
})
PICTURE(Polarizer, QSize(412, 382), {
    static const Wave3D::ViewState view{400, 400, 1000, 0.5};
    Wave3D::DrawPolarizer(c, view, 30);
})
PICTURE(UnpolarizedLight, QSize(412, 382), {
    static const Wave3D::ViewState view{400, 400, 1000, 0.5};
    Wave3D::DrawUnpolarized(c, view, QPoint(309, 191), 45);
})
