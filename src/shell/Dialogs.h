#pragma once

#include <QMessageBox>
#include <QString>

class QPrinter;
class QUrl;
class QWidget;

// Message boxes behind an interface, so a test can answer them.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // A confirmation box; returns the button chosen.
    virtual QMessageBox::StandardButton confirm(QWidget *parent, const QString &text,
                                                QMessageBox::StandardButtons buttons)
        = 0;
    // An error box with the error's own message and an OK button.
    virtual void error(QWidget *parent, const QString &text) = 0;
    // The print dialog; true when the user chose to print. With `pageRange`
    // the user may choose pages minPage..maxPage (the printer's from-page and
    // to-page preset the choice); without it there is no page choice.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer, bool pageRange, int minPage, int maxPage) = 0;
    // Opens a web or mail address in the desktop's own program.
    virtual void openExternal(const QUrl &url) = 0;
    // The desktop's save dialog; the file name chosen, empty when cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                 const QString &filter)
        = 0;
};

class MessageBoxDialogs : public Dialogs
{
public:
    QMessageBox::StandardButton confirm(QWidget *parent, const QString &text,
                                        QMessageBox::StandardButtons buttons) override;
    void error(QWidget *parent, const QString &text) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer, bool pageRange, int minPage, int maxPage) override;
    void openExternal(const QUrl &url) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                         const QString &filter) override;
};
