#include "chart/ChartData.h"

#include <algorithm>

namespace ChartData {

namespace {

bool sharesX(const QList<Series> &series)
{
    for (const Series &s : series) {
        if (s.points.size() != series.front().points.size()) {
            return false;
        }
        for (qsizetype i = 0; i < s.points.size(); ++i) {
            if (s.points[i].x() != series.front().points[i].x()) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

QList<QStringList> table(const QString &xHeading, const QList<Series> &series, const QLocale &numbers)
{
    // Twelve significant figures keep every value a double shows to far
    // better than a millionth, without the noise of the last binary digits.
    const auto number = [&numbers](double v) { return numbers.toString(v, 'g', 12); };
    QList<QStringList> rows;
    if (series.isEmpty()) {
        return rows;
    }
    if (sharesX(series)) {
        QStringList heading{xHeading};
        for (const Series &s : series) {
            heading << s.name;
        }
        rows << heading;
        for (qsizetype i = 0; i < series.front().points.size(); ++i) {
            QStringList row{number(series.front().points[i].x())};
            for (const Series &s : series) {
                row << number(s.points[i].y());
            }
            rows << row;
        }
        return rows;
    }
    QStringList heading;
    qsizetype longest = 0;
    for (const Series &s : series) {
        heading << s.name + QStringLiteral(" x") << s.name + QStringLiteral(" y");
        longest = std::max(longest, s.points.size());
    }
    rows << heading;
    for (qsizetype i = 0; i < longest; ++i) {
        QStringList row;
        for (const Series &s : series) {
            if (i < s.points.size()) {
                row << number(s.points[i].x()) << number(s.points[i].y());
            } else {
                row << QString() << QString();
            }
        }
        rows << row;
    }
    return rows;
}

QString tabSeparated(const QList<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows) {
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QString csv(const QList<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows) {
        QStringList fields;
        for (const QString &cell : row) {
            if (cell.contains(QLatin1Char(',')) || cell.contains(QLatin1Char('"')) || cell.contains(QLatin1Char('\n'))
                || cell.contains(QLatin1Char('\r'))) {
                fields << QLatin1Char('"') + QString(cell).replace(QStringLiteral("\""), QStringLiteral("\"\""))
                              + QLatin1Char('"');
            } else {
                fields << cell;
            }
        }
        text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text;
}

} // namespace ChartData
