#pragma once

#include "gdi/ProgramRandom.h"

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
// mode, the paths, the animation run flag and the program's random generator.
class Session
{
public:
    // 1 on a small screen (at most 640 pixels wide), else 2.
    int screenMode = 2;
    // Folder of the running program, with a trailing '/'.
    QString programDir;
    // The text pages' folder, programDir + "HTML/"; their pictures are in "images/".
    QString htmlDir;
    // The help collection beside the program.
    QString helpFile;
    // The topic shown, 0 for the start page.
    int currentTopic = 0;
    // Speed settings, indexed by AnimSpeed; damped SHM starts at 50, the rest at 0.
    std::array<int, std::size_t(AnimSpeed::Count)> speeds{0, 0, 50, 0, 0, 0, 0, 0, 0};
    // Graph > "Show crosshair".
    bool showCrosshair = false;
    ProgramRandom random;

    int &speed(AnimSpeed which) { return speeds[std::size_t(which)]; }

    // One flag serves every animation loop and the gamma count: a loop starts
    // it, runs while it stays set, and ends at its next test once anything
    // (a stop button, a topic change, the index button, closing) stops it.
    void startAnimation() { m_stopFlag = 0; }
    void stopAnimations() { m_stopFlag = -1; }
    bool isAnimating() const { return m_stopFlag == 0; }

private:
    // 0 while a loop runs; -1 asks every loop to end.
    int m_stopFlag = -1;
};
