// Diagrams of the multislit page.
#include "Diagram.h"

#include <QPainterPath>

#include <cmath>
#include <utility>
#include <vector>

namespace {

using namespace Art;

// Four slits of width a, d apart, sending parallel rays at an angle theta;
// neighbouring rays differ in path by d sin(theta).
void slitGeometry(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const double barrier = 74;
    const double d = 38;
    const double half = 6; // half a slit's width
    const double theta = 20 * Pi / 180;
    const QPointF u(std::cos(theta), -std::sin(theta));
    std::vector<QPointF> slits;
    slits.reserve(4);
    for (int k = 0; k < 4; ++k) {
        slits.emplace_back(barrier, 82 + k * d);
    }

    // The barrier.
    p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::FlatCap));
    double from = 52;
    for (const QPointF &s : slits) {
        p.drawLine(QPointF(barrier, from), QPointF(barrier, s.y() - half));
        from = s.y() + half;
    }
    p.drawLine(QPointF(barrier, from), QPointF(barrier, 222));

    // Parallel rays towards a distant screen.
    p.setPen(QPen(QColor(200, 0, 0), 1.6));
    for (const QPointF &s : slits) {
        const double length = (262 - barrier) / u.x();
        arrowLine(p, s, s + length * u);
    }

    // The angle from the straight-through direction, at the top slit.
    p.setPen(QPen(QColor(0, 0, 180), 1, Qt::DashLine));
    p.drawLine(slits[0], slits[0] + QPointF(110, 0));
    p.setPen(QPen(QColor(0, 0, 180), 1.2));
    p.drawArc(QRectF(slits[0] - QPointF(70, 70), QSizeF(140, 140)), 0, 20 * 16);
    p.setPen(QColor(0, 0, 180));
    label(p, QPointF(barrier + 74, slits[0].y() - 5), QStringLiteral("\u03b8"), 14, true);

    // A wavefront through slit 3 meets ray 4 d sin(theta) beyond slit 4.
    const QPointF foot = slits[3] + d * std::sin(theta) * u;
    p.setPen(QPen(QColor(0, 120, 0), 1, Qt::DotLine));
    p.drawLine(slits[2], foot);
    p.setPen(QPen(QColor(0, 140, 0), 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(slits[3], foot);
    p.setPen(QPen(QColor(0, 120, 0), 1.2));
    arrowLine(p, QPointF(140, 200), (slits[3] + foot) / 2 + QPointF(2, 5));
    p.setPen(QColor(0, 120, 0));
    label(p, QPointF(132, 215), QStringLiteral("path difference"), 13);
    label(p, QPointF(132, 231), QStringLiteral("= d sin \u03b8"), 13, true);

    // Marked distances: d between slits 3 and 4, a across slit 1.
    p.setPen(QPen(Qt::black, 1));
    for (double y : {slits[2].y(), slits[3].y(), slits[0].y() - half, slits[0].y() + half}) {
        p.drawLine(QPointF(38, y), QPointF(barrier - 3, y));
    }
    p.setPen(Qt::black);
    doubleArrow(p, QPointF(44, slits[2].y()), QPointF(44, slits[3].y()));
    label(p, QPointF(26, (slits[2].y() + slits[3].y()) / 2 + 6), QStringLiteral("d"), 15, true);
    arrowLine(p, QPointF(44, slits[0].y() - half - 16), QPointF(44, slits[0].y() - half));
    arrowLine(p, QPointF(44, slits[0].y() + half + 16), QPointF(44, slits[0].y() + half));
    label(p, QPointF(26, slits[0].y() + 6), QStringLiteral("a"), 15, true);

    // The incident light.
    p.setPen(QPen(QColor(200, 0, 0), 1.6));
    for (double y : {132.0, 146.0}) {
        arrowLine(p, QPointF(4, y), QPointF(30, y));
    }
    p.setPen(Qt::black);
    label(p, QPointF(4, 124), QStringLiteral("light"), 12);
}

double pattern(int n, double d, double a, double s)
{
    const double alpha = Pi * a * s;
    const double beta = Pi * d * s;
    const double env = alpha == 0 ? 1 : std::pow(std::sin(alpha) / alpha, 2);
    const double sb = std::sin(beta);
    const double inter = std::fabs(sb) < 1e-12 ? 1 : std::pow(std::sin(n * beta) / (n * sb), 2);
    return env * inter;
}

// The pattern of 2 and of 6 slits, d = 2 and a = 1 wavelength, each divided
// by its central height, with the single-slit envelope.
void patternPlot(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plot(44, 36, 222, 118);
    const auto px = [&](double deg) { return plot.left() + (deg + 90) / 180 * plot.width(); };
    const auto py = [&](double i) { return plot.bottom() - i * plot.height(); };

    p.setPen(QPen(QColor(225, 225, 225), 1));
    for (int deg = -90; deg <= 90; deg += 30) {
        p.drawLine(QPointF(px(deg), plot.top()), QPointF(px(deg), plot.bottom()));
    }
    p.drawLine(QPointF(plot.left(), py(0.5)), QPointF(plot.right(), py(0.5)));
    p.drawLine(QPointF(plot.left(), py(1)), QPointF(plot.right(), py(1)));
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    for (int deg = -90; deg <= 90; deg += 30) {
        p.drawLine(QPointF(px(deg), plot.bottom()), QPointF(px(deg), plot.bottom() + 4));
        centredLabel(p, QPointF(px(deg), plot.bottom() + 17), QString::number(deg), 12);
    }
    for (const auto &[i, text] : {std::pair{0.0, "0"}, std::pair{0.5, "0.5"}, std::pair{1.0, "1"}}) {
        p.drawLine(QPointF(plot.left() - 4, py(i)), QPointF(plot.left(), py(i)));
        rightLabel(p, QPointF(plot.left() - 7, py(i) + 5), QString::fromLatin1(text));
    }
    centredLabel(p, QPointF(plot.center().x(), plot.bottom() + 33), QStringLiteral("angle \u03b8 / degrees"), 12);
    upwardLabel(p, QPointF(14, plot.center().y()), QStringLiteral("relative intensity"), 12);

    const auto curve = [&](auto f) {
        QPainterPath path;
        for (int i = 0; i <= 3600; ++i) {
            const double deg = -90 + 180.0 * i / 3600;
            const QPointF q(px(deg), py(f(std::sin(deg * Pi / 180))));
            if (i == 0) {
                path.moveTo(q);
            } else {
                path.lineTo(q);
            }
        }
        return path;
    };
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 128, 0), 1.4, Qt::DashLine));
    p.drawPath(curve([](double s) { return pattern(1, 2, 1, s); }));
    p.setPen(QPen(QColor(0, 90, 220), 1.6));
    p.drawPath(curve([](double s) { return pattern(2, 2, 1, s); }));
    p.setPen(QPen(QColor(200, 0, 0), 1.6));
    p.drawPath(curve([](double s) { return pattern(6, 2, 1, s); }));

    // Key.
    const auto entry = [&p](double x, const QPen &pen, const QString &text) {
        p.setPen(pen);
        p.drawLine(QPointF(x, 12), QPointF(x + 18, 12));
        p.setPen(Qt::black);
        label(p, QPointF(x + 22, 16), text, 12);
    };
    entry(8, QPen(QColor(0, 90, 220), 2), QStringLiteral("N = 2"));
    entry(84, QPen(QColor(200, 0, 0), 2), QStringLiteral("N = 6"));
    entry(160, QPen(QColor(0, 128, 0), 1.4, Qt::DashLine), QStringLiteral("envelope"));
}

const bool registeredGeometry = addDiagram({"multislit-geometry", {280, 240}, slitGeometry});
const bool registeredPattern = addDiagram({"multislit-pattern", {280, 196}, patternPlot});

} // namespace
