#include "shell/TopicPage.h"

#include "chart/Chart.h"
#include "gdi/PaintBox.h"
#include "shell/ResultsTable.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLayout>

#include <cmath>

namespace {

// A rectangle `zoom` times as large, its edges rounded so that controls that
// touch or keep apart at 100% still do.
QRect zoomed(const QRect &r, qreal zoom)
{
    const int left = qRound(r.x() * zoom);
    const int top = qRound(r.y() * zoom);
    return {left, top, qRound((r.x() + r.width()) * zoom) - left, qRound((r.y() + r.height()) * zoom) - top};
}

QPoint zoomed(QPoint p, qreal zoom)
{
    return {qRound(p.x() * zoom), qRound(p.y() * zoom)};
}

QFont zoomed(QFont font, qreal zoom)
{
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * zoom)));
    } else {
        font.setPointSizeF(font.pointSizeF() * zoom);
    }
    return font;
}

// Controls whose inner parts their own code arranges.
bool arrangesItsOwnParts(const QWidget *w)
{
    return qobject_cast<const QAbstractScrollArea *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
           || qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSlider *>(w)
           || qobject_cast<const QAbstractButton *>(w) || qobject_cast<const PaintBox *>(w)
           || qobject_cast<const Chart *>(w);
}

} // namespace

TopicPage::TopicPage(Session &session, int topic, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_topic(topic)
{ }

bool TopicPage::hasDataTable() const
{
    return m_results ? m_results->rowCount() > 0 : chart() && graphCommands().copy;
}

QList<QStringList> TopicPage::dataTable(const QLocale &numbers) const
{
    if (m_results) {
        return m_results->table(numbers);
    }
    return chart() ? chart()->dataTable(numbers) : QList<QStringList>();
}

ResultsTable *TopicPage::addResults(const char *name, const QStringList &headings, const QStringList &shortHeadings,
                                    const QRect &at)
{
    m_results = new ResultsTable(QString::fromLatin1(name), headings, shortHeadings, this);
    m_results->setGeometry(at);
    return m_results;
}

bool TopicPage::printChart(QPrinter &, QString *)
{
    return true;
}

void TopicPage::setRunButtons(QAbstractButton *start, QAbstractButton *stop, bool toggle)
{
    m_startButton = start;
    m_stopButton = stop;
    m_toggleRunButtons = toggle;
    connect(stop, &QAbstractButton::clicked, this, [this] {
        m_session.stopAnimations();
        stopped();
    });
}

void TopicPage::runStarted()
{
    m_session.startAnimation();
    if (m_toggleRunButtons) {
        m_startButton->setEnabled(false);
        m_stopButton->setEnabled(true);
    }
}

void TopicPage::showStopped()
{
    if (m_toggleRunButtons) {
        m_startButton->setEnabled(true);
        m_stopButton->setEnabled(false);
    }
}

QSize TopicPage::logicalSize() const
{
    // Rounded down, so that what is laid out in it never reaches past the page.
    return m_zoom == 1 ? size() : QSize(int(width() / m_zoom), int(height() / m_zoom));
}

void TopicPage::captureControls(QWidget *parent, QPoint origin)
{
    for (QObject *child : parent->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isWindow()) {
            continue;
        }
        const bool inLayout = parent->layout() && parent->layout()->indexOf(w) >= 0;
        const auto *button = qobject_cast<const QAbstractButton *>(w);
        m_controls.push_back({w, w->geometry(), origin, w->font(), button ? button->iconSize() : QSize(),
                              !inLayout && !m_placed.contains(w), w->testAttribute(Qt::WA_SetFont)});
        if (!arrangesItsOwnParts(w)) {
            captureControls(w, origin + w->pos());
        }
    }
}

QSize TopicPage::extent()
{
    if (!m_captured) {
        setZoom(m_zoom); // records the controls at 100%
    }
    QRect all(QPoint(0, 0), SmallestPage);
    for (const ControlAt100 &c : m_controls) {
        if (c.control && c.moves && c.control->parentWidget() == this && !c.control->isHidden()
            && !m_placed.contains(c.control)) {
            all |= c.geometry;
        }
    }
    return {all.right() + 1, all.bottom() + 1};
}

void TopicPage::setZoom(qreal zoom)
{
    if (zoom <= 0 || (m_captured && zoom == m_zoom)) {
        return;
    }
    if (!m_captured) {
        // The controls as the page built them are its 100% layout.
        m_captured = true;
        m_pageFont = font();
        m_pageOwnFont = testAttribute(Qt::WA_SetFont);
        captureControls(this, {});
    }
    m_zoom = zoom;
    if (zoom == 1 && !m_pageOwnFont) {
        setFont(QFont()); // inherits the window's font again
    } else {
        setFont(zoomed(m_pageFont, zoom));
    }
    for (const ControlAt100 &c : m_controls) {
        QWidget *w = c.control;
        if (!w) {
            continue;
        }
        if (c.moves) {
            // Zoomed where it lies on the page, so that edges which meet at
            // 100% still meet, whatever panel holds them.
            const QRect onPage = zoomed(c.geometry.translated(c.origin), zoom);
            w->setGeometry(onPage.translated(-zoomed(c.origin, zoom)));
        }
        if (c.ownFont) {
            w->setFont(zoomed(c.font, zoom));
        }
        if (auto *button = qobject_cast<QAbstractButton *>(w); button && c.iconSize.isValid()) {
            button->setIconSize(c.iconSize * zoom);
        }
        if (auto *picture = qobject_cast<PaintBox *>(w)) {
            picture->setZoom(zoom);
        } else if (auto *chart = qobject_cast<Chart *>(w)) {
            chart->setZoom(zoom);
        }
    }
    layOut();
}

void TopicPage::place(QWidget *control, const QRect &logical)
{
    m_placed.insert(control);
    control->setGeometry(zoomed(logical, m_zoom));
}

void TopicPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}
