#include "optics/HydrogenLines.h"

#include "gdi/GdiMath.h"
#include "optics/Grating.h"

#include <QCoreApplication>

namespace EmSpectra {

namespace {

// Transition i (1..12) to its levels.
std::pair<int, int> levels(int transition)
{
    const int lower = (transition - 1) / 4 + 1;
    const int k = (transition - 1) % 4 + 1;
    return {lower + k, lower};
}

void line(Gdi::Canvas &c, int x0, int y0, int x1, int y1)
{
    c.moveTo(x0, y0);
    c.lineTo(x1, y1);
}

void arial8(Gdi::Canvas &c)
{
    c.font = Gdi::Font{};
    c.setFontSize(8);
}

// Text at x, vertically centred on y.
void textCentredOn(Gdi::Canvas &c, int x, int y, const QString &text)
{
    c.textOut(x, y - c.textHeight(text) / 2, text);
}

} // namespace

float photonWavelength(int nu, int nl)
{
    const long double bracket = 1.0L / (nl * nl) - 1.0L / (nu * nu);
    const auto energy = static_cast<double>(bracket * 21.7872L);
    return static_cast<float>(1987.8 / energy);
}

int Scale::levelY(int n) const
{
    return Gdi::roundHalfEven(double(e0) / (n * n)) + 10;
}

int Scale::axisStep() const
{
    return Gdi::roundHalfEven(2 * e0 / 13.6);
}

Scale scale(int screenMode)
{
    const int h = screenMode == 1 ? 280 : 365;
    return {h, h - 30};
}

std::array<Transition, Transitions> transitionTable(int screenMode)
{
    const Scale s = scale(screenMode);
    std::array<Transition, Transitions> table{};
    for (int i = 1; i <= Transitions; ++i) {
        const auto [upper, lower] = levels(i);
        const int k = upper - lower;
        const int left = 50 + 60 * (lower - 1) + 10 * k;
        table[std::size_t(i - 1)] = {upper, lower, {left, s.levelY(upper), left + 10, s.levelY(lower)}};
    }
    return table;
}

int hitTest(const std::array<Transition, Transitions> &table, QPoint point)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].arrow.contains(point)) {
            return int(i) + 1;
        }
    }
    return 0;
}

int lineX(int transition)
{
    const auto [upper, lower] = levels(transition);
    return Gdi::roundHalfEven(0.16 * photonWavelength(upper, lower)) + 10;
}

std::array<QPoint, 3> markerPoints(int transition)
{
    const int x = lineX(transition);
    return {QPoint(x - 3, 2), QPoint(x, 10), QPoint(x + 3, 2)};
}

void DrawDiagram(Gdi::Canvas &target, int screenMode, const std::array<Transition, Transitions> &table,
                 std::optional<QPoint> electron)
{
    const Scale s = scale(screenMode);
    Gdi::Bitmap bitmap(350, s.height);
    Gdi::Canvas &c = bitmap.canvas();

    // The energy axis, 0 to -14 eV.
    c.brush.style = Gdi::BrushStyle::Clear;
    arial8(c);
    const int v = s.axisStep();
    c.pen.style = Gdi::PenStyle::Dot;
    line(c, 50, 10, 272, 10);
    c.pen.style = Gdi::PenStyle::Solid;
    line(c, 50, 10, 50, 7 * v + 10);
    for (int i = 0; i <= 7; ++i) {
        const int y = i * v + 10;
        line(c, 45, y, 50, y);
        const QString label = QString::number(-2 * i);
        textCentredOn(c, 42 - c.textWidth(label), y, label);
    }
    c.font.color = QColor(0, 0, 255);
    c.font.escapement = 900;
    c.textOut(15, 200, QCoreApplication::translate("EmSpectra", "Energy (eV)"));
    c.font.escapement = 0;

    // The levels.
    c.font.color = QColor(255, 0, 0);
    for (int n = 1; n <= 7; ++n) {
        const int y = s.levelY(n);
        line(c, 50, y, 272, y);
        if (n <= 4) {
            textCentredOn(c, 282, y, QCoreApplication::translate("EmSpectra", "n = %1").arg(n));
        }
        if (n == 1) {
            c.textOut(125, y, QCoreApplication::translate("EmSpectra", "(ground state)"));
        }
    }
    textCentredOn(c, 282, 10, QCoreApplication::translate("EmSpectra", "n = \u221e"));

    // The arrows, each ending in a yellow head on the lower level.
    c.brush.style = Gdi::BrushStyle::Solid;
    c.brush.color = QColor(255, 255, 0);
    for (const Transition &t : table) {
        const Gdi::Rect &a = t.arrow;
        line(c, a.left + 5, a.top, a.left + 5, a.bottom);
        const std::array<QPoint, 3> head{QPoint(a.left + 1, a.bottom - 6), QPoint(a.left + 5, a.bottom),
                                         QPoint(a.right - 1, a.bottom - 6)};
        c.polygon(head);
    }
    if (electron) {
        c.brush.color = QColor(0, 0, 255);
        c.ellipse(electron->x(), electron->y(), electron->x() + 10, electron->y() + 10);
    }
    c.drawEdgeSunken({0, 0, 350, s.height});
    target.draw(0, 0, bitmap.image());
}

void DrawSpectrum(Gdi::Canvas &target)
{
    Gdi::Bitmap bitmap(350, 85);
    Gdi::Canvas &c = bitmap.canvas();
    arial8(c);
    c.brush.color = Qt::white;
    c.rectangle(0, 0, 350, 85);
    c.brush.color = Qt::black;
    c.rectangle(10, 10, 331, 49);
    c.brush.style = Gdi::BrushStyle::Clear;
    for (int i = 0; i <= 20; ++i) {
        const int x = 16 * i + 10;
        line(c, x, 50, x, 55);
        if (i % 5 == 0) {
            const QString label = QString::number(100 * i);
            c.textOut(x - c.textWidth(label) / 2, 55, label);
        }
    }
    const QString title = QCoreApplication::translate("EmSpectra", "Wavelength (nm)");
    c.textOut((350 - c.textWidth(title)) / 2, 65, title);
    // Only the lines between 400 and 700 nm are light the eye sees; the
    // white ones either side are ultraviolet (Lyman) and infrared (Paschen).
    c.font.color = QColor(96, 96, 96);
    const QString ultraviolet = QCoreApplication::translate("EmSpectra", "ultraviolet");
    const QString visible = QCoreApplication::translate("EmSpectra", "visible");
    const QString infrared = QCoreApplication::translate("EmSpectra", "infrared");
    c.textOut(10, 65, ultraviolet);
    c.textOut(98 - c.textWidth(visible) / 2, 65, visible);
    c.textOut(331 - c.textWidth(infrared), 65, infrared);
    c.font.color = Qt::black;
    for (int i = 1; i <= Transitions; ++i) {
        const auto [upper, lower] = levels(i);
        c.pen.width = lower == 1 ? 1 : 2;
        c.pen.color = Grating::wavelengthColour(photonWavelength(upper, lower));
        const int x = lineX(i);
        line(c, x, 10, x, 48);
    }
    c.drawEdgeSunken({0, 0, 350, 85});
    target.draw(0, 0, bitmap.image());
}

void ToggleMarker(Gdi::Canvas &strip, int transition)
{
    const Gdi::Pen pen = strip.pen;
    const Gdi::Brush brush = strip.brush;
    strip.pen = Gdi::Pen{QColor(255, 255, 255), 1, Gdi::PenStyle::Solid, Gdi::PenMode::Xor};
    strip.brush = Gdi::Brush{QColor(0, 128, 128), Gdi::BrushStyle::Solid};
    strip.polygon(markerPoints(transition));
    strip.pen = pen;
    strip.pen.mode = Gdi::PenMode::Copy;
    strip.brush = brush;
}

} // namespace EmSpectra
