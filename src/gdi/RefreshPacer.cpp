#include "gdi/RefreshPacer.h"

#include <QScreen>
#include <QWidget>

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
    const QScreen *display = m_owner->screen();
    const qreal hertz = display && display->refreshRate() >= 1 ? display->refreshRate() : 60;
    const int refresh = int(1000 / hertz);
    const qint64 since = m_sinceShown.isValid() ? m_sinceShown.elapsed() : refresh;
    if (since >= refresh) {
        m_show();
    } else {
        m_nextRefresh.start(int(refresh - since));
    }
}
