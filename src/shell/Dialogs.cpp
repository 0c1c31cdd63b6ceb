#include "shell/Dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

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

bool MessageBoxDialogs::choosePrinter(QWidget *parent, QPrinter &printer, bool pageRange, int minPage, int maxPage)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, pageRange);
    if (pageRange) {
        dialog.setMinMax(minPage, maxPage);
        dialog.setFromTo(printer.fromPage(), printer.toPage());
    }
    return dialog.exec() == QDialog::Accepted;
}

void MessageBoxDialogs::openExternal(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

QString MessageBoxDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                        const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}
