#include "shell/ResultsTable.h"

#include "gdi/GdiMath.h"
#include "shell/ButtonIcons.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// `digits` significant figures for a fraction: few on the page, all a
// spreadsheet can use when handed out.
QString cellText(const QVariant &cell, const QLocale &numbers, int digits = 12)
{
    switch (cell.typeId()) {
    case QMetaType::Double:
        return numbers.toString(cell.toDouble(), 'g', digits);
    case QMetaType::Int:
    case QMetaType::LongLong:
        return numbers.toString(cell.toLongLong());
    default:
        return cell.toString();
    }
}

} // namespace

ResultsTable::ResultsTable(const QString &name, const QStringList &headings, const QStringList &shortHeadings,
                           QWidget *parent)
    : QWidget(parent)
    , m_headings(headings)
    , m_view(new QTableWidget(0, int(headings.size()), this))
    , m_clear(new QToolButton(this))
{
    setObjectName(name);
    m_view->setObjectName(name + QStringLiteral("View"));
    m_view->setHorizontalHeaderLabels(shortHeadings);
    for (int column = 0; column < int(headings.size()); ++column) {
        m_view->horizontalHeaderItem(column)->setToolTip(headings[column]);
    }
    m_view->verticalHeader()->hide();
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setAccessibleName(tr("results"));
    m_view->setAccessibleDescription(tr("One row for each finished measurement"));
    m_clear->setObjectName(name + QStringLiteral("ClearBtn"));
    m_clear->setText(tr("clear"));
    m_clear->setIcon(ButtonIcons::icon(ButtonIcons::Kind::Clear));
    m_clear->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_clear->setToolTip(tr("Clear the results"));
    m_clear->setAccessibleName(tr("clear the results"));
    m_clear->setAccessibleDescription(tr("Removes every row of the results"));
    connect(m_clear, &QToolButton::clicked, this, &ResultsTable::clear);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view, 1);
    auto *side = new QVBoxLayout;
    side->addWidget(m_clear);
    side->addStretch(1);
    layout->addLayout(side);
}

void ResultsTable::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    }
}

void ResultsTable::addRow(const QVariantList &cells)
{
    m_rows << cells;
    const int row = m_view->rowCount();
    m_view->insertRow(row);
    for (int column = 0; column < cells.size() && column < m_view->columnCount(); ++column) {
        auto *item = new QTableWidgetItem(cellText(cells[column], Gdi::numberLocale(), 4));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_view->setItem(row, column, item);
    }
    m_view->scrollToBottom();
    Q_EMIT changed();
}

void ResultsTable::clear()
{
    m_rows.clear();
    m_view->setRowCount(0);
    Q_EMIT changed();
}

QList<QStringList> ResultsTable::table(const QLocale &numbers) const
{
    QList<QStringList> out{m_headings};
    for (const QVariantList &cells : m_rows) {
        QStringList row;
        for (const QVariant &cell : cells) {
            row << cellText(cell, numbers);
        }
        out << row;
    }
    return out;
}
