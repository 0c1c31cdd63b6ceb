#pragma once

#include "gdi/Canvas.h"

#include <QString>

// Standing waves: two equal waves travelling in opposite directions and their
// sum, sampled at 181 points 2 pixels apart; the space angle at point i is
// n i degrees, so the pictures hold n half-wavelengths.
namespace StatWave {

// The labels of harmonic n (1..7): "frequency = 3f", "wavelength = 2L/3".
QString frequencyText(int n);
QString wavelengthText(int n);

// y of the two travelling waves at point i: 40 - 36 sin(n i +- phi).
int travellingY(int n, int phase, int i, int direction);
// y of the standing wave: 80 - cos(phi) 76 sin(n i).
int standingY(int n, int phase, int i);

void DrawTravellingWaves(Gdi::Canvas &target, int n, int phase);
void DrawStandingWave(Gdi::Canvas &target, int n, int phase);

} // namespace StatWave
