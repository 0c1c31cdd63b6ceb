// Diagrams of the resonance page: the steady-state response of the driven
// oscillator of the simulation (natural frequency 5 Hz, amplitude
// 1500 / sqrt((w0^2 - w^2)^2 + 4 b^2 w^2), b = damping setting x 10 per second).
#include "Diagram.h"

#include <QPainterPath>

#include <cmath>

namespace {

using namespace Art;

const QColor Red(200, 0, 0);
const QColor Green(0, 128, 0);
const QColor Blue(0, 0, 200);
const QColor Grid(205, 205, 205);

const double W0 = 10 * Pi; // rad/s, so f0 = 5 Hz

// The three damping settings drawn, as the page's label shows them.
const struct
{
    double setting;
    QColor colour;
    const char *name;
} Settings[] = {{0.25, Red, "damping 0.25"}, {1.00, Green, "damping 1.00"}, {2.00, Blue, "damping 2.00"}};

double amplitude(double f, double setting)
{
    const double w = 2 * Pi * f, b = 10 * setting;
    return 1500 / std::sqrt((W0 * W0 - w * w) * (W0 * W0 - w * w) + 4 * b * b * w * w);
}

// Phase lag of the mass behind the driving force, in degrees (0..180).
double phaseLag(double f, double setting)
{
    const double w = 2 * Pi * f, b = 10 * setting;
    return std::atan2(2 * b * w, W0 * W0 - w * w) * 180 / Pi;
}

// A plot area: frequency 0..10 Hz across, y from 0 to yMax up.
struct Axes
{
    double left;
    double top;
    double right;
    double bottom;
    double yMax;

    double px(double f) const { return left + (right - left) * f / 10; }
    double py(double y) const { return bottom - (bottom - top) * y / yMax; }
};

void setFont(QPainter &p, int size)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(size);
    p.setFont(f);
}

// Grid, frame, ticks, labels and axis titles; y ticks every yStep.
void drawAxes(QPainter &p, const Axes &a, double yStep, const QString &yTitle)
{
    p.setPen(QPen(Grid, 1));
    for (int f = 1; f <= 10; ++f) {
        p.drawLine(QPointF(a.px(f), a.top), QPointF(a.px(f), a.bottom));
    }
    for (double y = yStep; y <= a.yMax + 1e-9; y += yStep) {
        p.drawLine(QPointF(a.left, a.py(y)), QPointF(a.right, a.py(y)));
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(a.left, a.top), QPointF(a.left, a.bottom));
    p.drawLine(QPointF(a.left, a.bottom), QPointF(a.right, a.bottom));
    for (int f = 0; f <= 10; f += 2) {
        p.drawLine(QPointF(a.px(f), a.bottom), QPointF(a.px(f), a.bottom + 4));
        centredLabel(p, QPointF(a.px(f), a.bottom + 16), QString::number(f), 12);
    }
    setFont(p, 12);
    for (double y = 0; y <= a.yMax + 1e-9; y += yStep) {
        p.drawLine(QPointF(a.left - 4, a.py(y)), QPointF(a.left, a.py(y)));
        const QString text = QString::number(y);
        rightLabel(p, QPointF(a.left - 6, a.py(y) + 4.5), text);
    }
    centredLabel(p, QPointF((a.left + a.right) / 2, a.bottom + 31), QStringLiteral("driving frequency (Hz)"), 12);
    upwardLabel(p, QPointF(12, (a.top + a.bottom) / 2), yTitle, 12);
}

// y(f) across the axes, two points per pixel, clipped to the plot.
template<typename F>
QPainterPath curve(const Axes &a, F y)
{
    QPainterPath path;
    const int steps = int(std::lround((a.right - a.left) * 2));
    for (int i = 0; i <= steps; ++i) {
        const double f = 10.0 * i / steps;
        const QPointF pt(a.px(f), a.py(std::min(y(f), a.yMax)));
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    return path;
}

// The natural frequency: a dashed line at 5 Hz.
void naturalFrequency(QPainter &p, const Axes &a)
{
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawLine(QPointF(a.px(5), a.top), QPointF(a.px(5), a.bottom));
}

// A key of the three settings, one entry a line, the first baseline at `at`.
void key(QPainter &p, QPointF at)
{
    for (const auto &s : Settings) {
        p.setPen(QPen(s.colour, 2));
        p.drawLine(at + QPointF(0, -4), at + QPointF(18, -4));
        p.setPen(Qt::black);
        label(p, at + QPointF(23, 0), QString::fromLatin1(s.name), 12);
        at += QPointF(0, 15);
    }
}

// Amplitude against driving frequency at three damping settings.
void responseCurves(QPainter &p)
{
    const Axes a{40, 24, 268, 166, 10};
    centredLabel(p, QPointF(140, 15), QStringLiteral("Amplitude against frequency"), 13, true);
    drawAxes(p, a, 2, QStringLiteral("amplitude"));
    naturalFrequency(p, a);
    for (const auto &s : Settings) {
        p.setPen(QPen(s.colour, 2));
        p.drawPath(curve(a, [&](double f) { return amplitude(f, s.setting); }));
    }
    p.setPen(Qt::black);
    // Left of the dashed line, clear of the sharp peak.
    const QString f0 = QStringLiteral("f\u2080 = 5 Hz");
    rightLabel(p, QPointF(a.px(5) - 8, a.py(9)), f0);
    key(p, QPointF(a.px(6.0), a.py(7.6)));
}

// Phase lag of the mass behind the driver at the same three settings.
void phaseCurves(QPainter &p)
{
    const Axes a{40, 24, 268, 166, 180};
    centredLabel(p, QPointF(140, 15), QStringLiteral("Phase lag behind the driver"), 13, true);
    drawAxes(p, a, 45, QStringLiteral("phase lag (degrees)"));
    naturalFrequency(p, a);
    for (const auto &s : Settings) {
        p.setPen(QPen(s.colour, 2));
        p.drawPath(curve(a, [&](double f) { return phaseLag(f, s.setting); }));
    }
    p.setPen(Qt::black);
    label(p, QPointF(a.px(5) + 4, a.py(8)), QStringLiteral("f\u2080 = 5 Hz"), 12);
    key(p, QPointF(a.px(0.25), a.py(162)));
}

const bool registeredCurves = addDiagram({"resonance-curves", {280, 206}, responseCurves});
const bool registeredPhase = addDiagram({"resonance-phase", {280, 206}, phaseCurves});

} // namespace
