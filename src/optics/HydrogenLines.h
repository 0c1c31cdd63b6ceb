#pragma once

#include "gdi/Canvas.h"

#include <QPoint>

#include <array>
#include <optional>

// The hydrogen emission spectrum: an energy-level diagram with the twelve
// transitions of the Lyman, Balmer and Paschen series, and their lines on a
// wavelength strip at 0.16 pixel per nm.
namespace EmSpectra {

constexpr int Transitions = 12;

// lambda = hc / (13.6 eV (1/nl^2 - 1/nu^2)) in nm, with hc = 1987.8e-28 J m and
// 13.6 eV = 21.7872e-19 J; single precision, as the strip's positions need.
float photonWavelength(int nu, int nl);

// The diagram's scale for a screen mode: its height H, E0 = H - 30 pixels for
// 13.6 eV, and the y of level n.
struct Scale
{
    int height;
    int e0;
    int levelY(int n) const;
    // Pixels per 2 eV on the energy axis.
    int axisStep() const;
};
Scale scale(int screenMode);

struct Transition
{
    int upper;
    int lower;
    Gdi::Rect arrow;
};
// The twelve transitions i = (nl - 1) * 4 + k, nu = nl + k, in table order.
std::array<Transition, Transitions> transitionTable(int screenMode);

// The transition (1..12) whose arrow contains the point, else 0.
int hitTest(const std::array<Transition, Transitions> &table, QPoint point);

// Column of a transition's line in the strip: 0.16 lambda rounded, plus 10.
int lineX(int transition);
std::array<QPoint, 3> markerPoints(int transition);

void DrawDiagram(Gdi::Canvas &target, int screenMode, const std::array<Transition, Transitions> &table,
                 std::optional<QPoint> electron = std::nullopt);
void DrawSpectrum(Gdi::Canvas &target);
// The XOR marker over a line of the strip; drawing it twice removes it.
void ToggleMarker(Gdi::Canvas &strip, int transition);

} // namespace EmSpectra
