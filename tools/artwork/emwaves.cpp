// Diagrams of the electromagnetic-waves page.
#include "Diagram.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace {

using namespace Art;

const QColor EBlue(0, 0, 220);
const QColor EFill(217, 234, 255); // the simulation's light blue E sheet
const QColor BEdge(190, 120, 0);
const QColor BFill(255, 240, 170); // a deeper shade of the simulation's light yellow B sheet
const QColor AxisGrey(120, 120, 120);

// "10" with a raised exponent, centred on `at` (its baseline).
void powerOfTen(QPainter &p, QPointF at, int exponent)
{
    const QString base = QStringLiteral("10");
    const QString power = exponent < 0 ? QStringLiteral("\u2212%1").arg(-exponent) : QString::number(exponent);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    const QFontMetricsF m(f);
    const double wide = m.horizontalAdvance(base) + m.horizontalAdvance(power);
    const double left = at.x() - wide / 2;
    label(p, QPointF(left, at.y()), base, 12);
    label(p, QPointF(left + m.horizontalAdvance(base), at.y() - 5), power, 12);
}

// A plane wave at one instant in an oblique view: E up the page, B out of the
// page (drawn down and to the left), both in phase, travelling along x.
void emFields(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const double x0 = 40, x1 = 250, axis = 112, amp = 52;
    const double lambda = (x1 - x0) / 2; // two wavelengths along the axis
    // Out of the page: 0.55 of a unit left and 0.45 down per unit of field.
    const QPointF outOfPage(-0.55, 0.45);
    const auto field = [&](double x) { return std::sin(2 * Pi * (x - x0) / lambda); };

    // B first, so that E lies in front of its lower half.
    QPolygonF bSheet;
    QPolygonF eSheet;
    for (double x = x0; x <= x1 + 0.01; x += 1) {
        const double v = amp * field(x);
        bSheet << QPointF(x, axis) + v * outOfPage;
        eSheet << QPointF(x, axis - v);
    }
    bSheet << QPointF(x1, axis) << QPointF(x0, axis);
    eSheet << QPointF(x1, axis) << QPointF(x0, axis);
    p.setPen(QPen(BEdge, 1.5));
    p.setBrush(BFill);
    p.drawPolygon(bSheet);
    p.setPen(QPen(EBlue, 1.5));
    p.setBrush(EFill);
    p.drawPolygon(eSheet);
    p.setBrush(Qt::NoBrush);

    // Field arrows at a quarter wavelength, where both are largest.
    const double xq = x0 + lambda / 4;
    p.setPen(QPen(EBlue, 2));
    p.setBrush(EBlue);
    arrowLine(p, QPointF(xq, axis), QPointF(xq, axis - amp));
    p.setPen(QPen(BEdge, 2));
    p.setBrush(BEdge);
    arrowLine(p, QPointF(xq, axis), QPointF(xq, axis) + amp * outOfPage);
    p.setBrush(Qt::NoBrush);

    // The direction of travel.
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::black);
    arrowLine(p, QPointF(x0 - 12, axis), QPointF(x1 + 22, axis));
    p.setBrush(Qt::NoBrush);
    label(p, QPointF(x1 + 10, axis - 8), QStringLiteral("x"), 13, true);

    // The field letters beside the arrows.
    p.setPen(EBlue);
    label(p, QPointF(xq - 24, axis - amp + 2), QStringLiteral("E"), 14, true);
    p.setPen(BEdge);
    label(p, QPointF(xq - 0.55 * amp - 16, axis + 0.45 * amp + 10), QStringLiteral("B"), 14, true);

    // One wavelength, crest to crest of E.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    const double crest1 = x0 + lambda / 4;
    const double crest2 = crest1 + lambda;
    p.setPen(QPen(AxisGrey, 1, Qt::DotLine));
    p.drawLine(QPointF(crest2, axis - amp), QPointF(crest2, axis - amp - 16));
    p.drawLine(QPointF(crest1, axis - amp - 4), QPointF(crest1, axis - amp - 16));
    p.setPen(QPen(Qt::black, 1));
    doubleArrow(p, QPointF(crest1, axis - amp - 12), QPointF(crest2, axis - amp - 12));
    p.setBrush(Qt::NoBrush);
    centredLabel(p, QPointF((crest1 + crest2) / 2, axis - amp - 17), QStringLiteral("\u03bb"), 14);

    // Key.
    p.setPen(QPen(EBlue, 1.5));
    p.setBrush(EFill);
    p.drawRect(QRectF(8, 182, 14, 10));
    p.setPen(QPen(BEdge, 1.5));
    p.setBrush(BFill);
    p.drawRect(QRectF(138, 182, 14, 10));
    p.setBrush(Qt::NoBrush);
    p.setPen(Qt::black);
    label(p, QPointF(27, 192), QStringLiteral("electric field E"), 12);
    label(p, QPointF(157, 192), QStringLiteral("magnetic field B"), 12);
    label(p, QPointF(8, 209), QStringLiteral("B points out of the page; E \u00d7 B is along x"), 12);
}

// The electromagnetic spectrum on a logarithmic scale of wavelength, with the
// matching frequencies f = c / lambda below it.
void spectrum(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const double left = 20, right = 262;
    const double lo = -14, hi = 4; // log10 of the wavelength in metres
    const auto xAt = [&](double lg) { return left + (lg - lo) / (hi - lo) * (right - left); };
    const double top = 44, bottom = 76;

    struct Band
    {
        double from, to; // log10 of the wavelength in metres
        QColor fill;
        const char *line1;
        const char *line2;
    };
    const Band bands[] = {
        {lo, -11, QColor(215, 200, 240), "\u03b3-ray", ""},
        {-11, -8, QColor(200, 215, 245), "X-ray", ""},
        {-8, std::log10(4e-7), QColor(225, 205, 250), "UV", ""},
        {std::log10(7e-7), -3, QColor(250, 215, 200), "IR", ""},
        {-3, 0, QColor(235, 235, 200), "micro-", "wave"},
        {0, hi, QColor(210, 235, 210), "radio", ""},
    };
    p.setPen(QPen(Qt::black, 1));
    for (const Band &b : bands) {
        p.setBrush(b.fill);
        p.drawRect(QRectF(xAt(b.from), top, xAt(b.to) - xAt(b.from), bottom - top));
        const double mid = (xAt(b.from) + xAt(b.to)) / 2;
        if (*b.line2) {
            centredLabel(p, QPointF(mid, top + 14), QString::fromUtf8(b.line1), 12);
            centredLabel(p, QPointF(mid, top + 27), QString::fromUtf8(b.line2), 12);
        } else {
            centredLabel(p, QPointF(mid, top + 21), QString::fromUtf8(b.line1), 12);
        }
    }
    // Visible light, 400 to 700 nm: a thin rainbow.
    const double v0 = xAt(std::log10(4e-7)), v1 = xAt(std::log10(7e-7));
    QLinearGradient rainbow(v0, 0, v1, 0);
    rainbow.setColorAt(0.0, QColor(130, 0, 200));
    rainbow.setColorAt(0.3, QColor(0, 80, 255));
    rainbow.setColorAt(0.5, QColor(0, 190, 0));
    rainbow.setColorAt(0.7, QColor(240, 220, 0));
    rainbow.setColorAt(1.0, QColor(230, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(rainbow);
    p.drawRect(QRectF(v0, top, v1 - v0, bottom - top));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF((v0 + v1) / 2, top - 2), QPointF((v0 + v1) / 2, 22));
    centredLabel(p, QPointF((v0 + v1) / 2, 17), QStringLiteral("visible 400\u2013700 nm"), 12);

    // Wavelength scale under the bands.
    p.drawLine(QPointF(left, bottom), QPointF(right, bottom));
    for (int e = int(lo); e <= int(hi); ++e) {
        const bool major = e % 4 == 0;
        p.drawLine(QPointF(xAt(e), bottom), QPointF(xAt(e), bottom + (major ? 6 : 3)));
        if (major) {
            if (e == 0) {
                centredLabel(p, QPointF(xAt(e), bottom + 19), QStringLiteral("1"), 12);
            } else {
                powerOfTen(p, QPointF(xAt(e), bottom + 19), e);
            }
        }
    }
    centredLabel(p, QPointF((left + right) / 2, bottom + 36), QStringLiteral("wavelength \u03bb / m"), 12);

    // Frequency scale: f = c / lambda with c = 3.00 x 10^8 m/s, so it runs the other way.
    const double fAxis = 136;
    p.drawLine(QPointF(left, fAxis), QPointF(right, fAxis));
    const double logC = std::log10(3.0e8);
    for (int e = 4; e <= 22; ++e) {
        const double x = xAt(logC - e);
        if (x < left - 0.5 || x > right + 0.5) {
            continue;
        }
        const bool major = e % 4 == 0;
        p.drawLine(QPointF(x, fAxis), QPointF(x, fAxis + (major ? 6 : 3)));
        if (major) {
            powerOfTen(p, QPointF(x, fAxis + 19), e);
        }
    }
    centredLabel(p, QPointF((left + right) / 2, fAxis + 36), QStringLiteral("frequency f / Hz"), 12);
}

const bool registeredFields = addDiagram({"emwaves-fields", {280, 218}, emFields});
const bool registeredSpectrum = addDiagram({"emwaves-spectrum", {280, 180}, spectrum});

} // namespace
