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

// Projector colours: on a classroom projector pale tones wash out against
// white. With them on, the pictures draw each pale colour that carries
// meaning in a stronger tone of the same hue, at least 3:1 in contrast
// against white (WCAG relative luminance); everything else is unchanged.
void setProjectorColours(bool on);
bool projectorColours();
// The colour a picture shows for `colour`: itself, or its stronger tone.
QColor shown(const QColor &colour);
// Contrast ratio of two colours, 1 to 21.
double contrast(const QColor &a, const QColor &b);

} // namespace Palette
