#include "oscillations/Resonance.h"

#include "gdi/GdiMath.h"
#include "oscillations/SHM.h"

#include <cmath>
#include <numbers>

namespace Resonance {

double ResonanceAmplitude(double w, int dampingPosition)
{
    const double b = dampingPosition / 10.0;
    const double w0 = NaturalAngularFrequency;
    const double detune = w0 * w0 - w * w;
    const double amplitude = 1500 / std::sqrt(detune * detune + 4 * (b * w) * (b * w));
    return std::isfinite(amplitude) ? amplitude : 0.0;
}

std::vector<QPointF> responseCurve(int dampingPosition)
{
    std::vector<QPointF> points;
    points.reserve(101);
    for (int i = 0; i <= 100; ++i) {
        const double w = i * 0.1 * 2 * std::numbers::pi;
        points.emplace_back(w / (2 * std::numbers::pi), ResonanceAmplitude(w, dampingPosition));
    }
    return points;
}

int restCentre(int height)
{
    return SHM::massCentre(height, 0);
}

void DrawResonator(Gdi::Canvas &target, int width, int height, double x)
{
    // The same layout as the single spring: +10 at Top, -10 at Bottom.
    const SHM::Geometry g = SHM::geometry(height);
    Gdi::Bitmap bitmap(width, g.bottom + 10);
    Gdi::Canvas &c = bitmap.canvas();
    const int centre = SHM::massCentre(height, x);
    const int upperPitch = std::max(1, Gdi::roundHalfEven((10 - x) / 3));
    const int lowerPitch = std::max(1, Gdi::roundHalfEven((10 + x) / 3));
    c.moveTo(10, 0);
    for (int j = 1; j <= centre / upperPitch; ++j) {
        c.lineTo(j % 2 == 1 ? 20 : 10, j * upperPitch);
    }
    for (int j = 1; j <= (g.bottom - centre) / lowerPitch; ++j) {
        c.lineTo(j % 2 == 1 ? 20 : 10, centre + j * lowerPitch);
    }
    c.brush.color = QColor(255, 0, 0);
    c.rectangle(5, centre - 5, 25, centre + 5);
    c.drawEdgeSunken({0, 0, width, g.bottom + 10});
    target.draw(0, 0, bitmap.image());
}

} // namespace Resonance
