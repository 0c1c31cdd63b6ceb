#pragma once

#include <QSize>

#include <array>

// The page's zoom steps, in percent, and the choice of a step.
namespace Zoom {

inline constexpr std::array<int, 8> Steps{100, 125, 150, 175, 200, 250, 300, 400};

bool isStep(int percent);
// The next step up or down from `percent`; the end step at either end.
int stepIn(int percent);
int stepOut(int percent);
// The largest step at which a page of `extent` (unzoomed pixels) fits in
// `area`; the smallest step when none does.
int fit(QSize extent, QSize area);

} // namespace Zoom
