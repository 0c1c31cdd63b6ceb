#include "optics/Ripple.h"

#include "gdi/GdiMath.h"
#include "gdi/Palette.h"

#include <cmath>
#include <numbers>

namespace Ripple {

namespace {

using namespace Palette;

constexpr int Width = 300;
constexpr int Height = 240;
constexpr int Middle = 120;

void line(Gdi::Canvas &c, int x0, int y0, int x1, int y1)
{
    c.moveTo(x0, y0);
    c.lineTo(x1, y1);
}

// The right-hand half of a circle, from its bottom point anticlockwise to its top.
void rightSemicircle(Gdi::Canvas &c, int cx, int cy, int r)
{
    c.arc(cx - r, cy - r, cx + r, cy + r, cx, cy + r, cx, cy - r);
}

void barrierBlock(Gdi::Canvas &c, int x, int top, int bottom)
{
    c.rectangle(x - 5, top, x + 5, bottom);
}

} // namespace

std::vector<int> crestPositions(int frame)
{
    std::vector<int> xs;
    for (int k = 0; k <= 35; ++k) {
        xs.push_back(20 * k + frame % 20);
    }
    return xs;
}

std::vector<QPoint> reinforcementPoints(int h)
{
    std::vector<QPoint> points;
    const double a = 2 * h + 20;
    constexpr double r = 500;
    for (int k = 1; k <= 5; ++k) {
        const double b = 500 + 20 * k;
        const double cosine = (a * a + r * r - b * b) / (2 * a * r);
        // Beyond the slit spacing there is no such direction: the angle is then 0.
        double phi = cosine >= -1 && cosine <= 1 ? std::acos(cosine) : 0.0;
        phi -= std::numbers::pi / 2;
        const int dx = Gdi::roundHalfEven(r * std::cos(phi));
        const int dy = Gdi::roundHalfEven(r * std::sin(phi)) + h + 10 + 5 * k;
        if (dx > 0) {
            points.emplace_back(dx, dy);
        }
    }
    return points;
}

void DrawSingleSlitFrame(Gdi::Canvas &target, int frame, int width, int barrierX)
{
    Gdi::Bitmap bitmap(Width, Height);
    Gdi::Canvas &c = bitmap.canvas();
    const int ya = (Height - width) / 2;
    const int yb = (Height + width) / 2;
    for (int x : crestPositions(frame)) {
        if (x <= barrierX) {
            c.pen.color = QColor(0, 0, 255);
            line(c, x, 0, x, Height);
            continue;
        }
        c.pen.color = QColor(255, 0, 0);
        if (width == 20) {
            rightSemicircle(c, barrierX, Middle, x - barrierX);
        } else {
            // A flat front as wide as the slit with quarter circles at its ends.
            const int r = x - barrierX + 1;
            c.arc(barrierX - r, ya - r, barrierX + r, ya + r, x, ya, barrierX, ya - r);
            c.arc(barrierX - r, yb - r, barrierX + r, yb + r, barrierX, yb + r, x, yb);
            line(c, x, ya, x, yb);
        }
    }
    c.pen.color = Qt::black;
    c.brush.color = Grey;
    barrierBlock(c, barrierX, 0, Middle - width / 2);
    barrierBlock(c, barrierX, Middle + width / 2, Height);
    c.drawEdgeSunken({0, 0, Width, Height});
    target.draw(0, 0, bitmap.image());
}

void DrawDoubleSlitFrame(Gdi::Canvas &target, int frame, int h, bool showLines, int barrierX)
{
    Gdi::Bitmap bitmap(Width, Height);
    Gdi::Canvas &c = bitmap.canvas();
    const int y1 = Middle - h - 10;
    const int y2 = Middle + h + 10;
    for (int x : crestPositions(frame)) {
        if (x <= barrierX) {
            c.pen.color = Qt::black;
            line(c, x, 0, x, Height);
        } else {
            c.pen.color = QColor(0, 0, 255);
            rightSemicircle(c, barrierX, y1, x - barrierX);
            c.pen.color = QColor(255, 0, 0);
            rightSemicircle(c, barrierX, y2, x - barrierX);
        }
    }
    if (showLines) {
        c.pen.color = Qt::black;
        c.pen.style = Gdi::PenStyle::Dot;
        line(c, barrierX, Middle, barrierX + 200, Middle);
        for (const QPoint &p : reinforcementPoints(h)) {
            line(c, barrierX - 5, Middle, barrierX + p.x(), Middle + p.y());
            line(c, barrierX - 5, Middle, barrierX + p.x(), Middle - p.y());
        }
    }
    c.pen = Gdi::Pen{};
    c.brush.color = Grey;
    barrierBlock(c, barrierX, Middle - h, Middle + h);
    barrierBlock(c, barrierX, 0, Middle - h - 20);
    barrierBlock(c, barrierX, Middle + h + 20, Height);
    c.drawEdgeSunken({0, 0, Width, Height});
    target.draw(0, 0, bitmap.image());
}

} // namespace Ripple
