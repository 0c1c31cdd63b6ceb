#pragma once

#include <QList>
#include <QLocale>
#include <QPointF>
#include <QString>
#include <QStringList>

// A chart's numbers as a table for a spreadsheet: a header row, then one row
// per point. When every series has the same x values the table has one x
// column and a column per series; otherwise two columns per series ("NAME x",
// "NAME y"), shorter series padded with empty cells.
namespace ChartData {

struct Series
{
    QString name;
    QList<QPointF> points;
};

QList<QStringList> table(const QString &xHeading, const QList<Series> &series, const QLocale &numbers);

// Tab-separated text for the clipboard, one line per row.
QString tabSeparated(const QList<QStringList> &rows);
// A CSV file's text (RFC 4180): commas, CRLF line ends, a field holding a
// comma, quote or line break quoted with its quotes doubled.
QString csv(const QList<QStringList> &rows);

} // namespace ChartData
