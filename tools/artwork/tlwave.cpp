// Diagrams of the tlwave page: a transverse wave with its terms and the
// velocities of its particles, and a longitudinal wave under its graph of
// displacement against position.
#include "Diagram.h"

#include <QPainterPath>

#include <cmath>

namespace {

using namespace Art;

const QColor Blue(0, 0, 220);
const QColor Red(220, 0, 0);
const QColor Grey(150, 150, 150);
const QColor Green(0, 130, 0);

// A snapshot of a wave travelling to the left, y = A cos(k (x - 60) + w t) at
// t = 0, drawn upward from the midline: crests at x = 60 and 220, a trough at
// 140, wavelength 160 pixels. Each particle's velocity is -A w sin(k (x - 60)),
// drawn as an arrow up to 24 pixels long.
void transverseSnapshot(QPainter &p)
{
    constexpr double Mid = 92;
    constexpr double Amp = 40;
    constexpr double Lambda = 160;
    const auto phase = [](double x) { return 2 * Pi * (x - 60) / Lambda; };
    const auto height = [&](double x) { return Mid - Amp * std::cos(phase(x)); };

    p.setPen(QPen(Grey, 1, Qt::DashLine));
    p.drawLine(QPointF(14, Mid), QPointF(266, Mid));

    QPainterPath curve;
    for (int x = 20; x <= 260; ++x) {
        const QPointF pt(x, height(x));
        x == 20 ? curve.moveTo(pt) : curve.lineTo(pt);
    }
    p.setPen(QPen(Qt::black, 1.2));
    p.drawPath(curve);

    // Velocity arrows first, so the particles sit on top of their tails.
    p.setPen(QPen(Green, 1.6));
    for (int x = 20; x <= 260; x += 20) {
        const double v = -24 * std::sin(phase(x)); // upward positive
        if (std::abs(v) >= 5) {
            const QPointF from(x, height(x));
            arrowLine(p, from, from - QPointF(0, v + (v > 0 ? 5 : -5)));
        }
    }
    for (int x = 20; x <= 260; x += 20) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(x == 100 ? Red : Blue);
        p.drawEllipse(QPointF(x, height(x)), 4.5, 4.5);
    }
    p.setBrush(Qt::NoBrush);

    // Wavelength, crest to crest.
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(60, 46), QPointF(60, 26));
    p.drawLine(QPointF(220, 46), QPointF(220, 26));
    doubleArrow(p, QPointF(61, 31), QPointF(219, 31));
    p.setPen(Qt::black);
    centredLabel(p, QPointF(140, 25), QStringLiteral("wavelength \u03bb"), 13);

    // Amplitude, midline to crest, beside the right-hand crest.
    p.setPen(QPen(Grey, 1, Qt::DashLine));
    p.drawLine(QPointF(226, Mid - Amp), QPointF(276, Mid - Amp));
    p.setPen(QPen(Qt::black, 1));
    doubleArrow(p, QPointF(271, Mid - 1), QPointF(271, Mid - Amp + 1));
    label(p, QPointF(256, Mid - 14), QStringLiteral("A"), 13, true);

    label(p, QPointF(226, 45), QStringLiteral("crest"), 12);
    centredLabel(p, QPointF(140, Mid + Amp + 22), QStringLiteral("trough"), 12);

    // Direction of travel.
    p.setPen(QPen(Qt::black, 1.5));
    arrowLine(p, QPointF(262, 172), QPointF(190, 172));
    p.setPen(Qt::black);
    label(p, QPointF(168, 192), QStringLiteral("direction of travel"), 12);

    // Key.
    p.setPen(QPen(Green, 1.6));
    arrowLine(p, QPointF(14, 188), QPointF(14, 170));
    p.setPen(Qt::black);
    label(p, QPointF(22, 178), QStringLiteral("particle velocity"), 12);
    p.setBrush(Red);
    p.drawEllipse(QPointF(18, 198), 4.5, 4.5);
    p.setBrush(Qt::NoBrush);
    label(p, QPointF(27, 203), QStringLiteral("highlighted particle"), 12);
}

// A longitudinal wave of wavelength 20 cm and amplitude 1.5 cm at one
// instant, s = A sin(k x) (displacement to the right positive). Above: s
// against rest position x; below: the row of coils, each moved by s from
// its rest position (grey ticks). The coils bunch where s falls through
// zero (compression, x = 10 cm) and spread where it rises through zero
// (rarefaction, x = 0 and 20 cm).
void longitudinalRow(QPainter &p)
{
    constexpr double Left = 40; // x = 0 cm
    constexpr double PxPerCm = 7.5; // 0..30 cm across 225 pixels
    constexpr double GraphMid = 58;
    constexpr double GraphPxPerCm = 18;
    constexpr double Amp = 1.5; // cm
    const auto s = [](double xCm) { return Amp * std::sin(2 * Pi * xCm / 20); };
    const auto px = [](double xCm) { return Left + PxPerCm * xCm; };

    // Axes of the graph.
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(Left, 18), QPointF(Left, 98));
    p.drawLine(QPointF(Left, GraphMid), QPointF(px(30) + 4, GraphMid));
    for (int v = -2; v <= 2; v += 2) {
        const double y = GraphMid - GraphPxPerCm * v;
        p.drawLine(QPointF(Left - 4, y), QPointF(Left, y));
        const QString text = v > 0 ? QStringLiteral("+%1").arg(v)
                                   : QString::number(v).replace(QLatin1Char('-'), QChar(0x2212));
        label(p, QPointF(Left - 8 - (v == 0 ? 7 : 15), y + 4.5), text, 12);
    }
    for (int x = 0; x <= 30; x += 10) {
        p.drawLine(QPointF(px(x), GraphMid), QPointF(px(x), GraphMid + 4));
    }
    upwardLabel(p, QPointF(13, GraphMid), QStringLiteral("s / cm"), 12);

    // The curve.
    QPainterPath curve;
    for (int i = 0; i <= 300; ++i) {
        const double x = i / 10.0;
        const QPointF pt(px(x), GraphMid - GraphPxPerCm * s(x));
        i == 0 ? curve.moveTo(pt) : curve.lineTo(pt);
    }
    p.setPen(QPen(Blue, 1.6));
    p.drawPath(curve);

    // Guides at the compression and the rarefactions.
    p.setPen(QPen(Grey, 1, Qt::DashLine));
    for (int x : {0, 10, 20, 30}) {
        if (x > 0) {
            p.drawLine(QPointF(px(x), 20), QPointF(px(x), 98));
        }
        p.drawLine(QPointF(px(x), 134), QPointF(px(x), 188));
    }

    // Tick labels of the position axis, between graph and row.
    p.setPen(Qt::black);
    for (int x = 0; x <= 30; x += 10) {
        const QString text = QString::number(x);
        const double w = text.size() * 7.0;
        p.fillRect(QRectF(px(x) - w / 2 - 1, 101, w + 2, 14), Qt::white);
        centredLabel(p, QPointF(px(x), 113), text, 12);
    }
    label(p, QPointF(Left + 2, 128), QStringLiteral("rest position x / cm"), 12);
    label(p, QPointF(Left + 4, 12), QStringLiteral("s: displacement, to the right +"), 12);

    // The row of coils, 1 cm apart at rest.
    for (int i = 0; i <= 30; ++i) {
        const double rest = px(i);
        p.setPen(QPen(Grey, 1));
        p.drawLine(QPointF(rest, 183), QPointF(rest, 188));
        const double x = px(i + s(i));
        p.setPen(QPen(Blue, 1.6));
        p.drawLine(QPointF(x, 138), QPointF(x, 180));
    }

    p.setPen(Qt::black);
    centredLabel(p, QPointF(px(0), 204), QStringLiteral("R"), 13, true);
    centredLabel(p, QPointF(px(10), 204), QStringLiteral("C"), 13, true);
    centredLabel(p, QPointF(px(20), 204), QStringLiteral("R"), 13, true);
    centredLabel(p, QPointF(px(30), 204), QStringLiteral("C"), 13, true);
    label(p, QPointF(8, 222), QStringLiteral("C compression   R rarefaction"), 12);
    label(p, QPointF(8, 238), QStringLiteral("grey ticks: rest positions of the coils"), 12);
}

const bool registeredTransverse = addDiagram({"tlwave-transverse", {280, 210}, transverseSnapshot});
const bool registeredLongitudinal = addDiagram({"tlwave-longitudinal", {280, 246}, longitudinalRow});

} // namespace
