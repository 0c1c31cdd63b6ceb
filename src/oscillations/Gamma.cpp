#include "oscillations/Gamma.h"

#include "gdi/GdiMath.h"
#include "gdi/Palette.h"
#include "gdi/ResourcePictures.h"

#include <array>
#include <cmath>

namespace Gamma {

namespace {

using namespace Palette;

void arialFont(Gdi::Canvas &c)
{
    c.font = Gdi::Font{};
    c.font.name = QStringLiteral("Arial");
    c.font.height = 13;
}

void centredText(Gdi::Canvas &c, int x, int y, const QString &text)
{
    c.textOut(x - c.textWidth(text) / 2, y, text);
}

// The magnified scale with the position Q at x = 60; the tube and absorber are
// drawn by `drawParts` between the ruler and its ticks.
template<typename DrawParts>
void drawZoom(Gdi::Canvas &target, int q, DrawParts drawParts)
{
    Gdi::Bitmap bitmap(120, 65);
    Gdi::Canvas &c = bitmap.canvas();
    arialFont(c);
    int f = q / 10 - 3; // the first label, in cm
    const int sh = 4 * (q % 10);
    // The ruler's ends come into view near 0 mm and 3000 mm.
    const int left = f < 0 ? 4 * (10 * std::abs(f) - 15) - sh : 0;
    const int right = f >= 295 ? 40 * (299 - f) - sh - 19 : 301;
    c.brush.color = LightYellow;
    c.rectangle(left - 8, 30, right + 8, 66);
    drawParts(c);
    c.brush.style = Gdi::BrushStyle::Clear;
    for (int i = 0; i <= 60; ++i) {
        const int x = 4 * (i - 15) - sh;
        const bool inside = x >= left && x <= right;
        if (i % 10 == 0) {
            if (inside) {
                c.moveTo(x, 30);
                c.lineTo(x, 50);
                centredText(c, x, 50, QString::number(f));
            }
            ++f;
        } else if (inside) {
            c.moveTo(x, 30);
            c.lineTo(x, i % 5 == 0 ? 40 : 35);
        }
    }
    c.drawEdgeSunken({0, 0, 120, 65});
    target.draw(0, 0, bitmap.image());
}

void drawTube(Gdi::Canvas &c, int e)
{
    c.brush.style = Gdi::BrushStyle::Solid;
    c.brush.color = QColor(128, 128, 255);
    c.rectangle(e + 2, 0, e + 121, 25);
    c.brush.color = Grey;
    c.rectangle(e, 22, e + 121, 25);
}

void drawAbsorber(Gdi::Canvas &c, int leftFace, int t)
{
    c.brush.style = Gdi::BrushStyle::Solid;
    c.brush.color = Grey;
    c.rectangle(leftFace, 0, leftFace + 4 * t, 30);
}

} // namespace

int CountRate(int s, int t)
{
    constexpr int Cap = 1000;
    if (s <= 0) {
        return Cap;
    }
    const int square = s * s;
    const double rate = 10000000.0 * std::exp(-0.346 * t) / square;
    if (!std::isfinite(rate) || rate > Cap) {
        return Cap;
    }
    return std::min(Cap, Gdi::roundHalfEven(rate));
}

QString counterText(int value)
{
    return value < 10000 ? QStringLiteral("%1").arg(value, 5, 10, QLatin1Char('0')) : QString::number(value);
}

void DrawCounter(Gdi::Canvas &target, int value, int x, int y)
{
    Gdi::Bitmap bitmap(100, 50);
    Gdi::Canvas &c = bitmap.canvas();
    c.brush.color = QColor(192, 192, 192);
    c.roundRect(0, 0, 100, 50, 10, 10);
    c.brush.color = Qt::white;
    c.fillRect(10, 10, 90, 40);
    c.font.name = QStringLiteral("MS Sans Serif");
    c.font.height = 23;
    c.font.bold = true;
    c.font.color = QColor(255, 0, 0);
    c.brush.style = Gdi::BrushStyle::Clear;
    const QString text = counterText(value);
    c.textOut(50 - c.textWidth(text) / 2, 25 - c.textHeight(text) / 2, text);
    c.drawEdgeSunken({10, 10, 90, 40});
    target.draw(x, y, bitmap.image());
}

void DrawGammaScale(Gdi::Canvas &target, int x, int y)
{
    Gdi::Bitmap bitmap(310, 32);
    Gdi::Canvas &c = bitmap.canvas();
    arialFont(c);
    c.brush.color = LightYellow;
    c.fillRect(5, 0, 305, 20);
    c.brush.style = Gdi::BrushStyle::Clear;
    for (int i = 0; i <= 30; ++i) {
        const int tx = 5 + 10 * i;
        c.moveTo(tx, 0);
        if (i % 10 == 0) {
            c.lineTo(tx, 20);
            centredText(c, tx, 20, QString::number(i / 10));
        } else {
            c.lineTo(tx, i % 5 == 0 ? 10 : 5);
        }
    }
    c.rectangle(5, 0, 306, 21);
    target.draw(x, y, bitmap.image());
}

void DrawGammaBench(Gdi::Canvas &target, int x, int y, int detectorPixel, int absorberPixel, int thickness,
                    bool background)
{
    Gdi::Bitmap bitmap(335, 20);
    Gdi::Canvas &c = bitmap.canvas();
    if (!background) {
        c.draw(0, 7, Gdi::resourcePicture("GAMMA"));
    }
    c.moveTo(detectorPixel + 15, 12);
    c.lineTo(335, 12);
    c.draw(detectorPixel + 10, 10, Gdi::resourcePicture("GMTUBE"));
    if (thickness > 0) {
        c.brush.color = Grey;
        c.rectangle(absorberPixel + 10, 0, absorberPixel + 12, 20);
    }
    target.draw(x, y, bitmap.image());
}

void DrawGammaPicture(Gdi::Canvas &target, int s, int a, int t, bool background, int count)
{
    target.pen = Gdi::Pen{};
    const std::array<QPoint, 4> cable{QPoint(335, 82), QPoint(340, 82), QPoint(340, 25), QPoint(250, 25)};
    target.polyline(cable);
    DrawGammaScale(target, 5, 90);
    DrawGammaBench(target, 0, 70, s / 10, a / 10, t, background);
    DrawCounter(target, count, 150, 0);
}

void DrawDetectorZoom(Gdi::Canvas &target, int s, int a, int t)
{
    drawZoom(target, s, [&](Gdi::Canvas &c) {
        drawTube(c, 60);
        const int face = 60 - 4 * (s - a - t);
        if (t > 0 && face > 0) {
            drawAbsorber(c, face - 4 * t, t);
        }
    });
}

void DrawAbsorberZoom(Gdi::Canvas &target, int s, int a, int t)
{
    drawZoom(target, a, [&](Gdi::Canvas &c) {
        if (t > 0) {
            drawAbsorber(c, 60, t);
        }
        const int e = 60 + 4 * (s - a);
        if (e > 0) {
            drawTube(c, e);
        }
    });
}

double AbsorptionFit::rate(double t) const
{
    return r0 * std::exp(-mu * t);
}

double AbsorptionFit::halfValueThickness() const
{
    return std::log(2.0) / mu;
}

std::optional<AbsorptionFit> fitAbsorption(const QList<QPointF> &thicknessRate)
{
    // The straight line ln(rate) = ln(r0) - mu t through the points.
    double n = 0, st = 0, sy = 0, stt = 0, sty = 0;
    for (const QPointF &p : thicknessRate) {
        if (p.y() > 0) {
            const double y = std::log(p.y());
            n += 1;
            st += p.x();
            sy += y;
            stt += p.x() * p.x();
            sty += p.x() * y;
        }
    }
    const double spread = n * stt - st * st;
    if (n < 2 || spread <= 1e-9 * std::max(1.0, stt)) {
        return std::nullopt;
    }
    const double slope = (n * sty - st * sy) / spread;
    if (!(slope < 0)) {
        return std::nullopt;
    }
    return AbsorptionFit{std::exp((sy - slope * st) / n), -slope};
}

std::optional<double> fitInverseSquare(const QList<QPointF> &distanceRate)
{
    double n = 0, sum = 0;
    for (const QPointF &p : distanceRate) {
        if (p.x() > 0 && p.y() > 0) {
            n += 1;
            sum += std::log(p.y() * p.x() * p.x());
        }
    }
    if (n < 1) {
        return std::nullopt;
    }
    return std::exp(sum / n);
}

} // namespace Gamma
