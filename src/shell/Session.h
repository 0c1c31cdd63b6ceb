#pragma once

#include "gdi/ProgramRandom.h"
#include "oscillations/Wave3D.h"

#include <QString>

#include <array>

// The animation speed settings, one per animated topic (two for the ripple
// tank). 0 is the fastest, 100 the slowest.
enum class AnimSpeed {
    Wave,
    StandingWave,
    SHM,
    AuxCircle,
    RippleSingle,
    RippleDouble,
    Spectrum,
    Resonance,
    Polarization,
    Count
};

// The values the shell owns for the whole run and every page reads: the screen
// mode, the paths, the animation stop flag and the program's random generator.
struct Session
{
    // 1 on a small screen (at most 640 pixels wide), else 2.
    int screenMode = 2;
    // Folder of the running program, with a trailing '/'.
    QString programDir;
    // The text pages' folder, programDir + "HTML/"; their pictures are in "images/".
    QString htmlDir;
    // The help collection beside the program.
    QString helpFile;
    // 0 while an animation loop runs; -1 asks every loop to end.
    int animStopFlag = -1;
    // The topic shown, 0 for the start page.
    int currentTopic = 0;
    // Speed settings, indexed by AnimSpeed; damped SHM starts at 50, the rest at 0.
    std::array<int, std::size_t(AnimSpeed::Count)> speeds{0, 0, 50, 0, 0, 0, 0, 0, 0};
    // Graph > "Show crosshair".
    bool showCrosshair = false;

    // The three-dimensional views of the electromagnetic-wave and polarization topics.
    Wave3D::ViewState view3D;

    int &speed(AnimSpeed which) { return speeds[std::size_t(which)]; }
    ProgramRandom random;
};
