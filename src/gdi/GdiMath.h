#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <numbers>

// Integer conventions of the pictures and labels. The topics' formulas were
// written for a platform whose float-to-integer conversion rounds half to
// even, whose integer division truncates toward zero, and whose MulDiv rounds
// half away from zero; these helpers keep those results exact.
namespace Gdi {

// Angles in degrees become radians through Pi / 180 before a sine or cosine.
inline constexpr double Pi = std::numbers::pi;

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
int roundHalfEven(double value);

// a * b / c with a 64-bit intermediate, rounded to nearest with halves away
// from zero; -1 when c is 0 or the result does not fit 32 bits.
int mulDiv(int a, int b, int c);

// Label format "%f": fixed point with two decimals ("0.50", or "0,50" where
// the program speaks a language with a decimal comma). Rounding is decided on
// the decimal digits of the value, halves away from zero, so 0.125 prints
// "0.13" as a user reading the value expects.
QString formatF(double value, int decimals = 2);
// The same with the point whatever the language, for numbers drawn inside
// pictures, whose layout is fixed.
QString formatPointF(double value, int decimals = 2);

// The one rule for the numbers the program shows in words: labels,
// descriptions, tables and chart ticks all format through this locale. It is
// the language's (set once at start), without group separators ("1500,25");
// until it is set, the point ("1500.25").
QLocale numberLocale();
void setNumberLocale(const QLocale &locale);
// The point and no group separators, for pictures and files.
QLocale pointLocale();

} // namespace Gdi
