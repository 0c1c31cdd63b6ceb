#include "Dialogs.h"

#include <QApplication>

QMessageBox::StandardButton MessageBoxDialogs::confirm(QWidget *parent, const QString &text,
                                                       QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBoxDialogs::error(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}
