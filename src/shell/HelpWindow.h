#pragma once

#include <QUrl>
#include <QWidget>

class QHelpEngine;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTextBrowser;
class QToolButton;

// The help window: contents and a keyword index on the left, the page on the
// right. Pages come from the compressed help beside the program.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(const QString &collectionFile, QWidget *parent = nullptr);
    ~HelpWindow() override;

    bool isValid() const { return m_valid; }

    // Shows the page registered for a context number; the contents page when
    // the number is unknown.
    void showContext(int context);
    void showContents();
    // Shows the index with the keyword field focused; typing narrows the list
    // to keywords that contain what was typed.
    void showIndex();

    QUrl currentPage() const;
    QTextBrowser *browser() const { return m_browser; }
    QLineEdit *indexFilter() const { return m_filter; }
    QHelpEngine *engine() const { return m_engine; }
    QUrl urlForContext(int context) const;
    // Follows a link as a click does: help pages open here, web and mail links
    // go to the desktop; relative links resolve against the page shown.
    void followLink(const QUrl &link);
    // The help collection itself when it is missing or not a whole database,
    // else empty. Only reads the file.
    static QString problemWith(const QString &collectionFile);

private:
    void showPage(const QUrl &url);
    void bringToFront();

    QHelpEngine *m_engine = nullptr;
    QTabWidget *m_tabs = nullptr;
    QLineEdit *m_filter = nullptr;
    QTextBrowser *m_browser = nullptr;
    QLabel *m_message = nullptr;
    QToolButton *m_back = nullptr;
    QToolButton *m_forward = nullptr;
    QToolButton *m_home = nullptr;
    bool m_valid = false;
};
