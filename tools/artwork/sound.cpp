// Diagrams of the sound page.
#include "Diagram.h"

#include <QPainterPath>

#include <array>
#include <cmath>

namespace {

using namespace Art;

const QColor Grey(150, 150, 150);
const QColor Red(200, 0, 0);
const QColor Green(0, 140, 0);
const QColor Blue(0, 0, 220);

// A sound wave in air: the layers of air bunched in compressions and spread
// in rarefactions, and below, the excess pressure along the same line.
// The wavelength is that of a 262 Hz note at 330 m/s, 1.26 m.
void longitudinal(QPainter &p)
{
    const double x0 = 30;
    const double width = 240;
    const double lambda = 160; // pixels: 1.26 m
    const double k = 2 * Pi / lambda;
    const double pixelsPerMetre = lambda / (330.0 / 262.0);

    // Layers of air: each displaced by s = a sin(k (x + 40)), so that the
    // compressions (ds/dx most negative) fall at x = 40 and 200.
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    for (double x = 0; x <= width; x += 6) {
        const double shifted = x + 12 * std::sin(k * (x + 40));
        if (shifted >= 0 && shifted <= width) {
            p.drawLine(QPointF(x0 + shifted, 30), QPointF(x0 + shifted, 74));
        }
    }
    p.setPen(Qt::black);
    arrowLine(p, QPointF(x0 + 150, 16), QPointF(x0 + 232, 16));
    label(p, QPointF(x0, 21), QStringLiteral("wave travels"), 12);
    label(p, QPointF(x0 + 40 - 4, 90), QStringLiteral("C"), 13, true);
    label(p, QPointF(x0 + 120 - 4, 90), QStringLiteral("R"), 13, true);
    label(p, QPointF(x0 + 200 - 4, 90), QStringLiteral("C"), 13, true);
    doubleArrow(p, QPointF(x0 + 40, 100), QPointF(x0 + 200, 100));
    p.fillRect(QRectF(x0 + 110, 92, 20, 16), Qt::white);
    centredLabel(p, QPointF(x0 + 120, 105), QStringLiteral("\u03bb"), 13, true);

    // Excess pressure, -ds/dx: greatest at the compressions.
    label(p, QPointF(x0 + 12, 122), QStringLiteral("C compression, R rarefaction"), 12);
    const double axis = 168;
    const double amplitude = 30;
    p.setPen(Grey);
    p.drawLine(QPointF(x0, axis), QPointF(x0 + width, axis));
    p.setPen(Qt::black);
    p.drawLine(QPointF(x0, axis - amplitude - 8), QPointF(x0, axis + amplitude + 4));
    QPainterPath curve;
    for (int i = 0; i <= int(width); ++i) {
        const QPointF pt(x0 + i, axis + amplitude * std::cos(k * (i + 40)));
        i == 0 ? curve.moveTo(pt) : curve.lineTo(pt);
    }
    p.setPen(QPen(Blue, 2));
    p.drawPath(curve);
    p.setPen(Qt::black);
    label(p, QPointF(2, axis - amplitude - 8), QStringLiteral("\u0394p"), 12);
    label(p, QPointF(20, axis + 4), QStringLiteral("0"), 12);
    for (double metres : {0.0, 0.5, 1.0, 1.5}) {
        const double x = x0 + metres * pixelsPerMetre;
        p.drawLine(QPointF(x, axis + amplitude + 4), QPointF(x, axis + amplitude + 8));
        centredLabel(p, QPointF(x, axis + amplitude + 21), QString::number(metres, 'f', 1), 12);
    }
    p.drawLine(QPointF(x0, axis + amplitude + 4), QPointF(x0 + width, axis + amplitude + 4));
    centredLabel(p, QPointF(x0 + width / 2, 238), QStringLiteral("distance x / m"), 12);
}

// Odd harmonics adding up towards a square wave: f, 3f and 5f with the
// amplitudes 24, 8 and 5 of the sliders, at 262 Hz.
void adding(QPainter &p)
{
    const double x0 = 34;
    const double pixelsPerMs = 60;
    const double f = 262;
    const double yScale = 1.2; // pixels per amplitude unit
    const std::array<double, 3> amplitudes{24, 8, 5};
    const std::array<int, 3> harmonics{1, 3, 5};
    const std::array<QColor, 3> colours{Red, Green, Blue};
    const double top = 62;
    const double bottom = 146;

    const auto axes = [&](double axis) {
        p.setPen(Grey);
        p.drawLine(QPointF(x0, axis), QPointF(x0 + 240, axis));
        p.setPen(Qt::black);
        p.drawLine(QPointF(x0, axis - 32), QPointF(x0, axis + 32));
        for (int a : {-24, 0, 24}) {
            const double y = axis - a * yScale;
            p.drawLine(QPointF(x0 - 4, y), QPointF(x0, y));
            const QString text = a < 0 ? QStringLiteral("\u2212%1").arg(-a) : QString::number(a);
            label(p, QPointF(x0 - 6 - 7 * text.size(), y + 4), text, 12);
        }
    };
    const auto curve = [&](double axis, auto y) {
        QPainterPath path;
        for (int i = 0; i <= 240; ++i) {
            const double t = i / pixelsPerMs / 1000;
            const QPointF pt(x0 + i, axis - yScale * y(t));
            i == 0 ? path.moveTo(pt) : path.lineTo(pt);
        }
        p.drawPath(path);
    };

    axes(top);
    for (std::size_t n = 0; n < 3; ++n) {
        p.setPen(QPen(colours[n], 1.6));
        curve(top, [&](double t) { return amplitudes[n] * std::sin(2 * Pi * harmonics[n] * f * t); });
    }
    axes(bottom);
    p.setPen(QPen(Qt::black, 2));
    curve(bottom, [&](double t) {
        double sum = 0;
        for (std::size_t n = 0; n < 3; ++n) {
            sum += amplitudes[n] * std::sin(2 * Pi * harmonics[n] * f * t);
        }
        return sum;
    });

    // The key.
    const std::array<const char *, 3> names{"f, A = 24", "3f, A = 8", "5f, A = 5"};
    double x = 4;
    for (std::size_t n = 0; n < 3; ++n) {
        p.setPen(QPen(colours[n], 2));
        p.drawLine(QPointF(x, 12), QPointF(x + 14, 12));
        p.setPen(Qt::black);
        label(p, QPointF(x + 18, 16), QString::fromLatin1(names[n]), 12);
        x += 92;
    }
    label(p, QPointF(x0 + 6, bottom - 34), QStringLiteral("sum"), 12, true);

    p.setPen(Qt::black);
    const double axisY = bottom + 36;
    p.drawLine(QPointF(x0, axisY), QPointF(x0 + 240, axisY));
    for (int ms = 0; ms <= 4; ++ms) {
        const double xt = x0 + ms * pixelsPerMs;
        p.drawLine(QPointF(xt, axisY), QPointF(xt, axisY + 4));
        centredLabel(p, QPointF(xt, axisY + 17), QString::number(ms), 12);
    }
    centredLabel(p, QPointF(x0 + 120, axisY + 33), QStringLiteral("time t / ms"), 12);
}

// The spectrum of the same tone: the amplitude of each component against
// its frequency.
void spectrum(QPainter &p)
{
    const double x0 = 40;
    const double y0 = 150;
    const double pixelsPerHz = 220.0 / 1400;
    const double pixelsPerUnit = 3.6;
    const std::array<int, 5> amplitudes{24, 0, 8, 0, 5};

    p.setPen(Qt::black);
    p.drawLine(QPointF(x0, y0), QPointF(x0 + 230, y0));
    p.drawLine(QPointF(x0, y0), QPointF(x0, y0 - 32 * pixelsPerUnit - 6));
    for (int a = 0; a <= 32; a += 8) {
        const double y = y0 - a * pixelsPerUnit;
        p.drawLine(QPointF(x0 - 4, y), QPointF(x0, y));
        const QString text = QString::number(a);
        label(p, QPointF(x0 - 8 - 7 * text.size(), y + 4), text, 12);
    }
    label(p, QPointF(4, 12), QStringLiteral("amplitude A"), 12);
    for (int n = 1; n <= 5; ++n) {
        const double x = x0 + 262 * n * pixelsPerHz;
        p.drawLine(QPointF(x, y0), QPointF(x, y0 + 4));
        centredLabel(p, QPointF(x, y0 + 17), QString::number(262 * n), 12);
        const double a = amplitudes[std::size_t(n - 1)];
        if (a > 0) {
            p.fillRect(QRectF(x - 5, y0 - a * pixelsPerUnit, 10, a * pixelsPerUnit), Blue);
        } else {
            p.setPen(Grey);
            centredLabel(p, QPointF(x, y0 - 6), QStringLiteral("0"), 12);
            p.setPen(Qt::black);
        }
    }
    centredLabel(p, QPointF(x0 + 115, y0 + 34), QStringLiteral("frequency f / Hz"), 12);
}

const bool registeredLongitudinal = addDiagram({"sound-longitudinal", {280, 244}, longitudinal});
const bool registeredAdding = addDiagram({"sound-adding", {280, 222}, adding});
const bool registeredSpectrum = addDiagram({"sound-spectrum", {280, 190}, spectrum});

} // namespace
