// Diagrams of the statwave page.
#include "Diagram.h"

#include <QPainterPath>

#include <cmath>

namespace {

using namespace Art;

const QColor Green(0, 128, 0);
const QColor Red(220, 0, 0);
const QColor Blue(0, 0, 220);
const QColor AxisGrey(150, 150, 150);

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

// A short clamp at a fixed end of the string.
void clamp(QPainter &p, double x, double y)
{
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(QPointF(x, y - 9), QPointF(x, y + 9));
}

// The third harmonic at four moments, its nodes and antinodes, and the
// distance between neighbouring nodes.
void standingNodes(QPainter &p)
{
    const double x0 = 18, x1 = 252, axis = 100, amp = 52;
    const int n = 3;
    const double nodeGap = (x1 - x0) / n;
    p.setPen(QPen(AxisGrey, 1));
    p.drawLine(QPointF(x0, axis), QPointF(x1, axis));
    for (double c : {-1.0, -0.5, 0.5, 1.0}) {
        p.setPen(QPen(QColor(0, 128, 0, c == 1.0 ? 255 : 95), c == 1.0 ? 2.2 : 1.5));
        p.drawPath(curve(x0, x1, [&](double x) { return axis - c * amp * std::sin(n * Pi * (x - x0) / (x1 - x0)); }));
    }
    clamp(p, x0 - 2, axis);
    clamp(p, x1 + 2, axis);
    // Antinodes: labels above, dotted guides down to the highest point.
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    for (int k = 0; k < n; ++k) {
        const double x = x0 + nodeGap * (k + 0.5);
        p.drawLine(QPointF(x, 22), QPointF(x, axis - amp - 3));
    }
    // Nodes: dots on the axis, dotted guides down to their labels.
    for (int k = 0; k <= n; ++k) {
        const double x = x0 + nodeGap * k;
        p.drawLine(QPointF(x, axis + 5), QPointF(x, 160));
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    for (int k = 0; k <= n; ++k) {
        const double x = x0 + nodeGap * k;
        p.drawEllipse(QPointF(x, axis), 3.5, 3.5);
        centredLabel(p, QPointF(x, 175), QStringLiteral("N"), 13, true);
    }
    for (int k = 0; k < n; ++k) {
        centredLabel(p, QPointF(x0 + nodeGap * (k + 0.5), 16), QStringLiteral("A"), 13, true);
    }
    // Half a wavelength between neighbouring nodes, and the whole length.
    doubleArrow(p, QPointF(x0 + nodeGap + 1, 186), QPointF(x0 + 2 * nodeGap - 1, 186));
    centredLabel(p, QPointF(x0 + 1.5 * nodeGap, 203), QStringLiteral("\u03bb/2"), 13);
    label(p, QPointF(x0 + 2 * nodeGap + 10, 203), QStringLiteral("L = 3\u03bb/2"), 13);
    label(p, QPointF(4, 203), QStringLiteral("n = 3"), 13);
}

// The first three harmonics of a string fixed at both ends.
void firstHarmonics(QPainter &p)
{
    const double x0 = 20, x1 = 252;
    const char *const texts[3][3] = {{"n = 1", "\u03bb = 2L", "f = f\u2081"},
                                     {"n = 2", "\u03bb = L", "f = 2f\u2081"},
                                     {"n = 3", "\u03bb = 2L/3", "f = 3f\u2081"}};
    for (int row = 0; row < 3; ++row) {
        const int n = row + 1;
        const double top = 74.0 * row;
        const double axis = top + 46, amp = 20;
        p.setPen(Qt::black);
        label(p, QPointF(x0, top + 15), QString::fromUtf8(texts[row][0]), 13, true);
        label(p, QPointF(x0 + 62, top + 15), QString::fromUtf8(texts[row][1]), 13);
        label(p, QPointF(x0 + 160, top + 15), QString::fromUtf8(texts[row][2]), 13);
        p.setPen(QPen(AxisGrey, 1));
        p.drawLine(QPointF(x0, axis), QPointF(x1, axis));
        p.setBrush(Qt::NoBrush);
        for (double c : {1.0, -1.0}) {
            p.setPen(QPen(QColor(0, 128, 0, c > 0 ? 255 : 110), c > 0 ? 2.0 : 1.5));
            p.drawPath(
                curve(x0, x1, [&](double x) { return axis - c * amp * std::sin(n * Pi * (x - x0) / (x1 - x0)); }));
        }
        clamp(p, x0 - 2, axis);
        clamp(p, x1 + 2, axis);
        p.setPen(Qt::black);
        p.setBrush(Qt::black);
        for (int k = 0; k <= n; ++k) {
            p.drawEllipse(QPointF(x0 + (x1 - x0) * k / n, axis), 3, 3);
        }
    }
    // The length of the string, the same in every row.
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    doubleArrow(p, QPointF(x0, 226), QPointF(x1, 226));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF((x0 + x1) / 2 - 12, 216, 24, 18));
    p.setPen(Qt::black);
    centredLabel(p, QPointF((x0 + x1) / 2, 231), QStringLiteral("L"), 13, true);
}

// Two equal waves travelling in opposite directions and their sum, at the
// moment when each has moved an eighth of a wavelength from the start
// (time phase 45 degrees): y = A sin(kx + 45) + A sin(kx - 45) = 1.41 A sin kx.
void travellingSum(QPainter &p)
{
    const double gx0 = 44, gx1 = 260, axis = 92, unit = 32; // unit: pixels per A
    const auto X = [&](double wavelengths) { return gx0 + (gx1 - gx0) * wavelengths; };
    // Axes with ticks.
    p.setPen(QPen(QColor(215, 215, 215), 1));
    for (int k = -2; k <= 2; ++k) {
        p.drawLine(QPointF(gx0, axis - k * unit), QPointF(gx1, axis - k * unit));
    }
    for (int k = 1; k <= 4; ++k) {
        p.drawLine(QPointF(X(k / 4.0), axis - 2 * unit), QPointF(X(k / 4.0), axis + 2 * unit));
    }
    p.setPen(Qt::black);
    p.drawLine(QPointF(gx0, axis - 2 * unit - 4), QPointF(gx0, axis + 2 * unit));
    p.drawLine(QPointF(gx0, axis), QPointF(gx1, axis));
    for (int k = -2; k <= 2; ++k) {
        const QString t = QString::number(k).replace(QLatin1Char('-'), QChar(0x2212));
        label(p, QPointF(gx0 - 8 - 7 * t.size(), axis - k * unit + 5), t, 12);
    }
    for (int k = 0; k <= 4; ++k) {
        static const char *const ticks[] = {"0", "0.25", "0.5", "0.75", "1"};
        const QString t = QString::fromLatin1(ticks[k]);
        centredLabel(p, QPointF(X(k / 4.0) + (k == 0 ? 6 : 0), axis + 2 * unit + 15), t, 12);
    }
    centredLabel(p, QPointF((gx0 + gx1) / 2, axis + 2 * unit + 31), QStringLiteral("position x / \u03bb"), 12);
    label(p, QPointF(2, 14), QStringLiteral("y / A"), 12);
    // The two waves and their sum, from the formulas.
    const auto kx = [&](double x) { return 2 * Pi * (x - gx0) / (gx1 - gx0); };
    const double phi = Pi / 4;
    p.setPen(QPen(Red, 1.6));
    p.drawPath(curve(gx0, gx1, [&](double x) { return axis - unit * std::sin(kx(x) + phi); }));
    p.setPen(QPen(Blue, 1.6));
    p.drawPath(curve(gx0, gx1, [&](double x) { return axis - unit * std::sin(kx(x) - phi); }));
    p.setPen(QPen(Green, 2.4));
    p.drawPath(curve(gx0, gx1, [&](double x) { return axis - unit * 2 * std::cos(phi) * std::sin(kx(x)); }));
    // Key.
    const struct
    {
        QColor colour;
        const char *text;
    } key[] = {{Red, "moving left"}, {Blue, "moving right"}, {Green, "sum"}};
    double kxPos = 14;
    for (const auto &k : key) {
        p.setPen(QPen(k.colour, 2.4));
        p.drawLine(QPointF(kxPos, 210), QPointF(kxPos + 14, 210));
        p.setPen(Qt::black);
        label(p, QPointF(kxPos + 18, 215), QString::fromLatin1(k.text), 12);
        kxPos += 18 + p.fontMetrics().horizontalAdvance(words(QString::fromLatin1(k.text))) + 12;
    }
}

const bool registered = addDiagram({"nodes", {272, 210}, standingNodes});
const bool registeredHarmonics = addDiagram({"statwave-harmonics", {272, 240}, firstHarmonics});
const bool registeredSum = addDiagram({"statwave-sum", {272, 222}, travellingSum});

} // namespace
