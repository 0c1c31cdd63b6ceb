// Diagrams of the dampshm page: displacement-time graphs computed from the
// same closed-form solutions as the simulation (decay rate gamma = b / m).
#include "Diagram.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <cmath>

namespace {

using namespace Art;

const QColor Red(200, 0, 0);
const QColor Green(0, 128, 0);
const QColor Blue(0, 0, 200);
const QColor Grid(205, 205, 205);
const QColor EnvelopeGrey(110, 110, 110);

// Displacement at time t of a mass released from rest at x0, with natural
// angular frequency w0 and decay rate g (both in 1/s).
double displacement(double x0, double w0, double g, double t)
{
    if (g == 0) {
        return x0 * std::cos(w0 * t);
    }
    if (g < w0) {
        const double w = std::sqrt(w0 * w0 - g * g);
        const double phi = std::atan(w / g);
        return x0 * std::exp(-g * t) * std::sin(w * t + phi) / std::sin(phi);
    }
    if (g == w0) {
        return x0 * (1 + g * t) * std::exp(-g * t);
    }
    const double root = std::sqrt(g * g - w0 * w0);
    const double r1 = g + root;
    const double r2 = g - root;
    return x0 / (1 - r1 / r2) * (std::exp(-r1 * t) - (r1 / r2) * std::exp(-r2 * t));
}

// A plot area: time 0..tMax seconds across, displacement -10..10 up.
struct Axes
{
    double left;
    double top;
    double right;
    double bottom;
    double tMax;

    double px(double t) const { return left + (right - left) * t / tMax; }
    double py(double x) const { return (top + bottom) / 2 - (bottom - top) / 2 * x / 10; }
};

void setFont(QPainter &p, int size)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(size);
    p.setFont(f);
}

// Grid, zero line, ticks, tick labels and both axis titles.
void drawAxes(QPainter &p, const Axes &a, double tStep)
{
    p.setPen(QPen(Grid, 1));
    for (double t = tStep; t <= a.tMax + 1e-9; t += tStep) {
        p.drawLine(QPointF(a.px(t), a.top), QPointF(a.px(t), a.bottom));
    }
    for (double x : {-10.0, -5.0, 5.0, 10.0}) {
        p.drawLine(QPointF(a.left, a.py(x)), QPointF(a.right, a.py(x)));
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(a.left, a.top), QPointF(a.left, a.bottom));
    p.drawLine(QPointF(a.left, a.py(0)), QPointF(a.right, a.py(0)));
    p.drawLine(QPointF(a.left, a.bottom), QPointF(a.right, a.bottom));
    for (double t = 0; t <= a.tMax + 1e-9; t += tStep) {
        p.drawLine(QPointF(a.px(t), a.bottom), QPointF(a.px(t), a.bottom + 4));
        centredLabel(p, QPointF(a.px(t), a.bottom + 16), QString::number(t), 12);
    }
    setFont(p, 12);
    for (double x : {-10.0, 0.0, 10.0}) {
        p.drawLine(QPointF(a.left - 4, a.py(x)), QPointF(a.left, a.py(x)));
        const QString text = x < 0 ? QStringLiteral("\u2212%1").arg(-x) : QString::number(x);
        rightLabel(p, QPointF(a.left - 6, a.py(x) + 4.5), text);
    }
    centredLabel(p, QPointF((a.left + a.right) / 2, a.bottom + 31), QStringLiteral("time (s)"), 12);
    upwardLabel(p, QPointF(12, (a.top + a.bottom) / 2), QStringLiteral("displacement"), 12);
}

// The curve of x(t) over the axes, one point per pixel.
template<typename F>
QPainterPath curve(const Axes &a, F x)
{
    QPainterPath path;
    const int steps = int(std::lround((a.right - a.left) * 2));
    for (int i = 0; i <= steps; ++i) {
        const double t = a.tMax * i / steps;
        const QPointF pt(a.px(t), a.py(x(t)));
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    return path;
}

// A short line of the curve's colour and style followed by its name.
void keyEntry(QPainter &p, QPointF at, const QPen &pen, const QString &name)
{
    p.setPen(pen);
    p.drawLine(at + QPointF(0, -4), at + QPointF(18, -4));
    p.setPen(Qt::black);
    label(p, at + QPointF(23, 0), name, 12);
}

// Light, critical and heavy damping of the same oscillator (m = 0.25 kg,
// k = 1 N/m, so w0 = 2 rad/s) with b = 0.05, 0.50 and 2.00 kg/s.
void dampingRegimes(QPainter &p)
{
    const Axes a{50, 24, 268, 150, 10};
    centredLabel(p, QPointF(140, 15), QStringLiteral("Displacement against time"), 13, true);
    drawAxes(p, a, 2);
    const double m = 0.25, w0 = std::sqrt(1 / m);
    const struct
    {
        double b;
        QColor colour;
        const char *name;
    } cases[] = {{0.05, Red, "light"}, {0.50, Green, "critical"}, {2.00, Blue, "heavy"}};
    // The key centred under the chart, each entry as wide as its words.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    const QFontMetricsF metrics(font);
    const auto entryWidth = [&metrics](const char *name) {
        return 23 + metrics.horizontalAdvance(words(QString::fromLatin1(name)));
    };
    constexpr double Gap = 14;
    double x = 140 + Gap / 2;
    for (const auto &c : cases) {
        x -= (entryWidth(c.name) + Gap) / 2;
    }
    for (const auto &c : cases) {
        const double g = c.b / m;
        p.setPen(QPen(c.colour, 2));
        p.drawPath(curve(a, [&](double t) { return displacement(10, w0, g, t); }));
        keyEntry(p, QPointF(x, 203), QPen(c.colour, 2), QString::fromLatin1(c.name));
        x += entryWidth(c.name) + Gap;
    }
}

// The default settings (m = 0.50 kg, k = 40 N/m, b = 0.20 kg/s): the peaks
// lie on an exponential envelope and shrink by the same factor every period.
void decayEnvelope(QPainter &p)
{
    const Axes a{50, 24, 268, 150, 3};
    centredLabel(p, QPointF(140, 15), QStringLiteral("Light damping: the envelope"), 13, true);
    drawAxes(p, a, 0.5);
    const double m = 0.50, k = 40, b = 0.20;
    const double w0 = std::sqrt(k / m), g = b / m;
    const double period = 2 * Pi / std::sqrt(w0 * w0 - g * g);
    const QPen envelope(EnvelopeGrey, 1.3, Qt::DashLine);
    p.setPen(envelope);
    p.drawPath(curve(a, [&](double t) { return 10 * std::exp(-g * t); }));
    p.drawPath(curve(a, [&](double t) { return -10 * std::exp(-g * t); }));
    p.setPen(QPen(Red, 1.8));
    p.drawPath(curve(a, [&](double t) { return displacement(10, w0, g, t); }));

    // The peaks one period apart, with their heights.
    const char *names[] = {"A\u2081", "A\u2082", "A\u2083"};
    for (int n = 1; n <= 3; ++n) {
        const double t = n * period;
        const double x = displacement(10, w0, g, t);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(a.px(t), a.py(x)), 2.5, 2.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(Qt::black);
        label(p, QPointF(a.px(t) + 4, a.py(x) - 5), QString::fromUtf8(names[n - 1]), 12);
    }

    // One period between the first two peaks, marked below the curve.
    const double y = a.py(-8.6);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    for (int n = 1; n <= 2; ++n) {
        p.drawLine(QPointF(a.px(n * period), a.py(displacement(10, w0, g, n * period)) + 4),
                   QPointF(a.px(n * period), y + 4));
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    doubleArrow(p, QPointF(a.px(period), y), QPointF(a.px(2 * period), y));
    p.setBrush(Qt::NoBrush);
    label(p, QPointF(a.px(2 * period) + 6, y + 4.5), QStringLiteral("T = 0.70 s"), 12);

    keyEntry(p, QPointF(52, 187 + 16), QPen(Red, 1.8), QStringLiteral("displacement"));
    keyEntry(p, QPointF(150, 187 + 16), envelope, QStringLiteral("\u00b110 e"));
    // The exponent of the envelope, raised.
    p.setPen(Qt::black);
    setFont(p, 12);
    const double after = 150 + 23 + p.fontMetrics().horizontalAdvance(QStringLiteral("\u00b110 e"));
    label(p, QPointF(after + 1, 197), QStringLiteral("\u22120.40t"), 12);
}

const bool registeredRegimes = addDiagram({"damping", {280, 210}, dampingRegimes});
const bool registeredEnvelope = addDiagram({"dampshm-envelope", {280, 210}, decayEnvelope});

} // namespace
