#pragma once

#include <QString>

#include <memory>

class HelpWindow;

// The program's help: context pages for F1, the contents, a keyword search and
// closing. The main window talks to it only through these four commands.
class HelpSystem
{
public:
    virtual ~HelpSystem() = default;
    virtual void showContext(int context) = 0;
    virtual void showContents() = 0;
    virtual void searchPartialKey() = 0;
    virtual void quit() = 0;
};

// Help from a Qt Help collection beside the program, shown in a window of ours.
// The window is created on first use.
class QtHelpSystem : public HelpSystem
{
public:
    explicit QtHelpSystem(QString collectionFile);
    ~QtHelpSystem() override;

    void showContext(int context) override;
    void showContents() override;
    void searchPartialKey() override;
    void quit() override;

    // The window, if it has been opened (for tests and the snapshot tool).
    HelpWindow *window() const { return m_window.get(); }

private:
    HelpWindow &ensureWindow();

    QString m_collectionFile;
    std::unique_ptr<HelpWindow> m_window;
};
