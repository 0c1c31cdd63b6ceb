#include "waves/StatWave.h"

#include "gdi/GdiMath.h"
#include "gdi/Palette.h"

#include <QCoreApplication>
#include <QImage>

#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <tuple>

namespace StatWave {

namespace {

using namespace Palette;

using Gdi::Pi;

void line(Gdi::Canvas &c, int x0, int y0, int x1, int y1)
{
    c.moveTo(x0, y0);
    c.lineTo(x1, y1);
}

void grid(Gdi::Canvas &c, int height, int lastRow)
{
    c.pen.color = Silver;
    for (int y = 0; y <= lastRow; y += 20) {
        line(c, 0, y, 360, y);
    }
    for (int x = 0; x <= 360; x += 20) {
        line(c, x, 0, x, height);
    }
    c.pen.color = Grey;
    line(c, 0, height / 2, 360, height / 2);
}

// The grid is the same in every frame of an animation: drawn once for each
// picture height (and colour set) and copied as every frame's background.
const QImage &gridBackground(int height, int lastRow)
{
    thread_local std::map<std::tuple<int, int, bool>, QImage> grids;
    QImage &image = grids[{height, lastRow, Palette::projectorColours()}];
    if (image.isNull()) {
        Gdi::Bitmap bitmap(360, height);
        grid(bitmap.canvas(), height, lastRow);
        image = bitmap.image();
    }
    return image;
}

template<typename Y>
void curve(Gdi::Canvas &c, const QColor &colour, Y y, int width = 1)
{
    std::array<QPoint, 181> points;
    for (int i = 0; i <= 180; ++i) {
        points[std::size_t(i)] = QPoint(2 * i, y(i));
    }
    c.pen.color = colour;
    c.pen.width = width;
    c.polyline(points);
    c.pen.width = 1;
}

} // namespace

QString frequencyText(int n)
{
    return QCoreApplication::translate("StatWave", "frequency = %1f").arg(n);
}

QString wavelengthText(int n)
{
    // The picture holds n half-wavelengths across the length L, so the
    // wavelength is 2L/n.
    static const std::array<const char *, 7> texts{
        QT_TRANSLATE_NOOP("StatWave", "wavelength = 2L"),   QT_TRANSLATE_NOOP("StatWave", "wavelength = L"),
        QT_TRANSLATE_NOOP("StatWave", "wavelength = 2L/3"), QT_TRANSLATE_NOOP("StatWave", "wavelength = L/2"),
        QT_TRANSLATE_NOOP("StatWave", "wavelength = 2L/5"), QT_TRANSLATE_NOOP("StatWave", "wavelength = L/3"),
        QT_TRANSLATE_NOOP("StatWave", "wavelength = 2L/7")};
    return n >= 1 && n <= 7 ? QCoreApplication::translate("StatWave", texts[std::size_t(n - 1)]) : QString();
}

int travellingY(int n, int phase, int i, int direction)
{
    const double theta = n * i * Pi / 180;
    return 40 - Gdi::roundHalfEven(36 * std::sin(theta + direction * phase * Pi / 180));
}

int standingY(int n, int phase, int i)
{
    return 80 - Gdi::roundHalfEven(std::cos(phase * Pi / 180) * (76 * std::sin(n * i * Pi / 180)));
}

void DrawTravellingWaves(Gdi::Canvas &target, int n, int phase)
{
    Gdi::Bitmap bitmap(360, 80);
    Gdi::Canvas &c = bitmap.canvas();
    c.draw(0, 0, gridBackground(80, 80));
    // Red moves toward smaller x as the phase grows, blue toward larger x.
    // Red is drawn three pixels wide under the one-pixel blue, so that where
    // the two waves coincide (at the start, say) both still show.
    curve(
        c, QColor(255, 0, 0), [n, phase](int i) { return travellingY(n, phase, i, +1); }, 3);
    curve(c, QColor(0, 0, 255), [n, phase](int i) { return travellingY(n, phase, i, -1); });
    c.drawEdgeSunken({0, 0, 360, 80});
    target.draw(0, 0, bitmap.image());
}

void DrawStandingWave(Gdi::Canvas &target, int n, int phase)
{
    Gdi::Bitmap bitmap(360, 160);
    Gdi::Canvas &c = bitmap.canvas();
    c.draw(0, 0, gridBackground(160, 180));
    curve(c, QColor(0, 128, 0), [n, phase](int i) { return standingY(n, phase, i); });
    c.drawEdgeSunken({0, 0, 360, 160});
    target.draw(0, 0, bitmap.image());
}

} // namespace StatWave
