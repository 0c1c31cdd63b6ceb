#include "oscillations/SHM.h"

#include "gdi/GdiMath.h"

#include <cmath>

namespace SHM {

std::vector<QPointF> ComputeSHMGraph(double k, double m, double gamma, double x0, int timeScale, bool undamped)
{
    const double w0 = std::sqrt(k / m);
    const double g = gamma;
    const double dt = timeScale / 500.0;
    std::vector<QPointF> points;
    points.reserve(Samples);
    for (int i = 0; i < Samples; ++i) {
        const double t = i * dt;
        double x;
        if (undamped) {
            x = x0 * std::cos(w0 * t);
        } else if (g < w0) {
            const double w = std::sqrt(w0 * w0 - g * g);
            const double phi = std::atan(w / g);
            x = x0 * std::exp(-g * t) * std::sin(w * t + phi) / std::sin(phi);
        } else if (g == w0) {
            x = x0 * (1 + g * t) * std::exp(-g * t);
        } else {
            const double root = std::sqrt(g * g - w0 * w0);
            const double r1 = g + root;
            const double r2 = g - root;
            const double c = x0 / (1 - r1 / r2);
            x = c * (std::exp(-r1 * t) - (r1 / r2) * std::exp(-r2 * t));
        }
        points.emplace_back(t, x);
    }
    return points;
}

Geometry geometry(int height)
{
    Geometry g;
    g.top = Gdi::mulDiv(height, 4, 100);
    g.bottom = height - g.top - 30;
    g.span = g.bottom - g.top;
    g.mid = (g.top + g.bottom) / 2;
    return g;
}

int massCentre(int height, double x)
{
    const Geometry g = geometry(height);
    return g.mid - Gdi::roundHalfEven(g.span * x / 20);
}

int coilPitch(double x)
{
    return std::max(1, Gdi::roundHalfEven((10 - x) / 4));
}

double MouseYToDisplacement(int, int height, int y)
{
    const Geometry g = geometry(height);
    return double((g.mid - y) * 20) / g.span;
}

Gdi::Rect DrawMassSpring(Gdi::Canvas &target, int width, int height, double x)
{
    const Geometry g = geometry(height);
    Gdi::Bitmap bitmap(width, g.bottom + 10);
    Gdi::Canvas &c = bitmap.canvas();
    const int centre = massCentre(height, x);
    const int pitch = coilPitch(x);

    // The spring: a zigzag between x = 10 and x = 20 from the top down to the
    // mass; its pitch grows as the mass goes down and the spring stretches.
    c.pen.color = Qt::black;
    c.moveTo(10, 0);
    for (int j = 1; j <= centre / pitch; ++j) {
        c.lineTo(j % 2 == 1 ? 20 : 10, j * pitch);
    }
    const Gdi::Rect mass{5, centre - 5, 25, centre + 5};
    c.brush.color = QColor(255, 0, 0);
    c.rectangle(mass);
    c.drawEdgeSunken({0, 0, width, g.bottom + 10});
    target.draw(0, 0, bitmap.image());
    return mass;
}

} // namespace SHM
