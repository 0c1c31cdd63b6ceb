#pragma once

#include <QString>

class QAction;
class QWidget;

// Hints have two parts, "short|long": the short part is the tooltip, the long
// part is shown in the status bar. Without a bar both are the whole text.
namespace Hints {

QString shortHint(const QString &hint);
QString longHint(const QString &hint);

void setHint(QWidget *widget, const QString &hint);
void setHint(QAction *action, const QString &hint);

} // namespace Hints
