#include "optics/YDSlit.h"

#include "gdi/GdiMath.h"
#include "gdi/Palette.h"

#include <QCoreApplication>

namespace YDSlit {

namespace {

using namespace Palette;

const std::array<LightColour, 6> Colours{{
    {1, QT_TRANSLATE_NOOP("YDSlit", "red"), QColor(255, 0, 0), 700},
    {2, QT_TRANSLATE_NOOP("YDSlit", "orange"), QColor(255, 128, 0), 550},
    {3, QT_TRANSLATE_NOOP("YDSlit", "yellow"), QColor(255, 255, 0), 500},
    {4, QT_TRANSLATE_NOOP("YDSlit", "green"), QColor(0, 255, 0), 475},
    {5, QT_TRANSLATE_NOOP("YDSlit", "blue"), QColor(0, 0, 255), 460},
    {6, QT_TRANSLATE_NOOP("YDSlit", "violet"), QColor(255, 0, 255), 450},
}};

void arial(Gdi::Canvas &c, int height)
{
    c.font = Gdi::Font{};
    c.font.height = height;
    c.brush.style = Gdi::BrushStyle::Clear;
}

void centredText(Gdi::Canvas &c, int x, int y, const QString &text)
{
    c.textOut(x - c.textWidth(text) / 2, y, text);
}

void line(Gdi::Canvas &c, int x0, int y0, int x1, int y1)
{
    c.moveTo(x0, y0);
    c.lineTo(x1, y1);
}

} // namespace

const std::array<LightColour, 6> &lightColours()
{
    return Colours;
}

QColor colourForTag(int tag, const QColor &current)
{
    for (const LightColour &c : Colours) {
        if (c.tag == tag) {
            return c.colour;
        }
    }
    return current;
}

int wavelengthOf(const QColor &colour)
{
    for (const LightColour &c : Colours) {
        if (c.colour == colour) {
            return c.wavelength;
        }
    }
    return 450;
}

int fringeSpacing(int wavelength, int screenPosition, int separation)
{
    const int d = 3000 - screenPosition;
    const int product = wavelength * 10 * d;
    return Gdi::roundHalfEven(product / double(separation * 10000));
}

int fringesPerSide(int spacing)
{
    return spacing > 0 ? 200 / spacing : 0;
}

int fadeStep(int spacing)
{
    return spacing >= 2 ? 255 / (spacing / 2) : 255;
}

void DrawFringeScale(Gdi::Canvas &target)
{
    Gdi::Bitmap bitmap(410, 21);
    Gdi::Canvas &c = bitmap.canvas();
    c.brush.color = LightYellow;
    c.fillRect(0, 0, 410, 21);
    arial(c, 12);
    line(c, 0, 20, 410, 20);
    line(c, 205, 10, 205, 20);
    centredText(c, 205, 0, QStringLiteral("0"));
    for (int i = 1; i <= 20; ++i) {
        for (int x : {205 + 10 * i, 205 - 10 * i}) {
            if (i % 5 == 0) {
                line(c, x, 10, x, 20);
                centredText(c, x, 0, QString::number(i));
            } else {
                line(c, x, 15, x, 20);
            }
        }
    }
    target.draw(0, 0, bitmap.image());
}

void DrawFringes(Gdi::Canvas &target, const QColor &light, int screenPosition, int separation)
{
    const int w = fringeSpacing(wavelengthOf(light), screenPosition, separation);
    const int n = fringesPerSide(w);
    const int step = fadeStep(w);
    Gdi::Bitmap bitmap(410, 30);
    Gdi::Canvas &c = bitmap.canvas();
    c.brush.color = Qt::black;
    c.fillRect(0, 0, 410, 30);
    const auto column = [&c](int x) { c.fillRect(x, 3, x + 1, 27); };
    for (int k = 0; k <= n; ++k) {
        // Each bright fringe falls off linearly to both sides; a component that
        // is already small stops falling (orange fades to a dark red).
        int rgb[3] = {light.red(), light.green(), light.blue()};
        c.brush.color = light;
        for (int j = 0; j <= w / 2; ++j) {
            const int x1 = 205 + k * w + j;
            const int x2 = 205 + k * w - j;
            column(x1);
            if (k > 0) {
                column(409 - x1);
            }
            column(x2);
            if (k > 0) {
                column(409 - x2);
            }
            for (int &v : rgb) {
                if (v > step) {
                    v -= step;
                }
            }
            if (rgb[0] <= step && rgb[1] <= step && rgb[2] <= step) {
                break;
            }
            c.brush.color = QColor(rgb[0], rgb[1], rgb[2]);
        }
    }
    target.draw(0, 25, bitmap.image());
}

void DrawMetreRule(Gdi::Canvas &target, int x, int y)
{
    Gdi::Bitmap bitmap(308, 33);
    Gdi::Canvas &c = bitmap.canvas();
    c.brush.color = LightYellow;
    c.rectangle(5, 12, 306, 33);
    arial(c, 13);
    for (int i = 0; i <= 30; ++i) {
        const int tx = 5 + 10 * i;
        line(c, tx, 32, tx, i % 10 == 0 ? 12 : (i % 5 == 0 ? 22 : 27));
        if (i % 10 == 0) {
            centredText(c, tx, 0, QStringLiteral("%1m").arg(3 - i / 10));
        }
    }
    target.draw(x, y, bitmap.image());
}

void DrawApparatus(Gdi::Canvas &target, int x, int y, const QColor &light, int screenPosition)
{
    const int s = screenPosition / 10;
    Gdi::Bitmap bitmap(371, 100);
    Gdi::Canvas &c = bitmap.canvas();
    c.font.height = -11;
    c.brush.color = Cream;
    c.rectangle(s, 0, s + 5, 100);
    line(c, 305, 20, 305, 50);
    line(c, 305, 52, 305, 81);
    c.brush.color = Silver;
    c.rectangle(330, 40, 370, 60);
    // The beam: from the screen's face to the laser.
    c.brush.color = light;
    c.fillRect(s + 5, 50, 330, 51);
    c.brush.style = Gdi::BrushStyle::Clear;
    c.textOut(330, 25, QCoreApplication::translate("YDSlit", "laser"));
    c.textOut(305, 80, QCoreApplication::translate("YDSlit", "double slit"));
    c.textOut(s + 5, 85, QCoreApplication::translate("YDSlit", " screen"));
    target.draw(x, y, bitmap.image());
}

void DrawZoomView(Gdi::Canvas &target, int screenPosition)
{
    const int d = 3000 - screenPosition;
    const int q = d / 10; // whole centimetres
    const int r = d % 10; // and millimetres
    Gdi::Bitmap bitmap(100, 60);
    Gdi::Canvas &c = bitmap.canvas();
    arial(c, 13);
    c.brush.style = Gdi::BrushStyle::Solid;
    c.brush.color = QColor(128, 128, 128);
    c.fillRect(5, 5, 100, 59);
    c.brush.color = Cream;
    c.rectangle(0, 0, 95, 55);
    c.brush.color = LightYellow;
    c.rectangle(0, 15, 95, 40);
    c.brush.color = Silver;
    c.rectangle(35 - 4 * r, 40, 48 - 4 * r, 55);
    c.brush.style = Gdi::BrushStyle::Clear;
    for (int i = -1; i <= 21; ++i) {
        const int tx = 4 * i + 8;
        const bool major = i % 10 == 0;
        line(c, tx, 39, tx, major ? 15 : (i % 5 == 0 ? 30 : 35));
        if (major) {
            centredText(c, tx, 0, QString::number(q + 1 - i / 10));
        }
    }
    target.draw(0, 0, bitmap.image());
}

} // namespace YDSlit
