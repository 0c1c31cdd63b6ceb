#pragma once

#include <QColor>

// The named colours the pictures are drawn with, as (red, green, blue).
namespace Palette {

inline const QColor Red{255, 0, 0};
inline const QColor Blue{0, 0, 255};
inline const QColor Yellow{255, 255, 0};
inline const QColor Teal{0, 128, 128};
inline const QColor Grey{128, 128, 128};
inline const QColor Silver{192, 192, 192};
// The pale yellow of light beams, screens and counters.
inline const QColor LightYellow{255, 255, 128};
// The paler yellow of the electric field's sheet and the fringe background.
inline const QColor Cream{255, 255, 224};
// The pale blue of the magnetic field's sheet.
inline const QColor LightBlue{217, 234, 255};

} // namespace Palette
