#pragma once

#include "app/TopicRegistry.h"
#include "shell/ScreenLayout.h"
#include "shell/Session.h"

#include <QImage>
#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

class Dialogs;
class HelpSystem;
class HtmlViewer;
class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QStackedWidget;
class QUrl;
class TJumpManager;
class TextPane;
class TopicPage;
class TopicSplitter;

// The main window: the page area with the sixteen topics on the left, the text
// pane on the right, the menus and the status bar. It owns the shell's state
// and switches topics; each topic page owns its own controls.
class TMainFrm : public QMainWindow
{
    Q_OBJECT
public:
    struct Options
    {
        // The screen to lay out for; the primary screen when not given.
        std::optional<ScreenInfo> screen;
        // The program's folder; the executable's folder when empty.
        QString programDir;
        // Message boxes; real ones when not given.
        std::shared_ptr<Dialogs> dialogs;
        // Help; the Qt Help collection beside the program when not given.
        std::shared_ptr<HelpSystem> help;
    };

    explicit TMainFrm(const Options &options = {});
    ~TMainFrm() override;

    Session &session() { return m_session; }
    const ScreenArrangement &arrangement() const { return m_arrangement; }
    TextPane *textPane() const { return m_textPane; }
    // What the pages share beyond the session (the 3-D view).
    const Topics::SharedState &sharedState() const { return *m_shared; }
    HtmlViewer *viewer() const;
    TJumpManager &history();
    // A topic's page, built when first asked for.
    TopicPage *page(int topic);
    QAction *topicAction(int topic) const;
    int mainPCWidth() const;
    int topicWidth(int topic) const;
    bool startPictureLoaded() const { return m_splashPictureLoaded != 0; }

    // Topic switching.
    void DoTopicChange(QAction *sender);
    void ShowTopic(int topic);
    void SetTopicCaption(int topic);
    int PageTopic(const QString &url) const;
    void ApplyTopicWidth(int topic);
    void StoreTopicWidth();
    void Topics1Click();
    void AppIdle();

    // The Graph and Animation menus.
    void Graph1Click();
    void Print1Click();
    void Copy1Click();
    // File > "Print simulation": the page shown, its controls' values and the date.
    void PrintSimulationClick();
    // Graph > "Copy data" and "Save data...": the chart's numbers for a spreadsheet.
    void CopyDataClick();
    void SaveDataClick();
    void timescale1Click();
    void UpdateGraphTimescale(QAction *sender);
    void Xaxis1Click();
    void setspeed1Click();

    // Links that set a simulation up: "try:N?NAME=VALUE&menu=ITEM&click=BUTTON".
    // What is wrong with one, empty when it can be followed as a whole.
    QString checkTryLink(const QUrl &link);
    // Switches to topic N as the Topics menu does, then sets each control,
    // triggers each menu item and presses each button in the order written.
    void followTryLink(const QUrl &link);

    // View > Zoom: the page's zoom in percent (one of Zoom::Steps), as the
    // menu sets it; "Fit to window" is turned off.
    int zoomPercent() const { return m_zoomPercent; }
    void setPageZoom(int percent);
    void setFullScreen(bool on);

    // Keys seen before the controls; true when the key was consumed.
    bool FormKeyDown(int key);
    // Asks whether the program may close; sets the stop flag when it may.
    bool FormCloseQuery();

Q_SIGNALS:
    // Emitted once, when the window has been shown and laid out.
    void firstShown();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createPages();
    void buildStartPages();
    // The page of a topic if it has been built, else null.
    TopicPage *builtPage(int topic) const;
    void createMenus();
    // The language: pages and help from its folders; chosen from View > Language.
    void useLanguageFolders();
    void chooseLanguage(const QString &code, const QString &name);
    void switchLanguage(const QString &code);
    void FormCreate(const std::optional<ScreenInfo> &screen);
    void FormShow();
    void ArrangeForScreen(const ScreenInfo &screen);
    void selectTopicPage(int topic);
    void releaseStartPicture();
    void showAnimationsStopped();
    void centreStartPicture();
    void AppHint(const QString &hint);
    TopicPage *activePage() const;
    void applyZoom(int percent);
    // The page area's scroll extent for the page shown at the zoom.
    void updatePageExtent();
    // With "Fit to window" on, the largest zoom at which the page fits its area.
    void fitZoom();

    Session m_session;
    ScreenArrangement m_arrangement;
    std::shared_ptr<Dialogs> m_dialogs;
    std::shared_ptr<HelpSystem> m_help;
    bool m_ownsHelp = false; // the help was not given: the window opens its own
    std::unique_ptr<Topics::SharedState> m_shared;
    std::array<int, Topics::Count> m_topicWidths{};
    int m_splashPictureLoaded = -1;
    bool m_shownOnce = false;
    bool m_startUpDone = false;
    bool m_startPagesQueued = false;
    int m_zoomPercent = 100;
    bool m_zoomFit = false;
    bool m_fitting = false;
    bool m_wasMaximized = false;
    QAction *m_fitAction = nullptr;
    QAction *m_printSimulation = nullptr;
    QAction *m_fullScreenAction = nullptr;

    TopicSplitter *m_splitter = nullptr;
    QScrollArea *m_pageArea = nullptr;
    QStackedWidget *m_mainPC = nullptr;
    QWidget *m_splashTab = nullptr;
    QLabel *m_collagePic = nullptr;
    std::array<TopicPage *, Topics::Count> m_pages{};
    TextPane *m_textPane = nullptr;
    QMenu *m_topicsMenu = nullptr;
    QMenu *m_graphMenu = nullptr;
    QMenu *m_timescaleMenu = nullptr;
    QMenu *m_xAxisMenu = nullptr;
    QMenu *m_animationMenu = nullptr;
    std::array<QAction *, Topics::Count> m_topicActions{};
};
