#pragma once

#include "gdi/Canvas.h"

#include <QColor>

// The diffraction grating spectrometer, and the colours of spectral lines.
namespace Grating {

// A wavelength in nm (rounded half to even) to its display colour: violet
// 400-449, blue 450-529, green 530-572, yellow 573-615, red 616-700, white
// outside the visible range.
QColor wavelengthColour(double wavelength);

// The highest order of a grating with L lines per mm at lambda nm: the integer
// part of 1 / (lambda L 10^-6), in extended precision, so that an order
// exactly at 90 degrees may be lost to rounding as on the original machines.
int highestOrder(int wavelength, int linesPerMm);
// sin(theta_m) = m lambda L 10^-6 for order m, as a single-precision number.
float orderSine(int order, int wavelength, int linesPerMm);
// The angle of order m in degrees (90 where the sine reaches 1).
double orderAngle(int order, int wavelength, int linesPerMm);

// Table centre Q and radius R of the plan view for a screen mode.
struct Table
{
    int centre;
    int radius;
};
Table table(int screenMode);

// The plan view (2Q by 2Q) with the telescope turned by `telescope` tenths of a
// degree (the page passes -T); copied to (x, y).
void DrawSpectrometer(Gdi::Canvas &target, int x, int y, int telescope, int linesPerMm, int wavelength, int screenMode);
// The view through the telescope (300 by 80) for view parameter V (= -T).
void DrawTelescopeView(Gdi::Canvas &target, int wavelength, int linesPerMm, int view);

} // namespace Grating
