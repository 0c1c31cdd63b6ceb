#include "gdi/RefreshPacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

int refreshInterval(const QWidget *widget)
{
    const QScreen *display = widget->screen();
    const qreal hertz = display && display->refreshRate() >= 1 ? display->refreshRate() : 60;
    return int(1000 / hertz);
}

RefreshPacer::RefreshPacer(QWidget *owner, std::function<void()> show)
    : m_owner(owner)
    , m_show(std::move(show))
{
    m_nextRefresh.setSingleShot(true);
    QObject::connect(&m_nextRefresh, &QTimer::timeout, owner, [this] { m_show(); });
}

void RefreshPacer::request()
{
    if (m_nextRefresh.isActive()) {
        return; // already due at the next refresh
    }
    const int refresh = refreshInterval(m_owner);
    const qint64 since = m_sinceShown.isValid() ? m_sinceShown.elapsed() : refresh;
    if (since >= refresh) {
        m_show();
    } else {
        m_nextRefresh.start(int(refresh - since));
    }
}

WindowPacer::WindowPacer(QWidget *window, std::function<bool()> active)
    : QObject(window)
    , m_window(window)
    , m_active(std::move(active))
{
    m_nextRefresh.setSingleShot(true);
    connect(&m_nextRefresh, &QTimer::timeout, this, [this] {
        m_due = true;
        QCoreApplication::postEvent(m_window, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    });
    window->installEventFilter(this);
}

bool WindowPacer::eventFilter(QObject *watched, QEvent *event)
{
    // Widgets ask for a repaint of their window with one UpdateRequest, and
    // ask no more until it has been handled; one held back here is replaced
    // by the one posted at the next refresh, which paints all that changed.
    if (watched != m_window || event->type() != QEvent::UpdateRequest) {
        return false;
    }
    if (m_nextRefresh.isActive()) {
        return true;
    }
    const int refresh = refreshInterval(m_window);
    if (!m_due && m_active() && m_sincePainted.isValid() && m_sincePainted.elapsed() < refresh) {
        m_nextRefresh.start(int(refresh - m_sincePainted.elapsed()));
        return true;
    }
    m_due = false;
    m_sincePainted.start();
    return false;
}
