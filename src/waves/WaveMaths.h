#pragma once

#include "gdi/Canvas.h"

#include <QString>

// The auxiliary circle: a point going round a circle of radius 90 and its
// height carried across to a sine curve (2 degrees per pixel).
namespace WaveMaths {

// "angle = 90º   :   1.57 rad" and "phase = -90º   :   -1.57 rad".
QString angleText(int theta);
QString phaseText(int psi);

void DrawAuxCircle(Gdi::Canvas &target, int theta, int psi);

} // namespace WaveMaths
