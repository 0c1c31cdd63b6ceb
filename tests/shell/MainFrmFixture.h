#pragma once

// A main window for tests: scripted message boxes and print dialogs, a help
// system that records what it was asked, and a fixed 1024 by 768 screen.
#include "app/MainFrm.h"
#include "shell/Dialogs.h"
#include "shell/HelpSystem.h"
#include "shell/TextPane.h"

#include <QPrinter>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include <deque>

// Answers message boxes from a script and records what was asked.
class ScriptedDialogs : public Dialogs
{
public:
    std::deque<QMessageBox::StandardButton> answers;
    QStringList questions;
    std::vector<QMessageBox::StandardButtons> buttons;
    QStringList errors;

    QMessageBox::StandardButton confirm(QWidget *, const QString &text, QMessageBox::StandardButtons b) override
    {
        questions << text;
        buttons.push_back(b);
        if (answers.empty()) {
            return QMessageBox::No;
        }
        const auto a = answers.front();
        answers.pop_front();
        return a;
    }
    void error(QWidget *, const QString &text) override { errors << text; }
    QList<QUrl> opened;
    void openExternal(const QUrl &url) override { opened << url; }
    // The file name the save dialog "chooses"; empty: cancelled.
    QString saveTo;
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return saveTo; }
    // When set, the print dialog "chooses" a PDF file of that name, and the
    // range when `fromPage` is set.
    int fromPage = 0;
    int toPage = 0;
    QString printToFile;
    int printDialogs = 0;
    bool choosePrinter(QWidget *, QPrinter &printer, bool, int, int) override
    {
        ++printDialogs;
        if (printToFile.isEmpty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToFile);
        if (fromPage > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(fromPage, toPage);
        } else {
            printer.setPrintRange(QPrinter::AllPages);
        }
        return true;
    }
};

class RecordingHelp : public HelpSystem
{
public:
    QStringList calls;
    void showContext(int context) override { calls << QStringLiteral("context %1").arg(context); }
    void showContents() override { calls << QStringLiteral("contents"); }
    void searchPartialKey() override { calls << QStringLiteral("partial key"); }
    void quit() override { calls << QStringLiteral("quit"); }
};

struct Fixture
{
    std::shared_ptr<ScriptedDialogs> dialogs = std::make_shared<ScriptedDialogs>();
    std::shared_ptr<RecordingHelp> help = std::make_shared<RecordingHelp>();
    std::unique_ptr<TMainFrm> window;

    explicit Fixture(QSize screen = QSize(1024, 768), const QString &programDir = {})
    {
        // Settings (the language chosen) go to a test folder, never the
        // user's, and every window starts in English.
        QStandardPaths::setTestModeEnabled(true);
        QSettings().remove(QStringLiteral("language"));
        TMainFrm::Options options;
        options.programDir = programDir;
        options.screen = ScreenInfo{screen, QRect(0, 0, screen.width(), screen.height() - 40)};
        options.dialogs = dialogs;
        options.help = help;
        window = std::make_unique<TMainFrm>(options);
        window->show();
        if (window->arrangement().maximised) {
            window->setGeometry(window->arrangement().bounds);
        }
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    QString activePage() const
    {
        return window->findChild<QStackedWidget *>(QStringLiteral("MainPC"))->currentWidget()->objectName();
    }
    void chooseTopic(int topic) { window->topicAction(topic)->trigger(); }
    QToolButton *button(const char *name) const { return window->findChild<QToolButton *>(QString::fromLatin1(name)); }
};
