// Diagrams of the ripple tank page.
#include "Diagram.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

namespace {

using namespace Art;

const QColor Trough(12, 40, 110);
const QColor Crest(235, 244, 255);
const QColor BarrierGrey(128, 128, 128);
const QColor Highlight(200, 0, 0);

// A gap in the barrier: its centre and width, in the picture's pixels.
struct Gap
{
    double centre;
    double width;
};

// The water's surface behind a barrier at x = `barrier` with gaps in it, for
// straight waves of wavelength `lambda` arriving from the left: each gap sends
// out Huygens wavelets (two-dimensional, so their amplitude falls as 1 / sqrt r),
// summed with the Kirchhoff factor; the incident wave has amplitude 1.
std::complex<double> beyondBarrier(double x, double y, double barrier, double lambda, const std::vector<Gap> &gaps)
{
    const double k = 2 * Pi / lambda;
    const std::complex<double> factor = std::polar(1 / std::sqrt(lambda), -Pi / 4);
    std::complex<double> sum;
    for (const Gap &gap : gaps) {
        const int steps = std::max(4, int(std::ceil(gap.width / lambda * 24)));
        const double dy = gap.width / steps;
        for (int i = 0; i < steps; ++i) {
            const double ys = gap.centre - gap.width / 2 + (i + 0.5) * dy;
            const double r = std::max(0.5, std::hypot(x - barrier, y - ys));
            const double obliquity = (1 + (x - barrier) / r) / 2;
            sum += std::polar(obliquity * dy / std::sqrt(r), k * r);
        }
    }
    return factor * sum;
}

// Draws a snapshot of the surface in `panel` (light: crest, dark: trough),
// computed at the painter's own resolution so that both sizes are sharp, and
// the barrier over it.
void drawTank(QPainter &p, const QRectF &panel, double barrier, double lambda, const std::vector<Gap> &gaps)
{
    const double scale = p.worldTransform().m11();
    const QSize size(int(std::lround(panel.width() * scale)), int(std::lround(panel.height() * scale)));
    QImage image(size, QImage::Format_RGB32);
    const double k = 2 * Pi / lambda;
    for (int j = 0; j < size.height(); ++j) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(j));
        const double y = panel.top() + (j + 0.5) / scale;
        for (int i = 0; i < size.width(); ++i) {
            const double x = panel.left() + (i + 0.5) / scale;
            double v = 0;
            if (x < barrier) {
                v = std::cos(k * (x - barrier));
            } else {
                v = beyondBarrier(x, y, barrier, lambda, gaps).real();
            }
            // A gentle compression so that weak waves still show.
            v = std::clamp(v, -1.0, 1.0);
            const double t = (1 + std::copysign(std::pow(std::abs(v), 0.7), v)) / 2;
            row[i] = qRgb(int(Trough.red() + t * (Crest.red() - Trough.red())),
                          int(Trough.green() + t * (Crest.green() - Trough.green())),
                          int(Trough.blue() + t * (Crest.blue() - Trough.blue())));
        }
    }
    p.save();
    p.resetTransform();
    p.drawImage(QPointF(panel.left() * scale, panel.top() * scale), image);
    p.restore();

    // The barrier, 6 pixels thick, with its gaps.
    p.setPen(Qt::NoPen);
    p.setBrush(BarrierGrey);
    std::vector<Gap> sorted = gaps;
    std::sort(sorted.begin(), sorted.end(), [](const Gap &a, const Gap &b) { return a.centre < b.centre; });
    double top = panel.top();
    for (const Gap &gap : sorted) {
        p.drawRect(QRectF(barrier - 3, top, 6, gap.centre - gap.width / 2 - top));
        top = gap.centre + gap.width / 2;
    }
    p.drawRect(QRectF(barrier - 3, top, 6, panel.bottom() - top));
    p.setBrush(Qt::NoBrush);
    p.setPen(Qt::black);
    p.drawRect(panel);
}

// A key to the shades of the water.
void shadeKey(QPainter &p, QPointF at)
{
    p.setPen(Qt::black);
    p.setBrush(Crest);
    p.drawRect(QRectF(at.x(), at.y() - 10, 12, 12));
    label(p, at + QPointF(16, 0), QStringLiteral("crest"), 12);
    p.setBrush(Trough);
    p.drawRect(QRectF(at.x() + 64, at.y() - 10, 12, 12));
    label(p, at + QPointF(80, 0), QStringLiteral("trough"), 12);
    p.setBrush(QColor((Crest.red() + Trough.red()) / 2, (Crest.green() + Trough.green()) / 2,
                      (Crest.blue() + Trough.blue()) / 2));
    p.drawRect(QRectF(at.x() + 134, at.y() - 10, 12, 12));
    label(p, at + QPointF(150, 0), QStringLiteral("still water"), 12);
    p.setBrush(Qt::NoBrush);
}

// A narrow gap and a wide one: how far the waves spread beyond each.
void gapWidths(QPainter &p)
{
    constexpr double lambda = 12;
    const QRectF left(4, 20, 134, 150);
    const QRectF right(142, 20, 134, 150);
    drawTank(p, left, left.left() + 14, lambda, {{left.center().y(), lambda}});
    drawTank(p, right, right.left() + 14, lambda, {{right.center().y(), 4 * lambda}});
    p.setPen(Qt::black);
    centredLabel(p, QPointF(left.center().x(), 14), QStringLiteral("gap = \u03bb"), 12, true);
    centredLabel(p, QPointF(right.center().x(), 14), QStringLiteral("gap = 4\u03bb"), 12, true);
    centredLabel(p, QPointF(left.center().x(), 186), QStringLiteral("spreads all round"), 12);
    centredLabel(p, QPointF(right.center().x(), 186), QStringLiteral("spreads a little"), 12);
    shadeKey(p, QPointF(48, 206));
}

// Two slits: the pattern beyond them, with the lines where the waves
// reinforce (dotted) at a sin theta = n lambda and the still water between.
void twoSlitPattern(QPainter &p)
{
    constexpr double lambda = 12;
    constexpr double a = 3 * lambda;
    const QRectF panel(2, 2, 276, 186);
    const double barrier = panel.left() + 12;
    const double middle = panel.center().y();
    drawTank(p, panel, barrier, lambda, {{middle - a / 2, lambda}, {middle + a / 2, lambda}});

    p.setPen(QPen(Qt::black, 1.2, Qt::DotLine));
    const QPointF origin(barrier, middle);
    for (int n = -2; n <= 2; ++n) {
        const double theta = std::asin(n * lambda / a);
        const double reach = n == 0 ? panel.right() - barrier : std::abs(92 / std::sin(theta));
        p.drawLine(origin, origin + reach * QPointF(std::cos(theta), -std::sin(theta)));
    }
    p.setPen(Qt::black);
    // Labels of the orders on white boxes so that they read over the water.
    const auto tag = [&p](QPointF at, const QString &text) {
        p.setFont([] {
            QFont f(QStringLiteral("Arial"));
            f.setPixelSize(12);
            return f;
        }());
        const QRectF box = p.fontMetrics().boundingRect(words(text)).translated(at.toPoint()).adjusted(-2, -1, 2, 1);
        p.fillRect(box, Qt::white);
        label(p, at, text, 12);
    };
    const double theta1 = std::asin(lambda / a);
    const double theta2 = std::asin(2 * lambda / a);
    tag(QPointF(panel.right() - 36, middle + 4), QStringLiteral("n = 0"));
    tag(origin + QPointF(150 * std::cos(theta1) + 4, -150 * std::sin(theta1) - 4), QStringLiteral("n = 1"));
    tag(origin + QPointF(96 * std::cos(theta2) + 6, -96 * std::sin(theta2)), QStringLiteral("n = 2"));
    tag(origin + QPointF(150 * std::cos(theta1) + 4, 150 * std::sin(theta1) + 14), QStringLiteral("n = 1"));
    tag(origin + QPointF(96 * std::cos(theta2) + 6, 96 * std::sin(theta2) + 10), QStringLiteral("n = 2"));
    // One line of still water, named.
    const double still = std::asin(1.5 * lambda / a);
    const QPointF on = origin + 132 * QPointF(std::cos(still), -std::sin(still));
    tag(QPointF(200, 16), QStringLiteral("still water"));
    p.setPen(QPen(Highlight, 1.5));
    arrowLine(p, QPointF(198, 14), on + QPointF(3, -1));
    p.setPen(Qt::black);
    shadeKey(p, QPointF(48, 206));
}

// The path difference from two slits to a point P.
void pathDifference(QPainter &p)
{
    const QPointF s1(46, 62);
    const QPointF s2(46, 138);
    const QPointF m = (s1 + s2) / 2;
    const double theta = 22 * Pi / 180;
    const QPointF pt = m + 232 * QPointF(std::cos(theta), -std::sin(theta));

    // The barrier with its two slits.
    p.setPen(Qt::NoPen);
    p.setBrush(BarrierGrey);
    p.drawRect(QRectF(s1.x() - 3, 8, 6, s1.y() - 6 - 8));
    p.drawRect(QRectF(s1.x() - 3, s1.y() + 6, 6, s2.y() - s1.y() - 12));
    p.drawRect(QRectF(s1.x() - 3, s2.y() + 6, 6, 184 - s2.y()));
    p.setBrush(Qt::NoBrush);

    // The two paths; the arc about P marks off the equal part.
    p.setPen(QPen(QColor(0, 0, 255), 1.6));
    p.drawLine(s1, pt);
    p.setPen(QPen(QColor(200, 0, 0), 1.6));
    p.drawLine(s2, pt);
    const double r1 = std::hypot(pt.x() - s1.x(), pt.y() - s1.y());
    const double r2 = std::hypot(pt.x() - s2.x(), pt.y() - s2.y());
    const QPointF along = (s2 - pt) / r2;
    const QPointF n = pt + r1 * along; // on S2P, as far from P as S1 is
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawLine(s1, n);
    p.setPen(QPen(Qt::black, 3.5));
    p.drawLine(n, s2);

    // The direction of P and the angle theta from the centre line.
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawLine(m, m + QPointF(150, 0));
    p.drawLine(m, pt);
    p.setPen(Qt::black);
    constexpr double arcRadius = 80;
    p.drawArc(QRectF(m.x() - arcRadius, m.y() - arcRadius, 2 * arcRadius, 2 * arcRadius), 0, 22 * 16);
    label(p, m + QPointF(arcRadius + 4, -8), QStringLiteral("\u03b8"), 14);

    p.setBrush(Qt::black);
    for (const QPointF &dot : {s1, s2, pt}) {
        p.drawEllipse(dot, 2.5, 2.5);
    }
    p.setBrush(Qt::NoBrush);
    label(p, s1 + QPointF(-24, -8), QStringLiteral("S\u2081"), 13, true);
    label(p, s2 + QPointF(-24, 16), QStringLiteral("S\u2082"), 13, true);
    label(p, pt + QPointF(3, 16), QStringLiteral("P"), 13, true);
    doubleArrow(p, QPointF(s1.x() - 22, s1.y() + 8), QPointF(s1.x() - 22, s2.y() - 8));
    label(p, QPointF(s1.x() - 40, m.y() + 5), QStringLiteral("a"), 14, true);
    label(p, n + QPointF(6, 22), QStringLiteral("path difference"), 12);
    label(p, n + QPointF(6, 37), QStringLiteral("S\u2082P \u2212 S\u2081P \u2248 a sin \u03b8"), 12);
    label(p, QPointF(8, 204), QStringLiteral("crest meets crest where a sin \u03b8 = n\u03bb"), 13, true);
}

const bool registered = addDiagram({"ripple-gaps", {280, 214}, gapWidths});
const bool registeredPattern = addDiagram({"ripple-pattern", {280, 214}, twoSlitPattern});
const bool registeredPaths = addDiagram({"ripple-paths", {280, 214}, pathDifference});

} // namespace
