#pragma once

#include "gdi/Canvas.h"

#include <QPointF>

#include <vector>

// Damped simple harmonic motion: a mass on a spring released from rest.
namespace SHM {

constexpr int Samples = 501;

// Displacement against time over 0..timeScale seconds, 501 samples, from the
// closed-form solution with w0 = sqrt(k/m) and decay rate gamma = b/m:
//   no damping:    x = x0 cos(w0 t)
//   under-damped:  x = x0 e^(-gamma t) sin(w t + phi) / sin(phi),
//                  w = sqrt(w0^2 - gamma^2), phi = atan(w / gamma)
//   critical:      x = x0 (1 + gamma t) e^(-gamma t)
//   over-damped:   x = C (e^(-r1 t) - (r1/r2) e^(-r2 t)), r1,2 = gamma +- sqrt(gamma^2 - w0^2),
//                  C = x0 / (1 - r1/r2)
// Every case starts at x0 with zero velocity. `undamped` is true when the
// damping slider stands exactly at 0. k in N/m, m in kg, gamma in 1/s.
std::vector<QPointF> ComputeSHMGraph(double k, double m, double gamma, double x0, int timeScale, bool undamped);

// The picture's vertical layout for a paint box H pixels high: the spring hangs
// between Top and Bottom, and displacement +10 puts the mass at Top, -10 at
// Bottom.
struct Geometry
{
    int top;
    int bottom;
    int span;
    int mid;
};
Geometry geometry(int height);

// Centre line of the mass for displacement x.
int massCentre(int height, double x);
// Distance between the spring's turns: (10 - x) / 4 rounded, at least 1 pixel.
int coilPitch(double x);
// The inverse of massCentre, for dragging; width is not used.
double MouseYToDisplacement(int width, int height, int y);

// Draws the spring and the mass at displacement x and returns the mass's rectangle.
Gdi::Rect DrawMassSpring(Gdi::Canvas &target, int width, int height, double x);

} // namespace SHM
