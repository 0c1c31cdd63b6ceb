#pragma once

#include <QPointF>

#include <vector>

// Diffraction by N equal slits of width a, d apart (both in wavelengths).
namespace NSlitDif {

constexpr int Samples = 1801;

// The angle of the m-th principal maximum, arcsin(m / d) in degrees; 90 when
// m / d reaches 1.
double orderAngle(int m, int d);

// The N-slit pattern a (sin alpha / alpha)^2 (sin N beta / sin beta)^2 with
// alpha = pi a sin(theta), beta = pi d sin(theta); a N^2 at the centre.
double intensity(int a, int d, int n, double theta);

// The single-slit envelope scaled to the principal maxima: a N^2 (sin alpha / alpha)^2.
double envelope(int a, int d, int n, double theta);

// The sweep from -90 to +90 degrees in 0.1 degree steps (1801 samples). A
// sample within 0.1 degree of the next principal maximum takes the envelope's
// value, the exact peak height, which the sampling may otherwise miss.
std::vector<QPointF> pattern(int n, int d, int a);
// The envelope at every whole degree from -90 to +89.
std::vector<QPointF> envelopeSeries(int n, int d, int a);

// The brightness of each column of a strip W pixels wide, read from the
// pattern (red 0..255, boosted by N so that weak maxima show).
std::vector<std::pair<int, int>> stripColumns(const std::vector<QPointF> &pattern, int width, int n);

} // namespace NSlitDif
