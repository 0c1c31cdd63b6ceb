#pragma once

#include <QUrl>
#include <QWidget>

class QHelpEngine;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTextBrowser;

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

private:
    void showPage(const QUrl &url);
    void bringToFront();

    QHelpEngine *m_engine = nullptr;
    QTabWidget *m_tabs = nullptr;
    QLineEdit *m_filter = nullptr;
    QTextBrowser *m_browser = nullptr;
    QLabel *m_message = nullptr;
    bool m_valid = false;
};
