#pragma once

#include "gdi/Canvas.h"

#include <QColor>

#include <array>

// Young's double slits. The fringe view has 10 pixels per millimetre; the metre
// rule 100 pixels per metre; the zoom view 4 pixels per millimetre.
namespace YDSlit {

// The six light colours of the colour menu (Tag 1..6) and their wavelengths.
struct LightColour
{
    int tag;
    const char *caption;
    QColor colour;
    int wavelength; // nm
};
const std::array<LightColour, 6> &lightColours();

// The light colour for a menu Tag; any other Tag leaves `current` unchanged.
QColor colourForTag(int tag, const QColor &current);
// The wavelength of a light colour; 450 nm for a colour not in the table.
int wavelengthOf(const QColor &colour);

// Fringe spacing in pixels: w = lambda D / d in tenths of a millimetre, with
// D = 3000 - P mm and d = S / 100 mm; the integer lambda * 10 * D divided in
// floating point by S * 10000 and rounded half to even.
int fringeSpacing(int wavelength, int screenPosition, int separation);
// Fringes drawn on each side of the central one: 200 div w.
int fringesPerSide(int spacing);
// Brightness lost per column away from a fringe's centre: 255 div (w div 2).
int fadeStep(int spacing);

void DrawFringeScale(Gdi::Canvas &target);
void DrawFringes(Gdi::Canvas &target, const QColor &light, int screenPosition, int separation);
void DrawMetreRule(Gdi::Canvas &target, int x, int y);
void DrawApparatus(Gdi::Canvas &target, int x, int y, const QColor &light, int screenPosition);
void DrawZoomView(Gdi::Canvas &target, int screenPosition);

} // namespace YDSlit
