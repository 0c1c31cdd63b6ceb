#include "waves/WaveMaths.h"

#include "gdi/GdiMath.h"
#include "gdi/Palette.h"

#include <QCoreApplication>
#include <QImage>

#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace WaveMaths {

namespace {

using Gdi::Pi;
// The degree sign of the labels.
const QChar Degree(0x00BA);

QString degreesAndRadians(int degrees)
{
    return QStringLiteral("%1%2   :   %3 rad").arg(degrees).arg(Degree).arg(Gdi::formatF(degrees * Pi / 180));
}

void sineCurve(Gdi::Canvas &c, double shift)
{
    std::array<QPoint, 181> points;
    for (int i = 0; i <= 180; ++i) {
        points[std::size_t(i)] = QPoint(200 + i, 100 - Gdi::roundHalfEven(90 * std::sin(2 * i * Pi / 180 + shift)));
    }
    c.polyline(points);
}

// A point on the circle at `angle` radians, its projection line and its three
// markers: on the circle, on the vertical axis and on the curve at theta.
void point(Gdi::Canvas &c, double angle, int theta, const QColor &colour)
{
    const int cx = Gdi::roundHalfEven(90 * std::cos(angle));
    const int sy = Gdi::roundHalfEven(90 * std::sin(angle));
    const int curveX = 200 + theta / 2;
    c.pen.color = QColor(192, 192, 192);
    c.moveTo(100, 100);
    c.lineTo(100 + cx, 100 - sy);
    c.lineTo(curveX, 100 - sy);
    c.pen.color = Qt::black;
    c.brush.color = colour;
    c.ellipse(100 + cx - 4, 100 - sy - 4, 100 + cx + 4, 100 - sy + 4);
    c.ellipse(196, 96 - sy, 204, 104 - sy);
    c.ellipse(curveX - 4, 96 - sy, curveX + 4, 104 - sy);
}

// The circle, the axes and both curves depend on the phase alone, which
// stays while the angle is animated: they are drawn once for a phase (and
// colour set) and copied as every frame's background.
const QImage &background(int psi)
{
    thread_local QImage image;
    thread_local std::pair<int, bool> drawnFor{0, false};
    const std::pair<int, bool> wanted{psi, Palette::projectorColours()};
    if (image.isNull() || drawnFor != wanted) {
        Gdi::Bitmap bitmap(400, 200);
        Gdi::Canvas &c = bitmap.canvas();
        c.ellipse(10, 10, 190, 190);
        c.moveTo(0, 100);
        c.lineTo(400, 100);
        c.moveTo(200, 0);
        c.lineTo(200, 200);
        sineCurve(c, 0);
        sineCurve(c, psi * Pi / 180);
        image = bitmap.image();
        drawnFor = wanted;
    }
    return image;
}

} // namespace

QString angleText(int theta)
{
    return QCoreApplication::translate("WaveMaths", "angle = %1").arg(degreesAndRadians(theta));
}

QString phaseText(int psi)
{
    return QCoreApplication::translate("WaveMaths", "phase = %1").arg(degreesAndRadians(psi));
}

void DrawAuxCircle(Gdi::Canvas &target, int theta, int psi)
{
    Gdi::Bitmap bitmap(400, 200);
    Gdi::Canvas &c = bitmap.canvas();
    c.draw(0, 0, background(psi));
    const double thetaRad = theta * Pi / 180;
    const double psiRad = psi * Pi / 180;
    // The leading (yellow) point first; the red one covers it where they meet.
    point(c, thetaRad + psiRad, theta, QColor(255, 255, 0));
    point(c, thetaRad, theta, QColor(255, 0, 0));
    c.drawEdgeSunken({0, 0, 400, 200});
    target.draw(0, 0, bitmap.image());
}

} // namespace WaveMaths
