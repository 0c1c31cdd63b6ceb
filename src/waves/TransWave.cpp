#include "waves/TransWave.h"

#include "gdi/GdiMath.h"

#include <cmath>
#include <numbers>

namespace TransWave {

namespace {
double sinDegrees(double degrees)
{
    return std::sin(degrees * std::numbers::pi / 180);
}
} // namespace

std::array<QPoint, 180> TransversePoints(int midline, double amplitude, int phase)
{
    std::array<QPoint, 180> points;
    for (int i = 0; i < 180; ++i) {
        points[std::size_t(i)] = QPoint(2 * i, Gdi::roundHalfEven(midline + amplitude * sinDegrees(4 * i + phase)));
    }
    return points;
}

std::array<QPoint, 180> LongitudinalPoints(double amplitude, int phase)
{
    std::array<QPoint, 180> points;
    for (int i = 0; i < 180; ++i) {
        points[std::size_t(i)] = QPoint(Gdi::roundHalfEven(amplitude * sinDegrees(4 * i + phase)) + 2 * i, 0);
    }
    return points;
}

void DrawTransverseWave(Gdi::Canvas &target, int width, int height, bool highlight, int phase, int amplitude)
{
    Gdi::Bitmap bitmap(width, height);
    Gdi::Canvas &c = bitmap.canvas();
    const auto points = TransversePoints(height / 2, amplitude, phase);
    c.polyline(points);
    const auto particle = [&c, &points](int i, const QColor &colour) {
        const QPoint p = points[std::size_t(i)];
        c.brush.color = colour;
        c.ellipse(p.x() - 5, p.y() - 5, p.x() + 5, p.y() + 5);
    };
    for (int i = 0; i < 180; i += 10) {
        particle(i, QColor(0, 0, 255));
    }
    if (highlight) {
        particle(90, QColor(255, 0, 0));
    }
    c.drawEdgeSunken({0, 0, width, 2 * (height / 2)});
    target.draw(0, 0, bitmap.image());
}

void DrawLongitudinalWave(Gdi::Canvas &target, int width, int height, bool highlight, int phase, int amplitude)
{
    Gdi::Bitmap bitmap(width, height);
    Gdi::Canvas &c = bitmap.canvas();
    const auto points = LongitudinalPoints(amplitude, phase);
    const auto line = [&c, &points, height](int i, const QColor &colour) {
        c.pen.color = colour;
        const int x = points[std::size_t(i)].x();
        c.moveTo(x, 10);
        c.lineTo(x, height - 10);
    };
    for (int i = 0; i < 180; i += 4) {
        line(i, QColor(0, 0, 255));
    }
    if (highlight) {
        line(88, QColor(255, 0, 0));
    }
    c.drawEdgeSunken({0, 0, width, height});
    target.draw(0, 0, bitmap.image());
}

} // namespace TransWave
