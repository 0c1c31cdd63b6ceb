#include "optics/Grating.h"

#include "gdi/GdiMath.h"
#include "gdi/Palette.h"

#include <QCoreApplication>

#include <array>
#include <cmath>
#include <numbers>

namespace Grating {

namespace {

using namespace Palette;

// m * L * lambda * 10^-6 in the 80-bit precision the original arithmetic used.
long double sineOf(int order, int wavelength, int linesPerMm)
{
    return static_cast<long double>(order) * linesPerMm * wavelength * 1e-6L;
}

void line(Gdi::Canvas &c, int x0, int y0, int x1, int y1)
{
    c.moveTo(x0, y0);
    c.lineTo(x1, y1);
}

} // namespace

QColor wavelengthColour(double wavelength)
{
    const int nm = Gdi::roundHalfEven(wavelength);
    if (nm < 400 || nm > 700) {
        return {255, 255, 255};
    }
    if (nm <= 449) {
        return {255, 0, 255};
    }
    if (nm <= 529) {
        return {0, 0, 255};
    }
    if (nm <= 572) {
        return {6, 255, 87};
    }
    if (nm <= 615) {
        return {255, 255, 0};
    }
    return {255, 0, 0};
}

int highestOrder(int wavelength, int linesPerMm)
{
    const long double product = static_cast<long double>(wavelength) * linesPerMm * 1e-6L;
    return product > 0 ? static_cast<int>(1 / product) : 0;
}

float orderSine(int order, int wavelength, int linesPerMm)
{
    return static_cast<float>(sineOf(order, wavelength, linesPerMm));
}

double orderAngle(int order, int wavelength, int linesPerMm)
{
    const long double s = sineOf(order, wavelength, linesPerMm);
    return s >= 1 ? 90.0 : static_cast<double>(std::asin(s) * 180 / std::numbers::pi_v<long double>);
}

Table table(int screenMode)
{
    return screenMode == 1 ? Table{130, 100} : Table{150, 110};
}

void DrawSpectrometer(Gdi::Canvas &target, int x, int y, int telescope, int linesPerMm, int wavelength, int screenMode)
{
    const auto [q, r] = table(screenMode);
    Gdi::Bitmap bitmap(2 * q, 2 * q);
    Gdi::Canvas &c = bitmap.canvas();
    c.brush.color = Silver;
    c.ellipse(q - r, q - r, q + r, q + r);
    c.rectangle(q - 8, 2, q + 8, 48);
    c.rectangle(q - 20, q - 1, q + 20, q + 1);

    // The zero order goes straight on; the others fan out away from the collimator.
    c.pen.color = wavelengthColour(wavelength);
    line(c, q, 48, q, q + r);
    const int orders = highestOrder(wavelength, linesPerMm);
    for (int k = 1; k <= orders; ++k) {
        const float s = orderSine(k, wavelength, linesPerMm);
        if (s >= 1) {
            continue;
        }
        const int ex = q + Gdi::roundHalfEven(r * s);
        const int ey = q + Gdi::roundHalfEven(r * std::cos(std::asin(double(s))));
        line(c, q, q, ex, ey);
        line(c, q, q, 2 * q - ex, ey);
    }

    // The telescope: 16 by 40 pixels, from 10 inside the rim, turned about the
    // table's centre by the telescope parameter in tenths of a degree.
    c.pen.color = Qt::black;
    const double phi = telescope * std::numbers::pi / 1800;
    const std::array<QPointF, 4> corners{QPointF(-8, r - 10), QPointF(8, r - 10), QPointF(8, r + 30),
                                         QPointF(-8, r + 30)};
    std::array<QPoint, 4> turned;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const double cx = corners[i].x() * std::cos(phi) - corners[i].y() * std::sin(phi);
        const double cy = corners[i].x() * std::sin(phi) + corners[i].y() * std::cos(phi);
        turned[i] = QPoint(q + Gdi::roundHalfEven(cx), q + Gdi::roundHalfEven(cy));
    }
    c.polygon(turned);

    c.font.height = 14;
    c.brush.style = Gdi::BrushStyle::Clear;
    c.textOut(q + 10, 20, QCoreApplication::translate("Grating", "collimator"));
    c.textOut(q + 25, q - 7, QCoreApplication::translate("Grating", "grating"));
    c.drawEdgeSunken({0, 0, 2 * q, 2 * q});
    target.draw(x, y, bitmap.image());
}

void DrawTelescopeView(Gdi::Canvas &target, int wavelength, int linesPerMm, int view)
{
    Gdi::Bitmap bitmap(300, 80);
    Gdi::Canvas &c = bitmap.canvas();
    c.font.height = 12;
    c.brush.color = LightYellow;
    c.rectangle(60, 43, 241, 61);
    c.rectangle(-1, 60, 301, 81);
    c.brush.style = Gdi::BrushStyle::Clear;

    // Main scale, 10 pixels per degree; column x reads (x - 150 - V) / 10.
    const int f = view % 100;
    int label = -10 * (view / 100 + 3);
    for (int i = 0; i <= 60; ++i) {
        const int x = (i - 15) * 10 + f;
        if (i % 10 == 0) {
            line(c, x, 60, x, 79);
            c.textOut(x + 2, 68, QString::number(label));
            label += 10;
        } else {
            line(c, x, 60, x, i % 5 == 0 ? 72 : 66);
        }
    }
    // The vernier: 20 divisions of 0.9 degree about the fixed zero at the centre.
    for (int j = 0; j <= 20; ++j) {
        const int x = 60 + 9 * j;
        line(c, x, 60, x, j % 5 == 0 ? 52 : 54);
    }
    const QString zero = QStringLiteral("0");
    c.textOut(150 - c.textWidth(zero) / 2, 43, zero);

    // The field of view: a black band with the spectral lines as 5-pixel bars.
    c.brush.style = Gdi::BrushStyle::Solid;
    c.brush.color = Qt::black;
    c.fillRect(0, 0, 300, 42);
    c.brush.color = wavelengthColour(wavelength);
    const auto bar = [&c](int x) { c.fillRect(x - 2, 0, x + 3, 40); };
    bar(150 + view);
    const int orders = highestOrder(wavelength, linesPerMm);
    for (int m = 1; m <= orders; ++m) {
        const int offset = Gdi::roundHalfEven(10 * orderAngle(m, wavelength, linesPerMm));
        bar(150 + view + offset);
        bar(150 + view - offset);
    }
    c.pen.color = Qt::white;
    c.brush.style = Gdi::BrushStyle::Clear;
    line(c, 130, 2, 170, 42);
    line(c, 170, 2, 130, 42);
    c.ellipse(130, 2, 170, 42);
    c.drawEdgeSunken({0, 0, 300, 80});
    target.draw(0, 0, bitmap.image());
}

} // namespace Grating
