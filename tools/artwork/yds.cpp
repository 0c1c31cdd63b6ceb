// Diagrams of the yds page.
#include "Diagram.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

using namespace Art;

// Two slits, a screen and the path difference d sin(theta) to a point P
// (not to scale: d is drawn far larger than it is beside D).
void doubleSlitGeometry(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const double barrier = 44;
    const double screen = 244;
    const QPointF s1(barrier, 82);
    const QPointF s2(barrier, 122);
    const QPointF middle(barrier, 102);
    const QPointF target(screen, 26);

    // The barrier with its two slits, and the screen.
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(QPointF(barrier, 14), s1 - QPointF(0, 4));
    p.drawLine(s1 + QPointF(0, 4), s2 - QPointF(0, 4));
    p.drawLine(s2 + QPointF(0, 4), QPointF(barrier, 176));
    p.setPen(QPen(QColor(110, 110, 110), 5));
    p.drawLine(QPointF(screen, 10), QPointF(screen, 176));

    // The centre line and the line to P, with the angle between them.
    p.setPen(QPen(QColor(0, 0, 180), 1, Qt::DashLine));
    p.drawLine(middle, QPointF(screen, 102));
    p.drawLine(middle, target);
    const QPointF toTarget = target - middle;
    const double theta = std::atan2(-toTarget.y(), toTarget.x());
    p.setPen(QPen(QColor(0, 0, 180), 1.2));
    p.drawArc(QRectF(middle - QPointF(62, 62), QSizeF(124, 124)), 0, int(theta * 180 / Pi * 16));
    p.setPen(QColor(0, 0, 180));
    label(p, QPointF(110, 98), QStringLiteral("\u03b8"), 14, true);

    // The two rays to P.
    p.setPen(QPen(QColor(200, 0, 0), 1.6));
    p.drawLine(s1, target);
    p.drawLine(s2, target);

    // The foot of the perpendicular from S1 on the ray from S2: the extra path.
    const QPointF u = (target - s2) / std::hypot(target.x() - s2.x(), target.y() - s2.y());
    const QPointF a = s1 - s2;
    const QPointF foot = s2 + (a.x() * u.x() + a.y() * u.y()) * u;
    p.setPen(QPen(QColor(0, 120, 0), 1, Qt::DotLine));
    p.drawLine(s1, foot);
    p.setPen(QPen(QColor(0, 140, 0), 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(s2, foot);
    p.setPen(QPen(QColor(0, 120, 0), 1.2));
    arrowLine(p, QPointF(86, 148), foot + QPointF(3, 5));
    p.setPen(QColor(0, 120, 0));
    label(p, QPointF(68, 164), QStringLiteral("path difference"), 13);
    label(p, QPointF(68, 179), QStringLiteral("= d sin \u03b8"), 13, true);

    // Marked distances.
    p.setPen(Qt::black);
    doubleArrow(p, QPointF(24, s1.y()), QPointF(24, s2.y()));
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(20, s1.y()), QPointF(barrier - 3, s1.y()));
    p.drawLine(QPointF(20, s2.y()), QPointF(barrier - 3, s2.y()));
    label(p, QPointF(6, 107), QStringLiteral("d"), 15, true);
    label(p, QPointF(barrier + 5, s1.y() - 4), QStringLiteral("S\u2081"), 12);
    label(p, QPointF(barrier + 5, s2.y() + 15), QStringLiteral("S\u2082"), 12);

    doubleArrow(p, QPointF(barrier, 196), QPointF(screen, 196));
    p.fillRect(QRectF(134, 186, 16, 16), Qt::white);
    centredLabel(p, QPointF(142, 201), QStringLiteral("D"), 15, true);

    doubleArrow(p, QPointF(262, 102), QPointF(262, target.y()));
    label(p, QPointF(267, 69), QStringLiteral("y"), 14, true);
    label(p, QPointF(226, 22), QStringLiteral("P"), 14, true);
    label(p, QPointF(screen + 6, 122), QStringLiteral("O"), 13, true);
}

// The brightness across the screen at the page's starting settings: the real
// cos^2 fringes and the linear shading the simulation paints.
void fringeProfile(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plot(44, 38, 222, 118);
    const double w = 4.2; // mm: 700 nm, d = 0.50 mm, D = 3.00 m
    const auto px = [&](double y) { return plot.left() + (y + 10) / 20 * plot.width(); };
    const auto py = [&](double i) { return plot.bottom() - i * plot.height(); };

    // Grid, axes and ticks.
    p.setPen(QPen(QColor(225, 225, 225), 1));
    for (int y = -10; y <= 10; y += 5) {
        p.drawLine(QPointF(px(y), plot.top()), QPointF(px(y), plot.bottom()));
    }
    p.drawLine(QPointF(plot.left(), py(0.5)), QPointF(plot.right(), py(0.5)));
    p.drawLine(QPointF(plot.left(), py(1)), QPointF(plot.right(), py(1)));
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    for (int y = -10; y <= 10; y += 5) {
        p.drawLine(QPointF(px(y), plot.bottom()), QPointF(px(y), plot.bottom() + 4));
        centredLabel(p, QPointF(px(y), plot.bottom() + 17), QString::number(y), 12);
    }
    for (const auto &[i, text] : {std::pair{0.0, "0"}, std::pair{0.5, "0.5"}, std::pair{1.0, "1"}}) {
        p.drawLine(QPointF(plot.left() - 4, py(i)), QPointF(plot.left(), py(i)));
        rightLabel(p, QPointF(plot.left() - 7, py(i) + 5), QString::fromLatin1(text));
    }
    centredLabel(p, QPointF(plot.center().x(), plot.bottom() + 33), QStringLiteral("position on screen y / mm"), 12);
    upwardLabel(p, QPointF(14, plot.center().y()), QStringLiteral("relative intensity"), 12);

    // The simulation's shading: full at each centre, falling linearly to
    // nothing half a spacing away.
    QPainterPath shading;
    QPainterPath real;
    for (int i = 0; i <= 800; ++i) {
        const double y = -10 + 20.0 * i / 800;
        const double k = std::round(y / w);
        const double lin = std::max(0.0, 1 - std::fabs(y - k * w) / (w / 2));
        const double cos2 = std::pow(std::cos(Pi * y / w), 2);
        const QPointF a(px(y), py(lin));
        const QPointF b(px(y), py(cos2));
        if (i == 0) {
            shading.moveTo(a);
            real.moveTo(b);
        } else {
            shading.lineTo(a);
            real.lineTo(b);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.drawPath(real);
    p.setPen(QPen(QColor(90, 90, 90), 1.4, Qt::DashLine));
    p.drawPath(shading);

    // The spacing between the central and the first bright fringe.
    p.setPen(QPen(QColor(0, 0, 180), 1));
    doubleArrow(p, QPointF(px(0), plot.top() - 6), QPointF(px(w), plot.top() - 6));
    p.setPen(QColor(0, 0, 180));
    label(p, QPointF(px(w) + 4, plot.top() - 2), QStringLiteral("w = 4.2 mm"), 12, true);

    // Key.
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.drawLine(QPointF(8, 12), QPointF(26, 12));
    p.setPen(Qt::black);
    label(p, QPointF(30, 16), QStringLiteral("cos\u00b2 (real)"), 12);
    p.setPen(QPen(QColor(90, 90, 90), 1.4, Qt::DashLine));
    p.drawLine(QPointF(118, 12), QPointF(136, 12));
    p.setPen(Qt::black);
    label(p, QPointF(140, 16), QStringLiteral("simulation's shading"), 12);
}

const bool registeredGeometry = addDiagram({"yds-geometry", {280, 206}, doubleSlitGeometry});
const bool registeredProfile = addDiagram({"yds-fringes", {280, 200}, fringeProfile});

} // namespace
