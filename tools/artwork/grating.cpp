// Diagrams of the grating page.
#include "Diagram.h"

#include <QPainterPath>

#include <array>
#include <cmath>

namespace {

using namespace Art;

const QColor Violet(140, 0, 200);
const QColor Highlight(200, 0, 0);

// The orders of a grating: light from the left, the orders fanning out at
// sin theta = n lambda / d, drawn for lambda / d = 0.3.
void gratingOrders(QPainter &p)
{
    constexpr double ratio = 0.3; // lambda / d
    const QPointF g(78, 112);
    // Incoming beam and its label.
    p.setPen(QPen(Violet, 2));
    arrowLine(p, QPointF(8, g.y()), QPointF(g.x() - 12, g.y()));
    p.setPen(Qt::black);
    label(p, QPointF(8, g.y() - 10), QStringLiteral("light, \u03bb"), 12);
    // The grating: a bar with its lines.
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(QPointF(g.x(), g.y() - 62), QPointF(g.x(), g.y() + 62));
    p.setPen(Qt::black);
    centredLabel(p, QPointF(g.x(), g.y() + 80), QStringLiteral("grating"), 12);
    centredLabel(p, QPointF(g.x(), g.y() + 95), QStringLiteral("spacing d"), 12);

    // The orders: rays to radius 135, labels beyond their ends.
    constexpr double reach = 135;
    for (int n = -2; n <= 2; ++n) {
        const double theta = std::asin(ratio * n);
        const QPointF end = g + QPointF(reach * std::cos(theta), -reach * std::sin(theta));
        p.setPen(QPen(Violet, n == 0 ? 2 : 1.6));
        p.drawLine(g, end);
        p.setPen(Qt::black);
        const QString name = n == 0 ? QStringLiteral("n = 0")
                                    : QStringLiteral("n = %1%2")
                                          .arg(n > 0 ? QStringLiteral("") : QStringLiteral("\u2212"))
                                          .arg(std::abs(n));
        label(p, end + QPointF(4, 5 - 4 * n), name, 12);
    }
    // The angle of the first order, measured from the straight-through beam.
    const double theta1 = std::asin(ratio);
    p.setPen(QPen(Qt::black, 1));
    constexpr double arcRadius = 62;
    p.drawArc(QRectF(g.x() - arcRadius, g.y() - arcRadius, 2 * arcRadius, 2 * arcRadius), 0,
              int(theta1 * 180 / Pi * 16));
    label(p, g + QPointF(arcRadius + 4, -8), QStringLiteral("\u03b8\u2081"), 13);
    label(p, QPointF(8, 24), QStringLiteral("d sin \u03b8 = n\u03bb"), 14, true);
}

// Neighbouring slits: parallel rays at theta differ in path by d sin theta.
void neighbourPaths(QPainter &p)
{
    const double theta = 30 * Pi / 180;
    const QPointF u(std::cos(theta), -std::sin(theta)); // along the diffracted rays
    constexpr double d = 46;
    constexpr double gx = 84;
    const std::array<double, 4> slits{36, 36 + d, 36 + 2 * d, 36 + 3 * d};

    // Plane waves arriving from the left.
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (int i = 0; i < 3; ++i) {
        const double x = 22 + 18 * i;
        p.drawLine(QPointF(x, 22), QPointF(x, 186));
    }
    p.setPen(Qt::black);
    arrowLine(p, QPointF(8, 196), QPointF(70, 196));
    label(p, QPointF(8, 14), QStringLiteral("plane waves"), 12);

    // The grating with its slits as gaps.
    p.setPen(QPen(Qt::black, 4));
    double top = 16;
    for (double y : slits) {
        p.drawLine(QPointF(gx, top), QPointF(gx, y - 4));
        top = y + 4;
    }
    p.drawLine(QPointF(gx, top), QPointF(gx, 192));

    // Parallel rays from each slit.
    p.setPen(QPen(Violet, 1.6));
    constexpr double length = 180;
    for (double y : slits) {
        p.drawLine(QPointF(gx, y), QPointF(gx, y) + length * u);
    }
    // The perpendicular from the upper slit to its neighbour's ray, and the extra path.
    const QPointF a(gx, slits[1]);
    const QPointF b(gx, slits[2]);
    const double extra = d * std::sin(theta);
    const QPointF foot = b + extra * u;
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawLine(a, foot);
    p.setPen(QPen(Highlight, 3.5));
    p.drawLine(b, foot);

    // Labels: d between the slits, theta at the lowest slit, the extra path.
    p.setPen(Qt::black);
    doubleArrow(p, QPointF(gx - 14, slits[1]), QPointF(gx - 14, slits[2]));
    label(p, QPointF(gx - 28, (slits[1] + slits[2]) / 2 + 5), QStringLiteral("d"), 14, true);
    const QPointF c(gx, slits[3]);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawLine(c, c + QPointF(80, 0));
    p.setPen(Qt::black);
    constexpr double r = 56;
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, 30 * 16);
    label(p, c + QPointF(r + 4, -7), QStringLiteral("\u03b8"), 14);
    p.setPen(Highlight);
    label(p, QPointF(8, 222), QStringLiteral("red: the extra path, d sin \u03b8"), 12);
    p.setPen(Qt::black);
    label(p, QPointF(172, 204), QStringLiteral("to the telescope"), 12);
    p.setPen(QPen(Qt::black, 1));
    arrowLine(p, QPointF(222, 186), QPointF(222, 186) + 40 * u);
}

// The scale and vernier of the telescope, reading 6.9 degrees: the ninth
// vernier tick to the right of the zero meets a main-scale tick.
void vernierReading(QPainter &p)
{
    constexpr double reading = 6.9;
    constexpr double first = 5.4; // the main scale's left end in degrees
    constexpr double perDegree = 24;
    constexpr double edge = 76; // the line between vernier and main scale
    const auto at = [](double degrees) { return 10 + (degrees - first) * perDegree; };

    p.setPen(Qt::black);
    p.setBrush(QColor(255, 255, 128));
    p.drawRect(QRectF(at(reading) - 6, 44, 10 * 0.9 * perDegree + 12, edge - 44));
    p.drawRect(QRectF(2, edge, 276, 34));
    p.setBrush(Qt::NoBrush);

    // Main scale: a tick each degree, longer at 5 and 10, numbered.
    for (int deg = 6; deg <= 16; ++deg) {
        const double x = at(deg);
        const bool coincide = deg == 15;
        p.setPen(QPen(coincide ? Highlight : Qt::black, coincide ? 2 : 1));
        p.drawLine(QPointF(x, edge), QPointF(x, edge + (deg % 5 == 0 ? 16 : 9)));
        p.setPen(Qt::black);
        centredLabel(p, QPointF(x, edge + 30), QString::number(deg), 12);
    }
    // Vernier: ten divisions of 0.9 degree from its zero, at the reading.
    for (int j = 0; j <= 10; ++j) {
        const double x = at(reading + 0.9 * j);
        const bool coincide = j == 9;
        p.setPen(QPen(coincide ? Highlight : Qt::black, coincide ? 2 : 1));
        p.drawLine(QPointF(x, edge), QPointF(x, edge - (j % 5 == 0 ? 16 : 10)));
        p.setPen(Qt::black);
        if (j % 5 == 0) {
            centredLabel(p, QPointF(x, edge - 19), QString::number(j), 12);
        }
    }
    label(p, QPointF(120, 36), QStringLiteral("vernier: 0.9\u00b0 steps"), 12);
    label(p, QPointF(8, 18), QStringLiteral("the vernier's zero"), 12);
    p.setPen(QPen(Qt::black, 1));
    arrowLine(p, QPointF(at(reading) - 22, 24), QPointF(at(reading) - 3, 68));
    label(p, QPointF(8, 128), QStringLiteral("main scale (degrees)"), 12);
    p.setPen(Highlight);
    label(p, QPointF(8, 148), QStringLiteral("tick 9 of the vernier meets a tick:"), 12);
    p.setPen(Qt::black);
    label(p, QPointF(8, 166), QStringLiteral("reading = 6\u00b0 + 9 \u00d7 0.1\u00b0 = 6.9\u00b0"), 13, true);
}

const bool registered = addDiagram({"grating", {280, 220}, gratingOrders});
const bool registeredPaths = addDiagram({"grating-paths", {280, 228}, neighbourPaths});
const bool registeredVernier = addDiagram({"grating-vernier", {280, 176}, vernierReading});

} // namespace
