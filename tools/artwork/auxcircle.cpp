// Diagrams of the auxcircle page.
#include "Diagram.h"

#include <QPainterPath>

#include <cmath>

namespace {

using namespace Art;

const QColor Red(220, 0, 0);
const QColor Gold(205, 150, 0); // stands for the yellow point, which would not show on white
const QColor AxisGrey(150, 150, 150);

double rad(double degrees)
{
    return degrees * Pi / 180;
}

// A curve y(x) from x0 to x1, one point per pixel.
template<typename F>
QPainterPath curve(double x0, double x1, F y)
{
    QPainterPath path;
    for (double x = x0; x <= x1 + 0.01; x += 1) {
        const QPointF pt(x, y(x));
        x == x0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    return path;
}

void dot(QPainter &p, QPointF at, const QColor &fill)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fill);
    p.drawEllipse(at, 4, 4);
    p.setBrush(Qt::NoBrush);
}

// A point going round the circle, its height y = A sin(theta), and the same
// height carried across to the sine curve drawn against the angle.
void projection(QPainter &p)
{
    const QPointF centre(56, 92);
    const double r = 48, gx0 = 116, perDegree = 0.38, theta = 50;
    const auto gx = [&](double degrees) { return gx0 + perDegree * degrees; };
    const QPointF point(centre.x() + r * std::cos(rad(theta)), centre.y() - r * std::sin(rad(theta)));

    // Axes.
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(6, centre.y()), QPointF(264, centre.y()));
    p.drawLine(QPointF(gx0, 32), QPointF(gx0, 150));
    for (int d = 90; d <= 360; d += 90) {
        p.drawLine(QPointF(gx(d), centre.y() - 3), QPointF(gx(d), centre.y() + 3));
    }
    // The circle and the curve.
    p.setPen(QPen(Qt::black, 1.4));
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(Red, 1.8));
    p.drawPath(curve(gx0, gx(360), [&](double x) { return centre.y() - r * std::sin(rad((x - gx0) / perDegree)); }));
    // Radius, height and projection line.
    p.setPen(QPen(Qt::black, 1.4));
    p.drawLine(centre, point);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawLine(point, QPointF(point.x(), centre.y()));
    p.setPen(QPen(AxisGrey, 1, Qt::DashLine));
    p.drawLine(point, QPointF(gx(theta), point.y()));
    // The angle, and the sense of rotation.
    p.setPen(QPen(Qt::black, 1));
    p.drawArc(QRectF(centre.x() - 15, centre.y() - 15, 30, 30), 0, int(theta * 16));
    QPainterPath turn;
    const double rr = r + 9;
    for (double a = 95; a <= 135; a += 1) {
        const QPointF pt(centre.x() + rr * std::cos(rad(a)), centre.y() - rr * std::sin(rad(a)));
        a == 95 ? turn.moveTo(pt) : turn.lineTo(pt);
    }
    p.drawPath(turn);
    const QPointF tip(centre.x() + rr * std::cos(rad(140)), centre.y() - rr * std::sin(rad(140)));
    const QPointF back(centre.x() + rr * std::cos(rad(134)), centre.y() - rr * std::sin(rad(134)));
    arrowLine(p, back, tip);
    label(p, QPointF(12, 36), QStringLiteral("\u03c9"), 14, true);
    label(p, QPointF(centre.x() + 17, centre.y() - 3), QStringLiteral("\u03b8"), 13);
    label(p, QPointF(55, 70), QStringLiteral("A"), 13, true);
    label(p, QPointF(point.x() + 4, centre.y() - 12), QStringLiteral("y"), 13, true);
    // The point and its two images.
    dot(p, point, Red);
    dot(p, QPointF(gx0, point.y()), Red);
    dot(p, QPointF(gx(theta), point.y()), Red);
    // Labels of the graph.
    p.setPen(Qt::black);
    label(p, QPointF(122, 30), QStringLiteral("y"), 13, true);
    label(p, QPointF(170, 30), QStringLiteral("y = A sin \u03b8"), 13);
    for (int d = 90; d <= 360; d += 90) {
        centredLabel(p, QPointF(gx(d), 166), QStringLiteral("%1\u00b0").arg(d), 12);
    }
    centredLabel(p, QPointF(gx(180), 184), QStringLiteral("angle \u03b8"), 12);
}

// Two points 90 degrees apart: the leading point's curve reaches each peak a
// quarter of a cycle earlier, so it lies to the left on a graph against angle.
void phaseDifference(QPainter &p)
{
    const double gx0 = 40, gx1 = 256, axis = 100, amp = 56;
    const auto gx = [&](double degrees) { return gx0 + (gx1 - gx0) * degrees / 360; };
    const auto deg = [&](double x) { return (x - gx0) * 360 / (gx1 - gx0); };
    // Grid, axes and ticks.
    p.setPen(QPen(QColor(215, 215, 215), 1));
    for (int d = 90; d <= 360; d += 90) {
        p.drawLine(QPointF(gx(d), axis - amp), QPointF(gx(d), axis + amp));
    }
    p.drawLine(QPointF(gx0, axis - amp), QPointF(gx1, axis - amp));
    p.drawLine(QPointF(gx0, axis + amp), QPointF(gx1, axis + amp));
    p.setPen(Qt::black);
    p.drawLine(QPointF(gx0, axis - amp - 8), QPointF(gx0, axis + amp + 4));
    p.drawLine(QPointF(gx0, axis), QPointF(gx1 + 6, axis));
    label(p, QPointF(gx0 - 16, axis - amp + 5), QStringLiteral("A"), 12);
    label(p, QPointF(gx0 - 14, axis + 5), QStringLiteral("0"), 12);
    label(p, QPointF(gx0 - 22, axis + amp + 5), QStringLiteral("\u2212A"), 12);
    label(p, QPointF(gx0 - 30, axis - amp - 10), QStringLiteral("y"), 13, true);
    for (int d = 0; d <= 360; d += 90) {
        centredLabel(p, QPointF(gx(d), axis + amp + 18), QString::number(d), 12);
    }
    centredLabel(p, QPointF(gx(180), axis + amp + 34), QStringLiteral("angle \u03b8 of the red point / degrees"), 12);
    // The two curves.
    p.setPen(QPen(Gold, 2.2));
    p.drawPath(curve(gx0, gx1, [&](double x) { return axis - amp * std::sin(rad(deg(x) + 90)); }));
    p.setPen(QPen(Red, 2.2));
    p.drawPath(curve(gx0, gx1, [&](double x) { return axis - amp * std::sin(rad(deg(x))); }));
    // The shift between the peaks.
    p.setPen(Qt::black);
    doubleArrow(p, QPointF(gx(0) + 1, axis - amp - 8), QPointF(gx(90) - 1, axis - amp - 8));
    label(p, QPointF(gx(90) + 6, axis - amp - 4), QStringLiteral("leads by 90\u00b0"), 12);
    // Key.
    p.setPen(QPen(Red, 2.4));
    p.drawLine(QPointF(12, 12), QPointF(26, 12));
    p.setPen(QPen(Gold, 2.4));
    p.drawLine(QPointF(130, 12), QPointF(144, 12));
    p.setPen(Qt::black);
    label(p, QPointF(30, 17), QStringLiteral("A sin \u03b8 (red)"), 12);
    label(p, QPointF(148, 17), QStringLiteral("A sin(\u03b8 + 90\u00b0)"), 12);
}

// The radian: the angle whose arc is as long as the radius.
void radian(QPainter &p)
{
    const QPointF c(72, 98);
    const double r = 62, one = 180 / Pi;
    const QPointF end(c.x() + r * std::cos(1.0), c.y() - r * std::sin(1.0));
    p.setPen(QPen(Qt::black, 1.4));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(Qt::black, 1.6));
    p.drawLine(c, QPointF(c.x() + r, c.y()));
    p.drawLine(c, end);
    p.setPen(QPen(Red, 3.5));
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, int(std::lround(one * 16)));
    p.setPen(QPen(Qt::black, 1));
    p.drawArc(QRectF(c.x() - 16, c.y() - 16, 32, 32), 0, int(std::lround(one * 16)));
    p.setBrush(Qt::black);
    p.drawEllipse(c, 2.5, 2.5);
    p.setBrush(Qt::NoBrush);
    label(p, QPointF(c.x() + 18, c.y() - 5), QStringLiteral("1 rad"), 12);
    label(p, QPointF(c.x() + 28, c.y() + 15), QStringLiteral("r"), 13, true);
    label(p, QPointF(c.x() + 8, c.y() - 34), QStringLiteral("r"), 13, true);
    p.setPen(Red);
    label(p, QPointF(c.x() + 36, 26), QStringLiteral("arc = r"), 13, true);
    p.setPen(Qt::black);
    const double tx = 160;
    label(p, QPointF(tx, 40), QStringLiteral("\u03b8 = s / r"), 13, true);
    label(p, QPointF(tx, 66), QStringLiteral("1 rad = 57.3\u00b0"), 13);
    label(p, QPointF(tx, 88), QStringLiteral("\u03c0/2 rad = 90\u00b0"), 13);
    label(p, QPointF(tx, 110), QStringLiteral("\u03c0 rad = 180\u00b0"), 13);
    label(p, QPointF(tx, 132), QStringLiteral("2\u03c0 rad = 360\u00b0"), 13);
}

const bool registeredProjection = addDiagram({"auxcircle-projection", {272, 192}, projection});
const bool registeredPhase = addDiagram({"auxcircle-phase", {272, 206}, phaseDifference});
const bool registeredRadian = addDiagram({"auxcircle-radian", {272, 172}, radian});

} // namespace
