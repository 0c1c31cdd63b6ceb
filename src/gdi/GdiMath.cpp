#include "gdi/GdiMath.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Gdi {

int roundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which is round-to-nearest-
    // even unless someone changed it; std::remainder-free and exact for halves.
    return static_cast<int>(std::nearbyint(value));
}

int mulDiv(int a, int b, int c)
{
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const auto num = static_cast<std::uint64_t>(product < 0 ? -product : product);
    const auto den = static_cast<std::uint64_t>(c < 0 ? -static_cast<std::int64_t>(c) : c);
    const std::uint64_t quotient = (num + den / 2) / den;
    if (quotient > static_cast<std::uint64_t>(std::numeric_limits<int>::max())) {
        return -1;
    }
    const auto q = static_cast<int>(quotient);
    return negative ? -q : q;
}

namespace {

QLocale withoutGroups(QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QLocale &shownNumbers()
{
    static QLocale locale = withoutGroups(QLocale::c());
    return locale;
}

QString fixedPoint(double value, int decimals, QChar point);

} // namespace

QLocale numberLocale()
{
    return shownNumbers();
}

void setNumberLocale(const QLocale &locale)
{
    shownNumbers() = withoutGroups(locale);
}

QLocale pointLocale()
{
    return withoutGroups(QLocale::c());
}

QString formatF(double value, int decimals)
{
    return fixedPoint(value, decimals, numberLocale().decimalPoint().at(0));
}

QString formatPointF(double value, int decimals)
{
    return fixedPoint(value, decimals, QLatin1Char('.'));
}

namespace {

QString fixedPoint(double value, int decimals, QChar point)
{
    if (!std::isfinite(value)) {
        return QString::number(value);
    }
    // Fifteen decimals hold every digit a double carries for label-sized values;
    // the digit after the last kept one decides the rounding.
    const QString digits = QString::number(std::fabs(value), 'f', 15);
    const qsizetype dot = digits.indexOf(QLatin1Char('.'));
    QString kept = digits.left(dot) + digits.mid(dot + 1, decimals);
    bool roundUp = digits.at(dot + 1 + decimals) >= QLatin1Char('5');
    // Propagate the carry through the kept digits.
    for (qsizetype i = kept.size() - 1; roundUp && i >= 0; --i) {
        if (kept[i] == QLatin1Char('9')) {
            kept[i] = QLatin1Char('0');
        } else {
            kept[i] = QChar(kept[i].unicode() + 1);
            roundUp = false;
        }
    }
    if (roundUp) {
        kept.prepend(QLatin1Char('1'));
    }
    QString result = decimals > 0 ? kept.left(kept.size() - decimals) + point + kept.right(decimals) : kept;
    const bool isZero = std::all_of(kept.cbegin(), kept.cend(), [](QChar digit) { return digit == QLatin1Char('0'); });
    if (value < 0 && !isZero) {
        result.prepend(QLatin1Char('-'));
    }
    return result;
}

} // namespace

} // namespace Gdi
