#include "shell/Hints.h"

#include <QAbstractSlider>
#include <QAction>
#include <QWidget>

namespace Hints {

QString shortHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString longHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void setHint(QWidget *widget, const QString &hint)
{
    widget->setToolTip(shortHint(hint));
    widget->setStatusTip(longHint(hint));
    // A screen reader reads the long part; a slider, which has no caption of
    // its own, is named by the short part ("set slit separation").
    widget->setAccessibleDescription(longHint(hint));
    if (qobject_cast<QAbstractSlider *>(widget) && widget->accessibleName().isEmpty()) {
        widget->setAccessibleName(shortHint(hint));
    }
}

void setHint(QAction *action, const QString &hint)
{
    action->setToolTip(shortHint(hint));
    action->setStatusTip(longHint(hint));
}

} // namespace Hints
