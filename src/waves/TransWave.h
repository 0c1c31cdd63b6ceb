#pragma once

#include "gdi/Canvas.h"

#include <array>

// Transverse and longitudinal waves on a row of 180 sample positions 2 pixels
// apart; the phase at position i is (4i + p) degrees, so one wavelength is 90
// positions (180 pixels) and the picture holds two.
namespace TransWave {

// (2i, y + A sin((4i + p) degrees)): positive sines fall below the midline.
std::array<QPoint, 180> TransversePoints(int midline, double amplitude, int phase);
// (2i + A sin((4i + p) degrees), 0): each rest position displaced along the row.
std::array<QPoint, 180> LongitudinalPoints(double amplitude, int phase);

void DrawTransverseWave(Gdi::Canvas &target, int width, int height, bool highlight, int phase, int amplitude);
void DrawLongitudinalWave(Gdi::Canvas &target, int width, int height, bool highlight, int phase, int amplitude);

} // namespace TransWave
