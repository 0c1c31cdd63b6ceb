#pragma once

#include <QLocale>
#include <QStringList>
#include <QVariant>
#include <QWidget>

class QTableWidget;
class QToolButton;

// A page's record of finished measurements: one row per measurement, with a
// "clear" button. Numbers are kept as numbers, shown with the program's
// number rule and handed out (Graph > Copy data, Save data) in any locale.
class ResultsTable : public QWidget
{
    Q_OBJECT
public:
    // `headings` head the columns handed out; `shortHeadings` head them on
    // the page, where the table is narrow.
    // The table is named `name`, its list `name` + "View" and its button
    // `name` + "ClearBtn".
    ResultsTable(const QString &name, const QStringList &headings, const QStringList &shortHeadings,
                 QWidget *parent = nullptr);

    // A row of numbers (double or int) and words, in the headings' order.
    void addRow(const QVariantList &cells);
    int rowCount() const { return int(m_rows.size()); }
    const QList<QVariantList> &rows() const { return m_rows; }
    void clear();
    // The table with its heading row, numbers written by `numbers`.
    QList<QStringList> table(const QLocale &numbers) const;

Q_SIGNALS:
    void changed();

protected:
    // Rows keep to the font's height as the page zooms.
    void changeEvent(QEvent *event) override;

private:
    QStringList m_headings;
    QList<QVariantList> m_rows;
    QTableWidget *m_view;
    QToolButton *m_clear;
};
