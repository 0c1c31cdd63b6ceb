#pragma once

#include "gdi/Canvas.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <optional>

// Absorption of gamma rays: a source, an absorber plate and a Geiger-Muller
// tube on a bench, with a five-digit counter. On the bench 1 pixel is 10 mm;
// in the magnified views 4 pixels are 1 mm.
namespace Gamma {

// Counts per second with the detector S mm from the source behind an absorber
// T mm thick: 10 000 000 e^(-0.346 T) / S^2 to the nearest integer, at most
// 1000 (also when the sum cannot be done). 0.346 per mm is the absorption
// coefficient; without absorber the detector at 500 mm counts 40 per second.
int CountRate(int s, int t);

// Exponential absorption, rate = r0 e^(-mu t) with t in mm, fitted to
// (thickness, rate) points by least squares on ln(rate). The half-value
// thickness halves the rate.
struct AbsorptionFit
{
    double r0 = 0;
    double mu = 0; // per mm
    double rate(double t) const;
    double halfValueThickness() const;
};
// Needs two different thicknesses with positive rates (others are left out)
// and a rate that falls with thickness.
std::optional<AbsorptionFit> fitAbsorption(const QList<QPointF> &thicknessRate);

// The inverse-square law, rate = k / d^2 with d in mm, fitted to (distance,
// rate) points by least squares on ln(rate): ln k is the mean of ln(rate d^2).
// Needs one point with a positive distance and rate (others are left out).
std::optional<double> fitInverseSquare(const QList<QPointF> &distanceRate);

// The counter's text: at least five digits, leading zeros below 10 000.
QString counterText(int value);

void DrawCounter(Gdi::Canvas &target, int value, int x, int y);
void DrawGammaScale(Gdi::Canvas &target, int x, int y);
void DrawGammaBench(Gdi::Canvas &target, int x, int y, int detectorPixel, int absorberPixel, int thickness,
                    bool background);
// The whole bench picture: cable, scale, bench and counter.
void DrawGammaPicture(Gdi::Canvas &target, int s, int a, int t, bool background, int count);
// The magnified scale centred on the detector (S) or on the absorber (A).
void DrawDetectorZoom(Gdi::Canvas &target, int s, int a, int t);
void DrawAbsorberZoom(Gdi::Canvas &target, int s, int a, int t);

} // namespace Gamma
