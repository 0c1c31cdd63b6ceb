#include "gdi/Palette.h"

#include <array>
#include <atomic>
#include <cmath>
#include <utility>

namespace Palette {

namespace {

std::atomic<bool> projector{false};

// Pale colour -> the stronger tone a projector shows: the electric field's
// sheet (1.02:1 against white) becomes gold, the magnetic field's sheet
// (1.2:1) a clear blue, yellow points and arrow heads (1.07:1) a dark gold.
const std::array<std::pair<QColor, QColor>, 3> Stronger{{
    {Cream, QColor(190, 130, 0)},
    {LightBlue, QColor(70, 130, 230)},
    {Yellow, QColor(180, 130, 0)},
}};

double luminance(const QColor &c)
{
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

} // namespace

void setProjectorColours(bool on)
{
    projector = on;
}

bool projectorColours()
{
    return projector;
}

QColor shown(const QColor &colour)
{
    if (projector) {
        const QRgb rgb = colour.rgb();
        for (const auto &[pale, strong] : Stronger) {
            if (pale.rgb() == rgb) {
                return strong;
            }
        }
    }
    return colour;
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace Palette
