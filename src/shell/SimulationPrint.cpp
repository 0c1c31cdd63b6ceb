#include "shell/SimulationPrint.h"

#include "chart/Chart.h"
#include "shell/TopicPage.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QRadioButton>

#include <algorithm>

namespace SimulationPrint {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SimulationPrint", text);
}

// A caption without its accelerator mark.
QString plain(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QChar(1), QLatin1Char('&'));
}

} // namespace

QStringList controlValues(const QWidget &page)
{
    struct Line
    {
        QPoint at;
        QString text;
    };
    std::vector<Line> lines;
    for (QWidget *w : page.findChildren<QWidget *>()) {
        if (!w->isVisibleTo(&page)) {
            continue;
        }
        QString text;
        if (auto *label = qobject_cast<QLabel *>(w); label && label->pixmap().isNull()) {
            text = label->text().simplified();
        } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
            text = tr("%1: %2").arg(plain(box->text()).trimmed(), box->isChecked() ? tr("on") : tr("off"));
        } else if (auto *radio = qobject_cast<QRadioButton *>(w)) {
            text = tr("%1: %2").arg(plain(radio->text()).trimmed(),
                                    radio->isChecked() ? tr("chosen") : tr("not chosen"));
        } else if (auto *slider = qobject_cast<QAbstractSlider *>(w)) {
            const QString name = w->accessibleName().isEmpty() ? w->objectName() : w->accessibleName();
            text = tr("%1: %2 (of %3 to %4)")
                       .arg(name)
                       .arg(slider->value())
                       .arg(slider->minimum())
                       .arg(slider->maximum());
        }
        if (!text.isEmpty()) {
            lines.push_back({w->mapTo(&page, QPoint(0, 0)), text});
        }
    }
    std::stable_sort(lines.begin(), lines.end(), [](const Line &a, const Line &b) {
        return a.at.y() != b.at.y() ? a.at.y() < b.at.y() : a.at.x() < b.at.x();
    });
    QStringList result;
    for (const Line &line : lines) {
        result << line.text;
    }
    return result;
}

bool print(QPrinter &printer, TopicPage &page, const QString &title, QString *error)
{
    ChartPainter target(&printer);
    if (!target.isActive()) {
        *error = tr("The printer could not be started.");
        return false;
    }
    QPainter &p = target.painter();
    const QRect sheet = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect area(QPoint(0, 0), sheet.size());
    // One unzoomed screen pixel is a 96th of an inch on paper.
    const qreal inch = printer.resolution();

    QFont heading(QStringLiteral("Arial"));
    heading.setPointSize(16);
    heading.setBold(true);
    QFont body(QStringLiteral("Arial"));
    body.setPointSize(10);
    p.setPen(Qt::black);
    p.setFont(heading);
    int y = 0;
    const QRect titleRect = p.boundingRect(area, Qt::AlignLeft | Qt::TextWordWrap, title);
    p.drawText(area, Qt::AlignLeft | Qt::TextWordWrap, title);
    y += titleRect.height();
    p.setFont(body);
    const int line = QFontMetrics(body, &printer).lineSpacing();
    p.drawText(QRect(0, y, area.width(), line), Qt::AlignLeft,
               QLocale().toString(QDate::currentDate(), QLocale::LongFormat));
    y += 2 * line;

    // The page as it stands, as far as its controls reach, at most half the
    // sheet's height.
    const QRect shown = page.childrenRect().intersected(page.rect()).united(QRect(0, 0, 1, 1));
    const QSize extent(shown.right() + 1, shown.bottom() + 1);
    qreal scale = inch / 96.0 / page.zoom();
    scale = std::min({scale, area.width() / qreal(extent.width()), area.height() / 2.0 / extent.height()});
    const QPoint origin(0, y);
    p.save();
    p.translate(origin);
    p.scale(scale, scale);
    page.render(&p, QPoint(), QRegion(QRect(QPoint(0, 0), extent)), QWidget::DrawChildren);
    p.restore();
    // Charts again, drawn for the printer rather than from the screen's buffer.
    for (Chart *chart : page.findChildren<Chart *>()) {
        if (chart->isVisibleTo(&page)) {
            const QRect onPage(chart->mapTo(&page, QPoint(0, 0)), chart->size());
            const QRect onPaper(origin + (QPointF(onPage.topLeft()) * scale).toPoint(),
                                (QSizeF(onPage.size()) * scale).toSize());
            p.fillRect(onPaper, Qt::white);
            chart->render(target, onPaper);
        }
    }
    y += qRound(extent.height() * scale) + line;

    p.setFont(body);
    for (const QString &text : controlValues(page)) {
        const QRect bounds = p.boundingRect(QRect(0, y, area.width(), 10 * line), Qt::TextWordWrap, text);
        if (y + bounds.height() > area.height()) {
            printer.newPage();
            y = 0;
        }
        p.drawText(QRect(0, y, area.width(), bounds.height()), Qt::TextWordWrap, text);
        y += bounds.height();
    }
    return true;
}

} // namespace SimulationPrint
