#include "app/MainFrm.h"

#include "app/TopicRegistry.h"
#include "chart/Chart.h"
#include "chart/ChartData.h"
#include "gdi/GdiMath.h"
#include "gdi/PaintBox.h"
#include "gdi/Palette.h"
#include "gdi/RefreshPacer.h"
#include "shell/About.h"
#include "shell/Accelerators.h"
#include "shell/AnimSpd.h"
#include "shell/ControlValues.h"
#include "shell/Dialogs.h"
#include "shell/FormFont.h"
#include "shell/GraphCommands.h"
#include "shell/HelpSystem.h"
#include "shell/HtmlViewer.h"
#include "shell/JumpObject.h"
#include "shell/Language.h"
#include "shell/PageControls.h"
#include "shell/ScreenLayout.h"
#include "shell/SimulationPrint.h"
#include "shell/TextPane.h"
#include "shell/TopicPage.h"
#include "shell/Zoom.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QUrlQuery>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <functional>

// The splitter between the page area and the text pane. The page area keeps a
// set width; the text pane takes the rest, also when the window is resized.
class TopicSplitter : public QSplitter
{
public:
    explicit TopicSplitter(QWidget *parent)
        : QSplitter(Qt::Horizontal, parent)
    {
        setObjectName(QStringLiteral("Splitter1"));
        setHandleWidth(6);
        setChildrenCollapsible(false);
    }

    // The text pane keeps at least this width when the page is wider than the window allows.
    static constexpr int MinimumTextWidth = 100;

    void setFirstWidth(int width)
    {
        m_pending = width;
        applyPending();
    }

    // The widest the text pane grows when the window does: beyond it, lines
    // get too long to read, and the page takes the room.
    void setTextMaximum(std::function<int()> maximum) { m_textMaximum = std::move(maximum); }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QSplitter::resizeEvent(event);
        applyPending();
        capText();
    }

    // The first resize arrives before the splitter counts as visible.
    void showEvent(QShowEvent *event) override
    {
        QSplitter::showEvent(event);
        applyPending();
        capText();
    }

private:
    void applyPending()
    {
        // Before the first layout the splitter has no width to share out.
        if (m_pending < 0 || !isVisible()) {
            return;
        }
        // On a screen narrower than the page, the page scrolls in what is
        // left beside a strip of text.
        const int page = std::min(m_pending, std::max(0, width() - handleWidth() - MinimumTextWidth));
        setSizes({page, width() - page - handleWidth()});
        m_pending = -1;
        capText();
    }

    void capText()
    {
        const QList<int> parts = sizes();
        if (!m_textMaximum || !isVisible() || parts.size() < 2) {
            return;
        }
        const int cap = m_textMaximum();
        if (parts[1] > cap) {
            setSizes({parts[0] + parts[1] - cap, cap});
        }
    }

    int m_pending = -1;
    std::function<int()> m_textMaximum;
};

namespace {

// The clipboard format a chart copy leaves behind, the picture the close
// question asks about.
const QString ChartPictureFormat = QStringLiteral("image/svg+xml");

} // namespace

TMainFrm::TMainFrm(const Options &options)
    : m_dialogs(options.dialogs ? options.dialogs : std::make_shared<MessageBoxDialogs>())
    , m_shared(std::make_unique<Topics::SharedState>())
{
    setObjectName(QStringLiteral("MainFrm"));
    m_session.programDir = options.programDir.isEmpty() ? QCoreApplication::applicationDirPath() : options.programDir;
    if (!m_session.programDir.endsWith(QLatin1Char('/'))) {
        m_session.programDir += QLatin1Char('/');
    }
    m_ownsHelp = !options.help;
    m_help = options.help;

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    m_splitter = new TopicSplitter(central);
    layout->addWidget(m_splitter);
    setCentralWidget(central);

    m_pageArea = new QScrollArea(m_splitter);
    m_pageArea->setObjectName(QStringLiteral("PageArea"));
    m_pageArea->setFrameShape(QFrame::NoFrame);
    m_pageArea->setWidgetResizable(true);
    m_mainPC = new QStackedWidget;
    m_mainPC->setObjectName(QStringLiteral("MainPC"));
    m_pageArea->setWidget(m_mainPC);
    // Every page fits the page area of a 640 x 480 screen, the smallest the
    // layout is made for; on smaller screens it scrolls rather than vanish.
    m_mainPC->setMinimumSize(330, 400);
    m_splitter->addWidget(m_pageArea);
    createPages();

    m_textPane = new TextPane(m_session, *m_dialogs, m_splitter);
    m_textPane->setPageTopic([this](const QString &url) { return PageTopic(url); });
    connect(m_textPane, &TextPane::topicRequested, this, &TMainFrm::ShowTopic);
    m_textPane->setTryLinks(
        {[this](const QUrl &link) { return checkTryLink(link); }, [this](const QUrl &link) { followTryLink(link); }});
    m_splitter->addWidget(m_textPane);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setTextMaximum([this] {
        // About 75 characters of the pane's text, with its frame, margins and scroll bar.
        const QFontMetrics metrics(viewer()->document()->defaultFont());
        return 75 * metrics.averageCharWidth() + 60;
    });
    m_pageArea->installEventFilter(this);
    new WindowPacer(this, [this] { return m_session.isAnimating(); });
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] { StoreTopicWidth(); });

    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setFixedHeight(20);
    bar->setSizeGripEnabled(true);
    setStatusBar(bar);

    createMenus();
    Accelerators::assignAll(this);
    qApp->installEventFilter(this);
    FormCreate(options.screen);
}

TMainFrm::~TMainFrm()
{
    qApp->removeEventFilter(this);
}

void TMainFrm::createPages()
{
    m_splashTab = new QWidget(m_mainPC);
    m_splashTab->setObjectName(QStringLiteral("SplashTab"));
    QPalette pal = m_splashTab->palette();
    pal.setColor(QPalette::Window, Qt::white);
    m_splashTab->setPalette(pal);
    m_splashTab->setAutoFillBackground(true);
    m_splashTab->installEventFilter(this);
    m_collagePic = new QLabel(m_splashTab);
    m_collagePic->setObjectName(QStringLiteral("CollagePic"));
    m_mainPC->addWidget(m_splashTab);
}

void TMainFrm::buildStartPages()
{
    for (int topic : Topics::BuiltAtStart) {
        page(topic);
    }
}

void TMainFrm::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File1"));
    connect(PageControls::menuItem(file, "Printtopic1", tr("Print topic")), &QAction::triggered, m_textPane,
            &TextPane::PrintTopicClick);
    m_printSimulation = PageControls::menuItem(file, "Printsimulation1", tr("Print simulation"));
    connect(m_printSimulation, &QAction::triggered, this, &TMainFrm::PrintSimulationClick);
    connect(file, &QMenu::aboutToShow, this, [this] { m_printSimulation->setEnabled(activePage() != nullptr); });
    file->addSeparator();
    QAction *exit = PageControls::menuItem(file, "Exit1", tr("Exit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    m_topicsMenu = bar->addMenu(tr("&Topics"));
    m_topicsMenu->setObjectName(QStringLiteral("Topics1"));
    for (int topic : Topics::MenuOrder) {
        QAction *action = PageControls::menuItem(m_topicsMenu, Topics::info(topic).menuItem, Topics::menuCaption(topic),
                                                 topic);
        action->setCheckable(true);
        m_topicActions[std::size_t(topic - 1)] = action;
        connect(action, &QAction::triggered, this, [this, action] { DoTopicChange(action); });
    }
    connect(m_topicsMenu, &QMenu::aboutToShow, this, &TMainFrm::Topics1Click);

    m_graphMenu = bar->addMenu(tr("&Graph"));
    QMenu *graph = m_graphMenu;
    graph->setObjectName(QStringLiteral("Graph1"));
    connect(graph, &QMenu::aboutToShow, this, &TMainFrm::Graph1Click);
    connect(PageControls::menuItem(graph, "Print1", tr("Print")), &QAction::triggered, this, &TMainFrm::Print1Click);
    connect(PageControls::menuItem(graph, "Copy1", tr("Copy")), &QAction::triggered, this, &TMainFrm::Copy1Click);
    QAction *copyData = PageControls::menuItem(graph, "CopyData1", tr("Copy data"));
    copyData->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(copyData, &QAction::triggered, this, &TMainFrm::CopyDataClick);
    connect(PageControls::menuItem(graph, "SaveData1", tr("Save data...")), &QAction::triggered, this,
            &TMainFrm::SaveDataClick);
    QAction *crosshair = PageControls::menuItem(graph, "Showcrosshair1", tr("Show crosshair"));
    crosshair->setCheckable(true);
    connect(crosshair, &QAction::toggled, this, [this](bool on) { m_session.showCrosshair = on; });
    m_timescaleMenu = graph->addMenu(tr("Time scale"));
    QMenu *timescale = m_timescaleMenu;
    timescale->setObjectName(QStringLiteral("timescale1"));
    timescale->menuAction()->setObjectName(QStringLiteral("timescale1"));
    connect(timescale, &QMenu::aboutToShow, this, &TMainFrm::timescale1Click);
    for (int tag : {5, 10, 15, 20}) {
        const QByteArray name = "N" + QByteArray::number(tag) + "1";
        QAction *item = PageControls::menuItem(timescale, name.constData(), QString::number(tag), tag);
        item->setCheckable(true);
        item->setChecked(tag == 10);
        connect(item, &QAction::triggered, this, [this, item] { UpdateGraphTimescale(item); });
    }
    QMenu *xaxis = graph->addMenu(tr("X axis range"));
    xaxis->setObjectName(QStringLiteral("Xaxis1"));
    xaxis->menuAction()->setObjectName(QStringLiteral("Xaxis1"));
    m_xAxisMenu = xaxis;
    connect(xaxis, &QMenu::aboutToShow, this, &TMainFrm::Xaxis1Click);
    for (const auto &[name, caption, tag] :
         {std::tuple{"N360degrees1", tr("360 degrees"), 1}, std::tuple{"N720degrees1", tr("720 degrees"), 2},
          std::tuple{"N1440degrees1", tr("1440 degrees"), 3}}) {
        QAction *item = PageControls::menuItem(xaxis, name, caption, tag);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, item] {
            if (TopicPage *active = activePage()) {
                active->setGraphXAxisRange(item->data().toInt());
            }
            Xaxis1Click();
        });
    }

    m_animationMenu = bar->addMenu(tr("&Animation"));
    m_animationMenu->setObjectName(QStringLiteral("Animation1"));
    m_animationMenu->menuAction()->setObjectName(QStringLiteral("Animation1"));
    connect(PageControls::menuItem(m_animationMenu, "setspeed1", tr("set speed")), &QAction::triggered, this,
            &TMainFrm::setspeed1Click);

    QMenu *view = bar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("View1"));
    view->addMenu(m_textPane->backgroundMenu());
    view->addSeparator();
    QAction *zoomIn = PageControls::menuItem(view, "ZoomIn1", tr("Zoom in"));
    zoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(zoomIn, &QAction::triggered, this, [this] { setPageZoom(Zoom::stepIn(m_zoomPercent)); });
    QAction *zoomOut = PageControls::menuItem(view, "ZoomOut1", tr("Zoom out"));
    zoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(zoomOut, &QAction::triggered, this, [this] { setPageZoom(Zoom::stepOut(m_zoomPercent)); });
    QAction *actual = PageControls::menuItem(view, "ZoomReset1", tr("Actual size"));
    actual->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(actual, &QAction::triggered, this, [this] { setPageZoom(100); });
    m_fitAction = PageControls::menuItem(view, "ZoomFit1", tr("Fit to window"));
    m_fitAction->setCheckable(true);
    connect(m_fitAction, &QAction::toggled, this, [this](bool on) {
        m_zoomFit = on;
        fitZoom();
    });
    view->addSeparator();
    QAction *projector = PageControls::menuItem(view, "ProjectorColours1", tr("Projector colours"));
    projector->setCheckable(true);
    connect(projector, &QAction::toggled, this, [this](bool on) {
        // Every picture is drawn afresh in the chosen colours.
        Palette::setProjectorColours(on);
        for (PaintBox *picture : m_mainPC->findChildren<PaintBox *>()) {
            picture->invalidate();
        }
    });
    // The language: at once (the pages are built again in it) or from the
    // next start.
    QMenu *language = view->addMenu(tr("Language"));
    language->setObjectName(QStringLiteral("Language1"));
    auto *languages = new QActionGroup(language);
    for (const Language::Choice &choice : Language::available()) {
        const QString code = QString::fromLatin1(choice.code);
        const QByteArray name = "Language" + QByteArray(choice.code) + "1";
        QAction *item = PageControls::menuItem(language, name.constData(), QString::fromUtf8(choice.name));
        item->setCheckable(true);
        item->setChecked(code == Language::spoken());
        languages->addAction(item);
        connect(item, &QAction::triggered, this,
                [this, code, choice] { chooseLanguage(code, QString::fromUtf8(choice.name)); });
    }
    view->addSeparator();
    m_fullScreenAction = PageControls::menuItem(view, "FullScreen1", tr("Full screen"));
    m_fullScreenAction->setCheckable(true);
    m_fullScreenAction->setShortcut(QKeySequence(Qt::Key_F11));
    connect(m_fullScreenAction, &QAction::toggled, this, &TMainFrm::setFullScreen);

    QMenu *help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction *search = PageControls::menuItem(help, "Searchforhelpon1", tr("Search for help on"));
    QAction *contents = PageControls::menuItem(help, "Contents1", tr("Contents"));
    help->addSeparator();
    QAction *about = PageControls::menuItem(help, "About1", tr("About"));
    connect(search, &QAction::triggered, this, [this] { m_help->searchPartialKey(); });
    connect(contents, &QAction::triggered, this, [this] { m_help->showContents(); });
    connect(about, &QAction::triggered, this, [this] {
        TAboutFrm box(this);
        box.exec();
    });
}

void TMainFrm::useLanguageFolders()
{
    // Pages and help in the language the program speaks, where they are
    // translated; English otherwise.
    const QString language = Language::spoken();
    viewer()->setLanguageFolder(language == QLatin1String("en") ? QString() : language);
    m_session.helpFile = m_session.programDir + QStringLiteral("Vardel.qhc");
    if (const QString translated = m_session.programDir + QStringLiteral("help/%1/Vardel.qhc").arg(language);
        QFileInfo::exists(translated)) {
        m_session.helpFile = translated;
    }
    if (m_ownsHelp) {
        if (m_help) {
            m_help->quit();
        }
        m_help = std::make_shared<QtHelpSystem>(m_session.helpFile);
    }
}

void TMainFrm::chooseLanguage(const QString &code, const QString &name)
{
    Language::choose(code);
    if (code == Language::spoken()) {
        return;
    }
    const auto answer = m_dialogs->confirm(
        this,
        tr("Change to %1 now? The simulation pages start again from their first settings; otherwise Corvane "
           "speaks %1 from its next start.")
            .arg(name),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        AppHint(tr("Corvane speaks %1 from its next start.").arg(name));
        return;
    }
    // After the menu item's own signal has returned: its menu is rebuilt.
    QTimer::singleShot(0, this, [this, code] { switchLanguage(code); });
}

void TMainFrm::switchLanguage(const QString &code)
{
    m_session.stopAnimations();
    showAnimationsStopped();
    Language::install(code); // every widget is told: the text pane retranslates itself
    const int topic = m_session.currentTopic;

    // The pages and the menus are built again in the new language.
    for (TopicPage *&built : m_pages) {
        if (built) {
            m_mainPC->removeWidget(built);
            built->deleteLater();
            built = nullptr;
        }
    }
    for (QMenu *menu : menuBar()->findChildren<QMenu *>(Qt::FindDirectChildrenOnly)) {
        delete menu;
    }
    menuBar()->clear();
    createMenus();
    Accelerators::assignAll(this);
    const auto restore = [](QAction *action, bool on) {
        const QSignalBlocker quiet(action);
        action->setChecked(on);
    };
    restore(m_fitAction, m_zoomFit);
    restore(m_fullScreenAction, isFullScreen());
    restore(findChild<QAction *>(QStringLiteral("ProjectorColours1")), Palette::projectorColours());
    restore(findChild<QAction *>(QStringLiteral("Showcrosshair1")), m_session.showCrosshair);

    useLanguageFolders();
    if (Topics::isTopic(topic)) {
        ShowTopic(topic);
    } else {
        SetTopicCaption(topic);
    }
    viewer()->reload();
}

void TMainFrm::ArrangeForScreen(const ScreenInfo &screen)
{
    m_arrangement = arrangeForScreen(screen);
    m_session.screenMode = m_arrangement.screenMode;
    resize(m_arrangement.bounds.size());
    move(m_arrangement.bounds.topLeft());
    m_splitter->setFirstWidth(m_arrangement.mainPCWidth);
    applyTopicControlSizes(m_mainPC, m_session.screenMode);
}

void TMainFrm::FormCreate(const std::optional<ScreenInfo> &screen)
{
    ScreenInfo info;
    if (screen) {
        info = *screen;
    } else if (const QScreen *primary = QGuiApplication::primaryScreen()) {
        info = {primary->geometry().size(), primary->availableGeometry()};
    } else {
        info = {QSize(1024, 768), QRect(0, 0, 1024, 728)};
    }
    ArrangeForScreen(info);
    m_topicWidths = Topics::initTopicWidths();
    setFormFont(this);
    m_session.htmlDir = m_session.programDir + QStringLiteral("HTML/");
    viewer()->setRootFolder(m_session.htmlDir);
    useLanguageFolders();
    if (auto *dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TMainFrm::AppIdle);
    }
    // From here on a page runs its start-up work as it is built.
    m_startUpDone = true;

    m_mainPC->setCurrentWidget(m_splashTab);
    m_textPane->loadViewerPage(m_session.htmlDir + QStringLiteral("index.htm"));
    SetTopicCaption(0);

    const QString picture = m_session.htmlDir
                            + (m_session.screenMode == 1 ? QStringLiteral("images/S_WaveSplash.jpg")
                                                         : QStringLiteral("images/WaveSplash.jpg"));
    const QString resolved = HtmlViewer::resolvePath(picture);
    if (QFileInfo::exists(resolved)) {
        const QPixmap pixmap(resolved);
        if (!pixmap.isNull()) {
            m_collagePic->setPixmap(pixmap);
            m_collagePic->resize(pixmap.size());
        }
    }
    history().setHomePage(m_session.htmlDir + QStringLiteral("INDEX.HTM"));
}

void TMainFrm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
}

void TMainFrm::FormShow()
{
    for (TopicPage *built : m_pages) {
        if (built) {
            built->firstShow();
        }
    }
    centreStartPicture();
    Q_EMIT firstShown();
}

void TMainFrm::centreStartPicture()
{
    const QSize page = m_splashTab->size();
    const QSize picture = m_collagePic->size();
    m_collagePic->move((page.width() - picture.width()) / 2, (page.height() - picture.height()) / 2);
}

TopicPage *TMainFrm::builtPage(int topic) const
{
    return Topics::isTopic(topic) ? m_pages[std::size_t(topic - 1)] : nullptr;
}

TopicPage *TMainFrm::page(int topic)
{
    if (!Topics::isTopic(topic)) {
        return nullptr;
    }
    TopicPage *&built = m_pages[std::size_t(topic - 1)];
    if (!built) {
        // A page built after start-up goes through what start-up gave the
        // others: the screen mode's control sizes, menu accelerators and, once
        // the window has been shown, its start-up and first-show work.
        built = Topics::createPage(topic, m_session, *m_shared, m_mainPC);
        m_mainPC->addWidget(built);
        applyTopicControlSizes(built, m_session.screenMode);
        built->setZoom(m_zoomPercent / 100.0);
        Accelerators::assignAll(built);
        if (m_startUpDone) {
            built->startUp();
        }
        if (m_shownOnce) {
            built->firstShow();
        }
    }
    return built;
}

HtmlViewer *TMainFrm::viewer() const
{
    return m_textPane->viewer();
}

TJumpManager &TMainFrm::history()
{
    return m_textPane->history();
}

QAction *TMainFrm::topicAction(int topic) const
{
    return Topics::isTopic(topic) ? m_topicActions[std::size_t(topic - 1)] : nullptr;
}

int TMainFrm::mainPCWidth() const
{
    return m_pageArea->width();
}

int TMainFrm::topicWidth(int topic) const
{
    return m_topicWidths[std::size_t(Topics::isTopic(topic) ? topic - 1 : 0)];
}

void TMainFrm::releaseStartPicture()
{
    if (m_splashPictureLoaded != 0) {
        m_collagePic->clear();
        m_splashPictureLoaded = 0;
    }
}

void TMainFrm::showAnimationsStopped()
{
    for (TopicPage *built : m_pages) {
        if (built) {
            built->showStopped();
        }
    }
}

void TMainFrm::selectTopicPage(int topic)
{
    TopicPage *target = page(topic);
    if (!target) {
        return;
    }
    target->beforeSelect();
    m_mainPC->setCurrentWidget(target);
    target->afterSelect();
    updatePageExtent();
    fitZoom();
}

void TMainFrm::DoTopicChange(QAction *sender)
{
    releaseStartPicture();
    if (!sender) {
        return;
    }
    const int topic = sender->data().toInt();
    if (topic == m_session.currentTopic) {
        return;
    }
    m_session.stopAnimations();
    showAnimationsStopped();
    selectTopicPage(topic);
    ApplyTopicWidth(topic);
    m_textPane->loadViewerPage(m_session.htmlDir + Topics::topicPage(topic));
    SetTopicCaption(topic);
    AppHint(Topics::firstHint(topic));
}

void TMainFrm::ShowTopic(int topic)
{
    m_session.stopAnimations();
    showAnimationsStopped();
    releaseStartPicture();
    selectTopicPage(topic);
    ApplyTopicWidth(topic);
    SetTopicCaption(topic);
    AppHint(Topics::firstHint(topic));
}

void TMainFrm::SetTopicCaption(int topic)
{
    if (topic < 0 || topic > Topics::Count) {
        return;
    }
    setWindowTitle(Topics::caption(topic));
    m_session.currentTopic = topic;
}

int TMainFrm::PageTopic(const QString &url) const
{
    return Topics::pageTopic(url, m_session.currentTopic);
}

void TMainFrm::ApplyTopicWidth(int topic)
{
    // With "Fit to window" the page keeps its area and the zoom follows it.
    if (!m_zoomFit) {
        m_splitter->setFirstWidth(qRound(topicWidth(topic) * m_zoomPercent / 100.0));
    }
}

void TMainFrm::StoreTopicWidth()
{
    const auto *active = qobject_cast<TopicPage *>(m_mainPC->currentWidget());
    if (!active) {
        return; // the start page stores nothing
    }
    // Widths are kept in unzoomed pixels.
    m_topicWidths[std::size_t(active->topic() - 1)] = qRound(m_splitter->sizes().value(0) * 100.0 / m_zoomPercent);
}

void TMainFrm::setPageZoom(int percent)
{
    if (!Zoom::isStep(percent)) {
        return;
    }
    if (m_zoomFit) {
        const QSignalBlocker quiet(m_fitAction);
        m_fitAction->setChecked(false);
        m_zoomFit = false;
    }
    applyZoom(percent);
}

void TMainFrm::applyZoom(int percent)
{
    m_zoomPercent = percent;
    for (TopicPage *built : m_pages) {
        if (built) {
            built->setZoom(percent / 100.0);
        }
    }
    updatePageExtent();
    if (const TopicPage *active = activePage()) {
        ApplyTopicWidth(active->topic());
    }
}

void TMainFrm::updatePageExtent()
{
    // At 100% the page keeps the layout's own size (a control reaching past the
    // page's edge by design does not make it scroll); zoomed, the page scrolls
    // when it is larger than its area.
    TopicPage *active = activePage();
    const QSize minimum = !active || m_zoomPercent == 100
                              ? TopicPage::SmallestPage
                              : (QSizeF(active->extent()) * (m_zoomPercent / 100.0)).toSize();
    m_mainPC->setMinimumSize(minimum);
}

void TMainFrm::fitZoom()
{
    TopicPage *active = activePage();
    if (!m_zoomFit || !active || m_fitting) {
        return;
    }
    m_fitting = true;
    const int percent = Zoom::fit(active->extent(), m_pageArea->maximumViewportSize());
    if (percent != m_zoomPercent) {
        applyZoom(percent);
    }
    m_fitting = false;
}

void TMainFrm::setFullScreen(bool on)
{
    if (on != isFullScreen()) {
        if (on) {
            m_wasMaximized = isMaximized();
            showFullScreen();
        } else if (m_wasMaximized) {
            showMaximized();
        } else {
            showNormal();
        }
    }
    const QSignalBlocker quiet(m_fullScreenAction);
    m_fullScreenAction->setChecked(on);
}

void TMainFrm::Topics1Click()
{
    for (QAction *action : m_topicActions) {
        action->setChecked(action->data().toInt() == m_session.currentTopic);
    }
}

void TMainFrm::AppIdle()
{
    m_textPane->updateButtons();
    const TopicPage *active = activePage();
    const bool animation = active && active->showsAnimationMenu();
    if (m_animationMenu->menuAction()->isVisible() != animation) {
        m_animationMenu->menuAction()->setVisible(animation);
    }
}

TopicPage *TMainFrm::activePage() const
{
    return qobject_cast<TopicPage *>(m_mainPC->currentWidget());
}

void TMainFrm::Graph1Click()
{
    const TopicPage *active = activePage();
    const GraphMenuState state = active ? active->graphCommands() : GraphMenuState{};
    const auto enable = [this](const char *name, bool on) {
        if (auto *action = findChild<QAction *>(QString::fromLatin1(name))) {
            action->setEnabled(on);
        }
    };
    enable("Print1", state.print);
    enable("Copy1", state.copy);
    const bool hasData = active && active->hasDataTable();
    enable("CopyData1", hasData);
    enable("SaveData1", hasData);
    enable("Showcrosshair1", state.crosshair);
    enable("timescale1", state.timeScale);
    enable("Xaxis1", state.xAxisRange);
}

void TMainFrm::Print1Click()
{
    TopicPage *page = activePage();
    if (!page || !page->graphCommands().print) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setFromTo(0, 0);
    if (!m_dialogs->choosePrinter(this, printer, false, 0, 0)) {
        return;
    }
    QString error;
    if (!page->printChart(printer, &error)) {
        m_dialogs->error(this, error);
    }
}

void TMainFrm::Copy1Click()
{
    TopicPage *page = activePage();
    if (page && page->chart() && page->graphCommands().copy) {
        page->chart()->copyToClipboard();
    }
}

void TMainFrm::PrintSimulationClick()
{
    TopicPage *page = activePage();
    if (!page) {
        return; // the start page has no simulation
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    if (!m_dialogs->choosePrinter(this, printer, false, 0, 0)) {
        return;
    }
    QString error;
    if (!SimulationPrint::print(printer, *page, Topics::caption(page->topic()), &error)) {
        m_dialogs->error(this, error);
    }
}

void TMainFrm::CopyDataClick()
{
    TopicPage *page = activePage();
    if (!page || !page->hasDataTable()) {
        return;
    }
    // Pasted into a spreadsheet the numbers must read as numbers: the
    // desktop's decimal separator, no group separators.
    QLocale desktop;
    desktop.setNumberOptions(QLocale::OmitGroupSeparator);
    QGuiApplication::clipboard()->setText(ChartData::tabSeparated(page->dataTable(desktop)));
}

void TMainFrm::SaveDataClick()
{
    TopicPage *page = activePage();
    if (!page || !page->hasDataTable()) {
        return;
    }
    // Named after the topic's page: "yds.csv" for Young's double slits.
    const QString name = QString::fromLatin1(Topics::info(page->topic()).textPage).section(QLatin1Char('.'), 0, -2);
    const QString suggested = QDir::home().filePath(name.toLower() + QStringLiteral(".csv"));
    const QString file = m_dialogs->saveFileName(this, tr("Save data"), suggested,
                                                 tr("Comma-separated values (*.csv)"));
    if (file.isEmpty()) {
        return;
    }
    // The file always uses the point, whatever the desktop's locale; it is
    // written whole or not at all.
    QSaveFile out(file);
    if (out.open(QIODevice::WriteOnly)) {
        out.write(ChartData::csv(page->dataTable(Gdi::pointLocale())).toUtf8());
        if (out.commit()) {
            return;
        }
    }
    m_dialogs->error(this,
                     tr("Cannot save the data to \"%1\". %2").arg(QDir::toNativeSeparators(file), out.errorString()));
}

void TMainFrm::timescale1Click()
{
    const TopicPage *active = activePage();
    const int current = active ? active->graphTimeScale() : 0;
    for (QAction *item : m_timescaleMenu->actions()) {
        item->setChecked(item->data().toInt() == current);
    }
}

void TMainFrm::UpdateGraphTimescale(QAction *sender)
{
    TopicPage *active = activePage();
    if (sender && active) {
        active->setGraphTimeScale(sender->data().toInt());
    }
    timescale1Click();
}

void TMainFrm::Xaxis1Click()
{
    const TopicPage *active = activePage();
    const int tag = active ? active->graphXAxisRange() : 0;
    for (QAction *item : m_xAxisMenu->actions()) {
        item->setChecked(item->data().toInt() == tag);
    }
}

void TMainFrm::setspeed1Click()
{
    const auto settingNow = [this]() -> std::optional<AnimSpeed> {
        const TopicPage *active = activePage();
        return active ? active->speedSetting() : std::nullopt;
    };
    TAnimSpdFrm dialog(this);
    if (const auto setting = settingNow()) {
        dialog.setSpeed(m_session.speed(*setting));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // The ripple tank's setting is chosen by the slit model selected now.
    if (const auto setting = settingNow()) {
        m_session.speed(*setting) = dialog.speed();
    }
}

namespace {

// One step of a "try:" link.
struct TryStep
{
    QString name;
    QString value;
};

// The topic a "try:" link names (0 when it names none) and its steps in order.
std::pair<int, QList<TryStep>> parseTryLink(const QUrl &link)
{
    bool ok = false;
    const int topic = link.path().toInt(&ok);
    QList<TryStep> steps;
    for (const auto &[name, value] : QUrlQuery(link).queryItems(QUrl::FullyDecoded)) {
        steps.append({name, value});
    }
    return {ok && Topics::isTopic(topic) ? topic : 0, steps};
}

QAction *menuItem(const QWidget *window, const QString &name)
{
    const QList<QAction *> actions = window->findChildren<QAction *>(name);
    return actions.isEmpty() ? nullptr : actions.constFirst();
}

} // namespace

QString TMainFrm::checkTryLink(const QUrl &link)
{
    const auto [topic, steps] = parseTryLink(link);
    if (topic == 0) {
        return tr("The link \"%1\" names no topic: it must start with a topic number from 1 to %2.")
            .arg(link.toString())
            .arg(Topics::Count);
    }
    TopicPage *target = page(topic);
    for (const TryStep &step : steps) {
        if (step.name == QLatin1String("menu")) {
            if (!menuItem(this, step.value)) {
                return tr("The link \"%1\" names a menu item \"%2\" that does not exist.")
                    .arg(link.toString(), step.value);
            }
        } else if (step.name == QLatin1String("click")) {
            if (!target->findChild<QAbstractButton *>(step.value)) {
                return tr("The link \"%1\" names a button \"%2\" that is not on the page \"%3\".")
                    .arg(link.toString(), step.value, Topics::menuCaption(topic));
            }
        } else {
            const QString fault = ControlValues::check(target->findChild<QWidget *>(step.name), step.name, step.value);
            if (!fault.isEmpty()) {
                return tr("The link \"%1\" cannot set up \"%2\": %3")
                    .arg(link.toString(), Topics::menuCaption(topic), fault);
            }
        }
    }
    return {};
}

void TMainFrm::followTryLink(const QUrl &link)
{
    const auto [topic, steps] = parseTryLink(link);
    if (topic == 0) {
        return;
    }
    if (topic != m_session.currentTopic) {
        DoTopicChange(topicAction(topic));
    }
    TopicPage *target = page(topic);
    for (const TryStep &step : steps) {
        if (step.name == QLatin1String("menu")) {
            QAction *item = menuItem(this, step.value);
            // The menus on the way open first, as for a user, so that their
            // items are enabled and checked for the page shown.
            for (QObject *o = item->parent(); o; o = o->parent()) {
                if (auto *menu = qobject_cast<QMenu *>(o)) {
                    Q_EMIT menu->aboutToShow();
                }
            }
            if (item->isEnabled()) {
                item->trigger();
            }
        } else if (step.name == QLatin1String("click")) {
            if (auto *button = target->findChild<QAbstractButton *>(step.value); button && button->isEnabled()) {
                button->click();
            }
        } else if (auto *control = target->findChild<QWidget *>(step.name)) {
            ControlValues::set(control, step.value);
        }
    }
}

bool TMainFrm::FormKeyDown(int key)
{
    if (key == Qt::Key_Escape && isFullScreen()) {
        setFullScreen(false);
        return true;
    }
    if (key != Qt::Key_F1) {
        return false;
    }
    if (m_session.currentTopic == 0) {
        m_help->showContents();
    } else {
        m_help->showContext(Topics::helpContext(m_session.currentTopic));
    }
    return true;
}

bool TMainFrm::FormCloseQuery()
{
    const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
    if (clipboard && clipboard->hasFormat(ChartPictureFormat)) {
        const auto answer = m_dialogs->confirm(
            this, tr("Do you want to leave the data on the clipboard\nafter the program is closed?"),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel) {
            return false;
        }
        m_session.stopAnimations();
        if (answer == QMessageBox::No) {
            QGuiApplication::clipboard()->clear();
        }
        return true;
    }
    if (m_dialogs->confirm(this, tr("Exit program?"), QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
        m_session.stopAnimations();
        return true;
    }
    return false;
}

void TMainFrm::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    m_help->quit();
    event->accept();
}

void TMainFrm::AppHint(const QString &hint)
{
    statusBar()->showMessage(hint);
}

bool TMainFrm::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        AppHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TMainFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        // Ctrl with the wheel over the page zooms it, whatever control is under the mouse.
        const auto *wheel = static_cast<QWheelEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        if ((wheel->modifiers() & Qt::ControlModifier) && widget && m_pageArea->isAncestorOf(widget)) {
            const int turn = wheel->angleDelta().y();
            if (turn != 0) {
                setPageZoom(turn > 0 ? Zoom::stepIn(m_zoomPercent) : Zoom::stepOut(m_zoomPercent));
            }
            return true;
        }
    } else if (watched == m_pageArea && event->type() == QEvent::Resize) {
        fitZoom();
    }
    if (event->type() == QEvent::KeyPress) {
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this && FormKeyDown(static_cast<QKeyEvent *>(event)->key())) {
            return true;
        }
    } else if (watched == m_splashTab && event->type() == QEvent::Resize) {
        centreStartPicture();
    } else if (watched == m_splashTab && event->type() == QEvent::Paint && !m_startPagesQueued) {
        // The pages that start-up fills are built just after the window first
        // appears, so that it appears sooner; any of them asked for earlier is
        // built at once.
        m_startPagesQueued = true;
        QTimer::singleShot(0, this, &TMainFrm::buildStartPages);
    }
    return QMainWindow::eventFilter(watched, event);
}
