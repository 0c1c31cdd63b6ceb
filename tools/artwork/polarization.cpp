// Diagrams of the polarization page.
#include "Diagram.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <initializer_list>

namespace {

using namespace Art;

const QColor AmplitudeBlue(0, 0, 200);
const QColor IntensityRed(200, 0, 0);
const QColor Grid(215, 215, 215);
const QColor FieldBlue(0, 0, 220);
const QColor AxisRed(220, 0, 0);
const QColor PassGreen(0, 140, 0);
const QColor LostGrey(140, 140, 140);
const QColor FilterFill(255, 255, 224); // the simulation's light yellow polaroids

// Text in runs, each either on the line or lowered as a subscript: "I", "_1"
// draws I with a subscript 1. Returns the width; `anchor` 0 puts the left end at
// `at`, 0.5 the middle and 1 the right end.
double runs(QPainter &p, QPointF at, std::initializer_list<const char *> parts, double anchor = 0, int size = 13)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(size);
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(12);
    double wide = 0;
    for (const char *part : parts) {
        const bool sub = part[0] == '_';
        wide += QFontMetricsF(sub ? small : f).horizontalAdvance(words(QString::fromUtf8(sub ? part + 1 : part)));
    }
    double x = at.x() - anchor * wide;
    for (const char *part : parts) {
        const bool sub = part[0] == '_';
        const QString text = QString::fromUtf8(sub ? part + 1 : part);
        label(p, QPointF(x, at.y() + (sub ? 4 : 0)), text, sub ? 12 : size);
        x += QFontMetricsF(sub ? small : f).horizontalAdvance(words(text));
    }
    return wide;
}

// Malus's law: the fraction of the field amplitude and of the intensity that
// the analyser passes, against its angle to the polarizer, over a full turn.
void malusLaw(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const double x0 = 44, x1 = 264, y0 = 162, y1 = 52; // theta 0..360 degrees, fraction 0..1
    const auto xAt = [&](double degrees) { return x0 + degrees / 360 * (x1 - x0); };
    const auto yAt = [&](double fraction) { return y0 - fraction * (y0 - y1); };

    // Grid and axes.
    p.setPen(QPen(Grid, 1));
    for (int d = 90; d <= 360; d += 90) {
        p.drawLine(QPointF(xAt(d), y0), QPointF(xAt(d), y1));
    }
    for (double f : {0.5, 1.0}) {
        p.drawLine(QPointF(x0, yAt(f)), QPointF(x1, yAt(f)));
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(x0, y0), QPointF(x1, y0));
    p.drawLine(QPointF(x0, y0), QPointF(x0, y1 - 6));
    for (int d = 0; d <= 360; d += 90) {
        p.drawLine(QPointF(xAt(d), y0), QPointF(xAt(d), y0 + 4));
        centredLabel(p, QPointF(xAt(d), y0 + 17), QString::number(d), 12);
    }
    for (const auto &[f, text] : {std::pair{0.0, "0"}, std::pair{0.5, "0.5"}, std::pair{1.0, "1"}}) {
        p.drawLine(QPointF(x0 - 4, yAt(f)), QPointF(x0, yAt(f)));
        rightLabel(p, QPointF(x0 - 7, yAt(f) + 4), QString::fromLatin1(text));
    }
    centredLabel(p, QPointF((x0 + x1) / 2, y0 + 33), QStringLiteral("angle \u03b8 of the analyser / \u00b0"), 12);
    upwardLabel(p, QPointF(13, (y0 + y1) / 2), QStringLiteral("fraction passed"), 12);

    // The curves, one point per pixel.
    QPainterPath amplitude;
    QPainterPath intensity;
    for (double x = x0; x <= x1 + 0.01; x += 0.5) {
        const double theta = (x - x0) / (x1 - x0) * 2 * Pi;
        const double c = std::cos(theta);
        const QPointF a(x, yAt(std::abs(c)));
        const QPointF b(x, yAt(c * c));
        x == x0 ? amplitude.moveTo(a) : amplitude.lineTo(a);
        x == x0 ? intensity.moveTo(b) : intensity.lineTo(b);
    }
    p.setPen(QPen(AmplitudeBlue, 2));
    p.drawPath(amplitude);
    p.setPen(QPen(IntensityRed, 2, Qt::DashLine));
    p.drawPath(intensity);

    // Key.
    p.setPen(QPen(AmplitudeBlue, 2));
    p.drawLine(QPointF(44, 12), QPointF(68, 12));
    p.setPen(QPen(IntensityRed, 2, Qt::DashLine));
    p.drawLine(QPointF(44, 30), QPointF(68, 30));
    p.setPen(Qt::black);
    label(p, QPointF(74, 16), QStringLiteral("field amplitude  A/A\u2081 = |cos \u03b8|"), 12);
    label(p, QPointF(74, 34), QStringLiteral("intensity  I/I\u2081 = cos\u00b2\u03b8"), 12);
}

// A filter seen face on: a disc with its transmission axis at `axisDegrees`
// from the vertical (clockwise as drawn).
void filter(QPainter &p, QPointF centre, double radius, double axisDegrees)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(FilterFill);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
    const double a = axisDegrees * Pi / 180;
    const QPointF along(radius * std::sin(a), -radius * std::cos(a));
    p.setPen(QPen(AxisRed, 2));
    p.drawLine(centre - along, centre + along);
}

// A double arrow for the electric field's line of oscillation.
void fieldLine(QPainter &p, QPointF centre, double half, double degrees)
{
    const double a = degrees * Pi / 180;
    const QPointF along(half * std::sin(a), -half * std::cos(a));
    p.setPen(QPen(FieldBlue, 2));
    p.setBrush(FieldBlue);
    doubleArrow(p, centre - along, centre + along);
    p.setBrush(Qt::NoBrush);
}

// Unpolarized light, a polarizer, the polarized light, an analyser at theta and
// what passes, with the intensity at each stage.
void setup(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const double beam = 92;
    const double theta = 50;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    arrowLine(p, QPointF(8, beam), QPointF(274, beam));
    p.setBrush(Qt::NoBrush);

    // Unpolarized: the field in every direction across the beam.
    for (int n = 0; n < 4; ++n) {
        fieldLine(p, QPointF(36, beam), 26, 45 * n);
    }
    filter(p, QPointF(96, beam), 30, 0);
    fieldLine(p, QPointF(150, beam), 26, 0);
    filter(p, QPointF(204, beam), 30, theta);
    fieldLine(p, QPointF(248, beam), 26 * std::cos(theta * Pi / 180), theta);

    // The analyser's angle from the vertical.
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawLine(QPointF(204, beam), QPointF(204, beam - 44));
    p.setPen(QPen(Qt::black, 1));
    p.drawArc(QRectF(204 - 20, beam - 20, 40, 40), 90 * 16, int(-theta * 16));
    label(p, QPointF(210, beam - 44), QStringLiteral("\u03b8"), 13);

    p.setPen(Qt::black);
    centredLabel(p, QPointF(96, 24), QStringLiteral("polarizer"), 12);
    centredLabel(p, QPointF(204, 24), QStringLiteral("analyser"), 12);
    centredLabel(p, QPointF(40, 144), QStringLiteral("unpolarized"), 12);
    centredLabel(p, QPointF(150, 144), QStringLiteral("polarized"), 12);
    // Intensities under each stage.
    runs(p, QPointF(40, 164), {"I", "_0"}, 0.5);
    runs(p, QPointF(150, 164), {"I", "_1", " = \u00bdI", "_0"}, 0.5);
    runs(p, QPointF(276, 164), {"I", "_2", " = I", "_1", "cos\u00b2\u03b8"}, 1);
    p.setPen(QPen(AxisRed, 2));
    p.drawLine(QPointF(12, 184), QPointF(28, 184));
    p.setPen(Qt::black);
    label(p, QPointF(34, 188), QStringLiteral("transmission axis"), 12);
    p.setPen(QPen(FieldBlue, 2));
    p.drawLine(QPointF(148, 184), QPointF(164, 184));
    p.setPen(Qt::black);
    label(p, QPointF(170, 188), QStringLiteral("electric field"), 12);
}

// Why cos theta: the field from the polarizer split along and across the analyser's axis.
void components(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF o(124, 192);
    const double e = 140;
    const double theta = 35 * Pi / 180;
    // Unit vectors along the analyser's axis and across it, so that
    // E1 = (E1 cos theta) along + (E1 sin theta) across.
    const QPointF axisDir(std::sin(theta), -std::cos(theta));
    const QPointF acrossDir(-std::cos(theta), -std::sin(theta));
    const QPointF tip = o + QPointF(0, -e);
    const QPointF passed = o + e * std::cos(theta) * axisDir;
    const QPointF absorbed = o + e * std::sin(theta) * acrossDir;

    // The analyser's axis.
    p.setPen(QPen(AxisRed, 1.5, Qt::DashLine));
    p.drawLine(o - 20 * axisDir, o + 168 * axisDir);
    p.setPen(AxisRed);
    runs(p, o + 168 * axisDir + QPointF(4, -2), {"analyser axis"}, 0.5, 12);

    // The sides of the rectangle of components.
    p.setPen(QPen(LostGrey, 1, Qt::DotLine));
    p.drawLine(tip, passed);
    p.drawLine(tip, absorbed);

    p.setPen(QPen(FieldBlue, 2.5));
    p.setBrush(FieldBlue);
    arrowLine(p, o, tip);
    p.setPen(QPen(PassGreen, 2.5));
    p.setBrush(PassGreen);
    arrowLine(p, o, passed);
    p.setPen(QPen(LostGrey, 2.5));
    p.setBrush(LostGrey);
    arrowLine(p, o, absorbed);
    p.setBrush(Qt::NoBrush);

    // The angle between the field and the axis.
    p.setPen(QPen(Qt::black, 1));
    p.drawArc(QRectF(o.x() - 44, o.y() - 44, 88, 88), 90 * 16, -35 * 16);
    runs(p, o + QPointF(6, -50), {"\u03b8"});

    p.setPen(FieldBlue);
    runs(p, tip + QPointF(-8, 6), {"E", "_1"}, 1, 14);
    p.setPen(PassGreen);
    runs(p, passed + QPointF(10, 12), {"E", "_1", " cos \u03b8"});
    runs(p, passed + QPointF(10, 28), {"passes"});
    p.setPen(LostGrey);
    runs(p, QPointF(40, 172), {"E", "_1", " sin \u03b8"}, 0.5);
    runs(p, QPointF(40, 188), {"is absorbed"}, 0.5);
}

const bool registeredMalus = addDiagram({"malus", {280, 200}, malusLaw});
const bool registeredSetup = addDiagram({"polarization-setup", {280, 196}, setup});
const bool registeredComponents = addDiagram({"polarization-components", {280, 220}, components});

} // namespace
