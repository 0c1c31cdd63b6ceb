#pragma once

#include "gdi/Canvas.h"

#include <QString>

#include <array>
#include <vector>

// Superposition of sine waves y = A sin(F x - phi), x in degrees.
namespace SuperWave {

// One listed wave.
struct TSineInfo
{
    double Amplitude = 0; // may be negative (triangular series terms)
    int Phase = 0; // degrees
    double Frequency = 1; // cycles per 360 degrees
};

// "y = 5.0sin(2.00x + 30)", "y = sin(x -45)", "y = 10.0sin(x)", "y = 0".
QString SineFormula(const TSineInfo &wave);

// 181 points of the curve from `left`: one pixel is 2 degrees; phase in radians.
std::array<QPoint, 181> SineCurvePoints(int left, int midline, double phase, double frequency, double amplitude);

// The 210 x 160 picture of one wave on its grid (one amplitude unit is 7 pixels).
void DrawSingleWave(Gdi::Canvas &target, double phaseRadians, double frequency, double amplitudePixels);

// The sum of the listed waves at x = 0, 2, 4, ... 2 * lastIndex degrees.
class SumSeries
{
public:
    explicit SumSeries(int lastIndex = 180) { reset(lastIndex); }

    void reset(int lastIndex);
    void zero();
    void add(const TSineInfo &wave) { apply(wave, +1); }
    void subtract(const TSineInfo &wave) { apply(wave, -1); }

    int lastIndex() const { return m_lastIndex; }
    const std::vector<double> &values() const { return m_values; }
    double maximum() const;
    // The left axis scales itself once the sum reaches 1; below that it stays at -1..1.
    bool automaticAxis() const { return maximum() >= 1.0; }

private:
    void apply(const TSineInfo &wave, int sign);

    int m_lastIndex = 180;
    std::vector<double> m_values;
};

// The first terms of the Fourier series of a square wave (10 terms, 10/n sin(n x)
// for odd n) and of a triangular wave (5 terms, +-10/n^2 sin(n x)).
std::vector<TSineInfo> squareSeries();
std::vector<TSineInfo> triangleSeries();

} // namespace SuperWave
