#pragma once

#include "gdi/Canvas.h"

#include <QPointF>

#include <vector>

// Forced oscillations: a mass between two springs driven at angular frequency
// w, natural angular frequency w0 = 10 pi rad/s (5 Hz).
namespace Resonance {

constexpr double NaturalAngularFrequency = 31.41592653589793;

// Steady-state amplitude 1500 / sqrt((w0^2 - w^2)^2 + 4 (b w)^2), with
// b = damping slider / 10 per second; 0 if the sum cannot be done.
double ResonanceAmplitude(double w, int dampingPosition);

// The response curve: 101 points from 0 to 10 Hz.
std::vector<QPointF> responseCurve(int dampingPosition);

// Row of the mass's centre line at rest (x = 0) in a picture `height` high.
int restCentre(int height);

// Draws the mass at displacement x (+10 at the top of the span, -10 at the
// bottom) between a stretching upper spring and a compressing lower one.
void DrawResonator(Gdi::Canvas &target, int width, int height, double x);

} // namespace Resonance
