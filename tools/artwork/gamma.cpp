// Diagrams of the gamma page.
#include "Diagram.h"

#include <QPainterPath>

#include <cmath>

namespace {

using namespace Art;

const QColor RayColour(220, 90, 0);
const QColor Grid(215, 215, 215);

// The inverse-square law: the rays that cross an area A at distance d spread
// over 4A at 2d. Drawn in an oblique view, so that straight rays stay straight.
void inverseSquare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF source(24, 86);
    const double d = 84; // pixels from the source to the first square
    // A point X along the bench, Y up, Z into the page.
    const auto at = [&](double x, double y, double z) { return source + QPointF(x + 0.6 * z, -y - 0.3 * z); };
    const auto square = [&](double x, double half) {
        return QPolygonF{at(x, -half, -half), at(x, half, -half), at(x, half, half), at(x, -half, half)};
    };
    const double a = 16; // half the side of the first square

    // The far square, divided into four squares of area A.
    p.setPen(QPen(QColor(0, 0, 150), 1));
    p.setBrush(QColor(200, 215, 255));
    p.drawPolygon(square(2 * d, 2 * a));
    p.drawLine(at(2 * d, 0, -2 * a), at(2 * d, 0, 2 * a));
    p.drawLine(at(2 * d, -2 * a, 0), at(2 * d, 2 * a, 0));

    // The rays through the corners, then the near square over them.
    p.setPen(QPen(RayColour, 1.5));
    for (const double y : {-1.0, 1.0}) {
        for (const double z : {-1.0, 1.0}) {
            p.drawLine(source, at(2 * d, 2 * a * y, 2 * a * z));
        }
    }
    p.setPen(QPen(QColor(0, 0, 150), 1));
    p.setBrush(QColor(160, 185, 255, 200));
    p.drawPolygon(square(d, a));

    // The source.
    p.setPen(Qt::black);
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(QRectF(source.x() - 16, source.y() - 9, 14, 18));
    p.setBrush(Qt::red);
    p.drawEllipse(source, 3, 3);

    p.setPen(Qt::black);
    centredLabel(p, at(d, 0, 0) + QPointF(0, -30), QStringLiteral("area A"), 12);
    centredLabel(p, at(2 * d, 0, 0) + QPointF(0, -50), QStringLiteral("area 4A"), 12);
    centredLabel(p, at(d, 0, 0) + QPointF(0, 34), QStringLiteral("rate R"), 12);
    centredLabel(p, at(2 * d, 0, 0) + QPointF(0, 58), QStringLiteral("rate R/4"), 12);
    label(p, QPointF(4, 116), QStringLiteral("source"), 12);

    // The two distances, measured along the bench.
    p.setPen(QPen(Qt::black, 1));
    const double y1 = 162;
    const double y2 = 180;
    doubleArrow(p, QPointF(source.x(), y1), QPointF(source.x() + d, y1));
    doubleArrow(p, QPointF(source.x(), y2), QPointF(source.x() + 2 * d, y2));
    for (const double x : {source.x(), source.x() + d, source.x() + 2 * d}) {
        p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
        p.drawLine(QPointF(x, x == source.x() ? 98 : 150), QPointF(x, y2 + 4));
    }
    p.setPen(Qt::black);
    label(p, QPointF(source.x() + d + 6, y1 + 4), QStringLiteral("d"), 13, true);
    label(p, QPointF(source.x() + 2 * d + 6, y2 + 4), QStringLiteral("2d"), 13, true);
}

// The count rate against absorber thickness with the detector at 200 mm:
// the model's exponential fall and its whole-number rates.
void absorption(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const double left = 48, right = 268, top = 14, bottom = 152;
    const double r0 = 250; // per second, no absorber, detector at 200 mm
    const double mu = 0.346; // per mm
    const auto px = [&](double t) { return left + (right - left) * t / 10; };
    const auto py = [&](double r) { return bottom - (bottom - top) * r / 250; };

    // Grid, ticks and tick labels.
    for (int t = 0; t <= 10; t += 2) {
        p.setPen(Grid);
        p.drawLine(QPointF(px(t), top), QPointF(px(t), bottom));
        p.setPen(Qt::black);
        p.drawLine(QPointF(px(t), bottom), QPointF(px(t), bottom + 4));
        centredLabel(p, QPointF(px(t), bottom + 17), QString::number(t), 12);
    }
    for (int r = 0; r <= 250; r += 50) {
        p.setPen(Grid);
        p.drawLine(QPointF(left, py(r)), QPointF(right, py(r)));
        p.setPen(Qt::black);
        p.drawLine(QPointF(left - 4, py(r)), QPointF(left, py(r)));
        rightLabel(p, QPointF(left - 7, py(r) + 4), QString::number(r));
    }
    p.setPen(Qt::black);
    p.drawLine(QPointF(left, top), QPointF(left, bottom));
    p.drawLine(QPointF(left, bottom), QPointF(right, bottom));
    centredLabel(p, QPointF((left + right) / 2, 194), QStringLiteral("absorber thickness T (mm)"), 12);
    upwardLabel(p, QPointF(13, (top + bottom) / 2), QStringLiteral("count rate (per second)"), 12);

    // Each half-value thickness (2.0 mm) halves the rate.
    const double half = std::log(2.0) / mu;
    p.setPen(QPen(QColor(0, 140, 0), 1.5, Qt::DashLine));
    for (const int k : {1, 2}) {
        const double t = k * half;
        const double r = r0 * std::exp(-mu * t);
        p.drawLine(QPointF(px(t), bottom), QPointF(px(t), py(r)));
        p.drawLine(QPointF(px(t), py(r)), QPointF(left, py(r)));
    }

    // The model's curve, then its whole-number rates.
    QPainterPath curve;
    for (int i = 0; i <= 200; ++i) {
        const double t = i / 20.0;
        const QPointF pt(px(t), py(r0 * std::exp(-mu * t)));
        i == 0 ? curve.moveTo(pt) : curve.lineTo(pt);
    }
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 220));
    for (int t = 0; t <= 10; ++t) {
        p.drawEllipse(QPointF(px(t), py(std::nearbyint(r0 * std::exp(-mu * t)))), 3, 3);
    }

    // The key, in the empty upper right.
    const double kx = 132;
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.drawLine(QPointF(kx, 26), QPointF(kx + 18, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 220));
    p.drawEllipse(QPointF(kx + 9, 44), 3, 3);
    p.setPen(QPen(QColor(0, 140, 0), 1.5, Qt::DashLine));
    p.drawLine(QPointF(kx, 62), QPointF(kx + 18, 62));
    p.setPen(Qt::black);
    label(p, QPointF(kx + 24, 30), QStringLiteral("250 exp(-0.346 T)"), 12);
    label(p, QPointF(kx + 24, 48), QStringLiteral("whole-number rates"), 12);
    label(p, QPointF(kx + 24, 66), QStringLiteral("every 2.0 mm: half"), 12);
}

const bool registeredSquare = addDiagram({"gamma-inverse-square", {280, 190}, inverseSquare});
const bool registeredAbsorption = addDiagram({"gamma-absorption", {280, 200}, absorption});

} // namespace
