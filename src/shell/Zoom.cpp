#include "shell/Zoom.h"

#include <algorithm>

namespace Zoom {

bool isStep(int percent)
{
    return std::find(Steps.begin(), Steps.end(), percent) != Steps.end();
}

int stepIn(int percent)
{
    const auto next = std::upper_bound(Steps.begin(), Steps.end(), percent);
    return next == Steps.end() ? Steps.back() : *next;
}

int stepOut(int percent)
{
    const auto below = std::lower_bound(Steps.begin(), Steps.end(), percent);
    return below == Steps.begin() ? Steps.front() : *(below - 1);
}

int fit(QSize extent, QSize area)
{
    int best = Steps.front();
    for (int step : Steps) {
        // Whole pixels: a page fits when its zoomed size does, rounded up.
        const qint64 w = (qint64(extent.width()) * step + 99) / 100;
        const qint64 h = (qint64(extent.height()) * step + 99) / 100;
        if (w <= area.width() && h <= area.height()) {
            best = step;
        }
    }
    return best;
}

} // namespace Zoom
