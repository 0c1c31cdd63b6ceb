#include "app/MainFrm.h"

#include "app/TopicRegistry.h"
#include "chart/Chart.h"
#include "oscillations/SHMPage.h"
#include "shell/About.h"
#include "shell/Accelerators.h"
#include "shell/AnimSpd.h"
#include "shell/BigPic.h"
#include "shell/ButtonIcons.h"
#include "shell/Dialogs.h"
#include "shell/FormFont.h"
#include "shell/GraphCommands.h"
#include "shell/HelpSystem.h"
#include "shell/Hints.h"
#include "shell/HtmlViewer.h"
#include "shell/JumpObject.h"
#include "shell/PrintPreview.h"
#include "shell/TopicPage.h"
#include "waves/SumWavePage.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

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

    void setFirstWidth(int width)
    {
        m_pending = width;
        applyPending();
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QSplitter::resizeEvent(event);
        applyPending();
    }

    // The first resize arrives before the splitter counts as visible.
    void showEvent(QShowEvent *event) override
    {
        QSplitter::showEvent(event);
        applyPending();
    }

private:
    void applyPending()
    {
        // Before the first layout the splitter has no width to share out.
        if (m_pending < 0 || !isVisible() || width() <= m_pending) {
            return;
        }
        setSizes({m_pending, width() - m_pending - handleWidth()});
        m_pending = -1;
    }

    int m_pending = -1;
};

namespace {

// The clipboard format a chart copy leaves behind, the picture the close
// question asks about.
const QString ChartPictureFormat = QStringLiteral("image/svg+xml");

QToolButton *makeBarButton(QWidget *parent, const char *name, const QString &caption, ButtonIcons::Kind icon,
                           const QString &hint)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setIcon(ButtonIcons::icon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setFixedSize(44, 37);
    button->setIconSize(QSize(20, 20));
    Hints::setHint(button, hint);
    return button;
}

QAction *addItem(QMenu *menu, const char *name, const QString &caption, int tag = 0)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setData(tag);
    return action;
}

} // namespace

TMainFrm::TMainFrm(Options options)
    : m_dialogs(options.dialogs ? options.dialogs : std::make_shared<MessageBoxDialogs>())
    , m_history(std::make_unique<TJumpManager>())
{
    setObjectName(QStringLiteral("MainFrm"));
    m_session.programDir = options.programDir.isEmpty() ? QCoreApplication::applicationDirPath() : options.programDir;
    if (!m_session.programDir.endsWith(QLatin1Char('/'))) {
        m_session.programDir += QLatin1Char('/');
    }
    m_help = options.help ? options.help
                          : std::make_shared<QtHelpSystem>(m_session.programDir + QStringLiteral("Vardel.qhc"));

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    m_splitter = new TopicSplitter(central);
    layout->addWidget(m_splitter);
    setCentralWidget(central);

    m_mainPC = new QStackedWidget(m_splitter);
    m_mainPC->setObjectName(QStringLiteral("MainPC"));
    m_splitter->addWidget(m_mainPC);
    createPages();

    auto *rightPanel = new QFrame(m_splitter);
    rightPanel->setObjectName(QStringLiteral("RightPanel"));
    rightPanel->setFrameShape(QFrame::Panel);
    rightPanel->setFrameShadow(QFrame::Sunken);
    createTextPane(rightPanel);
    m_splitter->addWidget(rightPanel);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
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

    for (int topic = 1; topic <= Topics::Count; ++topic) {
        TopicPage *page = createTopicPage(m_session, topic, m_mainPC);
        m_pages[std::size_t(topic - 1)] = page;
        m_mainPC->addWidget(page);
    }
}

void TMainFrm::createTextPane(QWidget *parent)
{
    auto *layout = new QVBoxLayout(parent);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);

    auto *panel2 = new QWidget(parent);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setFixedHeight(41);
    auto *buttons = new QHBoxLayout(panel2);
    buttons->setContentsMargins(2, 2, 2, 2);
    buttons->setSpacing(0);
    m_menuBtn = makeBarButton(panel2, "MenuBtn", tr("index"), ButtonIcons::Kind::Index,
                              tr("main index|Return to main index page"));
    m_fwdBtn = makeBarButton(panel2, "FwdBtn", tr("forward"), ButtonIcons::Kind::Forward, tr("forward"));
    m_backBtn = makeBarButton(panel2, "BackBtn", tr("back"), ButtonIcons::Kind::Back, tr("back"));
    m_copyBtn = makeBarButton(panel2, "CopyBtn", tr("copy"), ButtonIcons::Kind::Copy,
                              tr("copy selected text|Copy selected text to the clipboard"));
    m_fontBtn = makeBarButton(panel2, "FontBtn", tr("font"), ButtonIcons::Kind::Font, tr("font size|Set font size"));
    m_printBtn = makeBarButton(panel2, "PrintBtn", tr("print"), ButtonIcons::Kind::Print,
                               tr("print|Print current topic"));
    for (QToolButton *b : {m_menuBtn, m_fwdBtn, m_backBtn, m_copyBtn, m_fontBtn, m_printBtn}) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    m_fwdBtn->setEnabled(false);
    m_copyBtn->setEnabled(false);

    m_viewer = new HtmlViewer(parent);
    layout->addWidget(panel2);
    layout->addWidget(m_viewer, 1);

    connect(m_menuBtn, &QToolButton::clicked, this, [this] { MenuBtnClick(); });
    connect(m_fwdBtn, &QToolButton::clicked, this, [this] { FwdBtnClick(true); });
    connect(m_backBtn, &QToolButton::clicked, this, [this] { FwdBtnClick(false); });
    connect(m_copyBtn, &QToolButton::clicked, m_viewer, &HtmlViewer::copySelection);
    connect(m_printBtn, &QToolButton::clicked, this, &TMainFrm::PrintTopicClick);
    m_viewer->setHotSpotHandler([this](const QString &url) { return viewerHotSpotClick(url); });
    connect(m_viewer, &HtmlViewer::rightClicked, this, &TMainFrm::viewerRightClick);
    connect(m_viewer, &HtmlViewer::mouseUp, this, &TMainFrm::viewerMouseUp);

    m_fontPopUp = new QMenu(this);
    m_fontPopUp->setObjectName(QStringLiteral("FontPopUp"));
    for (int points : {8, 10, 12, 14}) {
        const QByteArray name = "N" + QByteArray::number(points) + "point1";
        QAction *item = addItem(m_fontPopUp, name.constData(), tr("%1 point").arg(points), points);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, points] { N8point1Click(points); });
    }
    connect(m_fontPopUp, &QMenu::aboutToShow, this, &TMainFrm::FontPopUpPopup);
    m_fontBtn->setMenu(m_fontPopUp);
    m_fontBtn->setPopupMode(QToolButton::InstantPopup);

    m_picPopUp = new QMenu(this);
    m_picPopUp->setObjectName(QStringLiteral("PicPopUp"));
    connect(addItem(m_picPopUp, "CopyImage1", tr("Copy picture to clipboard")), &QAction::triggered, this,
            &TMainFrm::CopyImage1Click);
}

void TMainFrm::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File1"));
    connect(addItem(file, "Printtopic1", tr("Print topic")), &QAction::triggered, this, &TMainFrm::PrintTopicClick);
    file->addSeparator();
    QAction *exit = addItem(file, "Exit1", tr("Exit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    m_topicsMenu = bar->addMenu(tr("&Topics"));
    m_topicsMenu->setObjectName(QStringLiteral("Topics1"));
    for (int topic : Topics::MenuOrder) {
        QAction *action = addItem(m_topicsMenu, Topics::info(topic).menuItem, Topics::menuCaption(topic), topic);
        action->setCheckable(true);
        m_topicActions[std::size_t(topic - 1)] = action;
        connect(action, &QAction::triggered, this, [this, action] { DoTopicChange(action); });
    }
    connect(m_topicsMenu, &QMenu::aboutToShow, this, &TMainFrm::Topics1Click);

    m_graphMenu = bar->addMenu(tr("&Graph"));
    QMenu *graph = m_graphMenu;
    graph->setObjectName(QStringLiteral("Graph1"));
    connect(graph, &QMenu::aboutToShow, this, &TMainFrm::Graph1Click);
    connect(addItem(graph, "Print1", tr("Print")), &QAction::triggered, this, &TMainFrm::Print1Click);
    connect(addItem(graph, "Copy1", tr("Copy")), &QAction::triggered, this, &TMainFrm::Copy1Click);
    QAction *crosshair = addItem(graph, "Showcrosshair1", tr("Show crosshair"));
    crosshair->setCheckable(true);
    connect(crosshair, &QAction::toggled, this, [this](bool on) { m_session.showCrosshair = on; });
    m_timescaleMenu = graph->addMenu(tr("Time scale"));
    QMenu *timescale = m_timescaleMenu;
    timescale->setObjectName(QStringLiteral("timescale1"));
    timescale->menuAction()->setObjectName(QStringLiteral("timescale1"));
    connect(timescale, &QMenu::aboutToShow, this, &TMainFrm::timescale1Click);
    for (int tag : {5, 10, 15, 20}) {
        const QByteArray name = "N" + QByteArray::number(tag) + "1";
        QAction *item = addItem(timescale, name.constData(), QString::number(tag), tag);
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
        QAction *item = addItem(xaxis, name, caption, tag);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, item] {
            static_cast<SumWavePage *>(page(8))->N360degrees1Click(item->data().toInt());
            Xaxis1Click();
        });
    }

    m_animationMenu = bar->addMenu(tr("&Animation"));
    m_animationMenu->setObjectName(QStringLiteral("Animation1"));
    m_animationMenu->menuAction()->setObjectName(QStringLiteral("Animation1"));
    connect(addItem(m_animationMenu, "setspeed1", tr("set speed")), &QAction::triggered, this,
            &TMainFrm::setspeed1Click);

    QMenu *view = bar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("View1"));
    m_backgroundMenu = view->addMenu(tr("Text background"));
    QMenu *background = m_backgroundMenu;
    background->setObjectName(QStringLiteral("Backgnd1"));
    background->menuAction()->setObjectName(QStringLiteral("Backgnd1"));
    connect(background, &QMenu::aboutToShow, this, &TMainFrm::Backgnd1Click);
    for (const auto &[name, caption, tag] :
         {std::tuple{"WhiteBgn1", tr("white"), 0}, std::tuple{"YellowBgn1", tr("pale yellow"), 1},
          std::tuple{"BlueBgn1", tr("blue/gray"), 2}, std::tuple{"SandBgn1", tr("sand"), 3}}) {
        QAction *item = addItem(background, name, caption, tag);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, tag] { SetViewerBackground(tag); });
    }

    QMenu *help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction *search = addItem(help, "Searchforhelpon1", tr("Search for help on"));
    QAction *contents = addItem(help, "Contents1", tr("Contents"));
    help->addSeparator();
    QAction *about = addItem(help, "About1", tr("About"));
    connect(search, &QAction::triggered, this, [this] { m_help->searchPartialKey(); });
    connect(contents, &QAction::triggered, this, [this] { m_help->showContents(); });
    connect(about, &QAction::triggered, this, [this] {
        TAboutFrm about(this);
        about.exec();
    });
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
    m_session.helpFile = m_session.programDir + QStringLiteral("Vardel.qhc");

    if (auto *dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TMainFrm::AppIdle);
    }
    for (TopicPage *page : m_pages) {
        page->startUp();
    }

    m_mainPC->setCurrentWidget(m_splashTab);
    loadViewerPage(m_session.htmlDir + QStringLiteral("index.htm"));
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
    m_history->HomePage = m_session.htmlDir + QStringLiteral("INDEX.HTM");
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
    for (TopicPage *page : m_pages) {
        page->firstShow();
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

TopicPage *TMainFrm::page(int topic) const
{
    return Topics::isTopic(topic) ? m_pages[std::size_t(topic - 1)] : nullptr;
}

QAction *TMainFrm::topicAction(int topic) const
{
    return Topics::isTopic(topic) ? m_topicActions[std::size_t(topic - 1)] : nullptr;
}

int TMainFrm::mainPCWidth() const
{
    return m_mainPC->width();
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
    for (int topic = 1; topic <= Topics::Count; ++topic) {
        if (TopicPage *p = page(topic)) {
            p->showStopped();
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
    m_session.animStopFlag = -1;
    showAnimationsStopped();
    selectTopicPage(topic);
    ApplyTopicWidth(topic);
    loadViewerPage(m_session.htmlDir + Topics::topicPage(topic));
    SetTopicCaption(topic);
}

void TMainFrm::ShowTopic(int topic)
{
    m_session.animStopFlag = -1;
    showAnimationsStopped();
    releaseStartPicture();
    selectTopicPage(topic);
    ApplyTopicWidth(topic);
    SetTopicCaption(topic);
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
    m_splitter->setFirstWidth(topicWidth(topic));
}

void TMainFrm::StoreTopicWidth()
{
    const auto *active = qobject_cast<TopicPage *>(m_mainPC->currentWidget());
    if (!active) {
        return; // the start page stores nothing
    }
    m_topicWidths[std::size_t(active->topic() - 1)] = m_splitter->sizes().value(0);
}

void TMainFrm::Topics1Click()
{
    for (QAction *action : m_topicActions) {
        action->setChecked(action->data().toInt() == m_session.currentTopic);
    }
}

void TMainFrm::AppIdle()
{
    const bool canBack = m_history->CanGoBack() || m_viewer->position() > 0;
    if (m_backBtn->isEnabled() != canBack) {
        m_backBtn->setEnabled(canBack);
    }
    const bool notIndex
        = m_viewer->currentFile().compare(m_session.htmlDir + QStringLiteral("INDEX.HTM"), Qt::CaseInsensitive) != 0;
    if (m_menuBtn->isEnabled() != notIndex) {
        m_menuBtn->setEnabled(notIndex);
    }
    const auto *nonPolar = findChild<QWidget *>(QStringLiteral("NonPolarPanel"));
    const bool animation = Topics::animationMenuVisible(m_session.currentTopic, nonPolar && nonPolar->isVisible());
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
    const GraphMenuState state = graphMenuState(m_mainPC->currentWidget()->objectName());
    const auto enable = [this](const char *name, bool on) {
        if (auto *action = findChild<QAction *>(QString::fromLatin1(name))) {
            action->setEnabled(on);
        }
    };
    enable("Print1", state.print);
    enable("Copy1", state.copy);
    enable("Showcrosshair1", state.crosshair);
    enable("timescale1", state.timeScale);
    enable("Xaxis1", state.xAxisRange);
}

void TMainFrm::Print1Click()
{
    TopicPage *page = activePage();
    if (!page || !graphMenuState(page->objectName()).print) {
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
    if (page && page->chart() && graphMenuState(page->objectName()).copy) {
        page->chart()->copyToClipboard();
    }
}

void TMainFrm::timescale1Click()
{
    const int current = static_cast<SHMPage *>(page(9))->timeScale();
    for (QAction *item : m_timescaleMenu->actions()) {
        item->setChecked(item->data().toInt() == current);
    }
}

void TMainFrm::UpdateGraphTimescale(QAction *sender)
{
    if (sender) {
        static_cast<SHMPage *>(page(9))->UpdateGraphTimescale(sender->data().toInt());
    }
    timescale1Click();
}

void TMainFrm::Xaxis1Click()
{
    const int last = static_cast<SumWavePage *>(page(8))->SumLastIndex();
    const int tag = last == 180 ? 1 : (last == 360 ? 2 : 3);
    for (QAction *item : m_xAxisMenu->actions()) {
        item->setChecked(item->data().toInt() == tag);
    }
}

void TMainFrm::setspeed1Click()
{
    const auto *singleSlit = findChild<QAbstractButton *>(QStringLiteral("ssRB"));
    const auto settingNow = [this, singleSlit] {
        return speedSettingFor(m_session.currentTopic, !singleSlit || singleSlit->isChecked());
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

void TMainFrm::loadViewerPage(const QString &file)
{
    // The start-up and topic switches do not report a missing page, as the
    // pages are part of the installation; the pane is left empty rather than
    // showing the text of another topic.
    if (!m_viewer->loadFile(file)) {
        m_viewer->showNothing();
    }
}

void TMainFrm::MenuBtnClick()
{
    m_session.animStopFlag = -1;
    loadViewerPage(m_session.htmlDir + QStringLiteral("index.htm"));
    m_history->ClearHistory();
    m_history->Index = 0;
    m_fwdBtn->setEnabled(false);
    m_backBtn->setEnabled(false);
}

void TMainFrm::FwdBtnClick(bool forward)
{
    const int p = m_viewer->position();
    if (!forward && p > 0) {
        m_viewer->setPosition(0);
        return;
    }
    TJumpManager::Result target;
    if (forward) {
        target = m_history->GoForward();
    } else {
        m_history->AddJump(m_viewer->currentFile(), p);
        target = m_history->GoBack();
    }
    if (!target.URL.isEmpty()) {
        QString error;
        if (!m_viewer->loadFile(target.URL, &error)) {
            m_dialogs->error(this, error);
            return;
        }
        m_viewer->setPosition(target.Position);
        const int topic = PageTopic(target.URL);
        if (topic != m_session.currentTopic) {
            ShowTopic(topic);
        }
    }
    m_backBtn->setEnabled(m_history->CanGoBack() || p > 0);
    m_fwdBtn->setEnabled(m_history->CanGoForward());
}

bool TMainFrm::viewerHotSpotClick(const QString &url)
{
    const QUrl address(url);
    const QString scheme = address.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto")) {
        // Addresses on the web go to the desktop's browser; the pane, its
        // history and the topic stay as they are.
        m_dialogs->openExternal(address);
        return true;
    }
    bool handled = false;
    if (url.startsWith(QLatin1Char('$'))) {
        handled = true;
        showPictureLink(url);
    } else if (url.startsWith(QChar(0x00A3))) {
        handled = true;
    } else {
        m_history->AddJump(m_viewer->currentFile(), m_viewer->position());
        m_backBtn->setEnabled(m_history->CanGoBack());
        m_fwdBtn->setEnabled(m_history->CanGoForward());
    }
    const int topic = PageTopic(url);
    if (topic != m_session.currentTopic) {
        ShowTopic(topic);
    }
    return handled;
}

void TMainFrm::showPictureLink(const QString &url)
{
    const QString path = BigPic::picturePath(m_session.htmlDir + QStringLiteral("images"), url);
    if (path.isEmpty()) {
        m_dialogs->error(this,
                         tr("The picture link \"%1\" does not name a picture in the pictures folder.").arg(url.mid(1)));
        return;
    }
    const QImage picture(HtmlViewer::resolvePath(path));
    if (picture.isNull()) {
        m_dialogs->error(this, tr("Cannot load the picture \"%1\".").arg(url.mid(1)));
        return;
    }
    TBigPicFrm window(picture, this);
    window.exec();
}

void TMainFrm::viewerRightClick(QPoint globalPosition, const QImage &picture)
{
    m_pictureImage = picture;
    QAction *copy = findChild<QAction *>(QStringLiteral("CopyImage1"));
    copy->setEnabled(!picture.isNull());
    if (copy->isEnabled()) {
        m_picPopUp->popup(globalPosition);
    } else {
        m_pictureImage = QImage();
    }
}

void TMainFrm::CopyImage1Click()
{
    if (!m_pictureImage.isNull()) {
        QGuiApplication::clipboard()->setImage(m_pictureImage);
    }
}

void TMainFrm::viewerMouseUp()
{
    // On the start page copying stays off.
    m_copyBtn->setEnabled(m_viewer->selectionLength() >= 1 && m_session.currentTopic != 0);
}

void TMainFrm::FontPopUpPopup()
{
    const QList<QAction *> items = m_fontPopUp->actions();
    for (int i = 0; i < items.size(); ++i) {
        items[i]->setChecked(m_viewer->defaultFontSize() == 8 + 2 * i);
    }
}

void TMainFrm::N8point1Click(int points)
{
    m_viewer->setDefaultFontSize(points);
    m_viewer->reload();
}

QColor TMainFrm::textBackground(int tag)
{
    switch (tag) {
    case 1:
        return {255, 255, 191};
    case 2:
        return {217, 234, 255};
    case 3:
        return {255, 224, 193};
    default:
        return {255, 255, 255};
    }
}

void TMainFrm::Backgnd1Click()
{
    for (QAction *item : m_backgroundMenu->actions()) {
        item->setChecked(textBackground(item->data().toInt()) == m_viewer->defaultBackground());
    }
}

void TMainFrm::SetViewerBackground(int tag)
{
    m_viewer->setDefaultBackground(textBackground(tag));
}

void TMainFrm::PrintTopicClick()
{
    auto preview = TPrntPrevFrm::create(this, m_viewer, m_dialogs.get());
    if (!preview) {
        return;
    }
    preview->exec();
}

bool TMainFrm::FormKeyDown(int key)
{
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
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (data && data->hasFormat(ChartPictureFormat)) {
        const auto answer = m_dialogs->confirm(
            this, tr("Do you want to leave the data on the clipboard\nafter the program is closed?"),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel) {
            return false;
        }
        m_session.animStopFlag = -1;
        if (answer == QMessageBox::No) {
            QGuiApplication::clipboard()->clear();
        }
        return true;
    }
    if (m_dialogs->confirm(this, tr("Exit program?"), QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
        m_session.animStopFlag = -1;
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
    if (event->type() == QEvent::KeyPress) {
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this && FormKeyDown(static_cast<QKeyEvent *>(event)->key())) {
            return true;
        }
    } else if (watched == m_splashTab && event->type() == QEvent::Resize) {
        centreStartPicture();
    }
    return QMainWindow::eventFilter(watched, event);
}
