#include "app/Application.h"
#include "app/MainFrm.h"
#include "app/TopicRegistry.h"
#include "chart/Chart.h"
#include "oscillations/SHMPage.h"
#include "shell/About.h"
#include "shell/AnimSpd.h"
#include "shell/Dialogs.h"
#include "shell/HelpSystem.h"
#include "shell/HtmlViewer.h"
#include "shell/JumpObject.h"
#include "shell/Language.h"
#include "shell/TopicPage.h"
#include "waves/SuperWave.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <deque>

#include "MainFrmFixture.h"

class TestMainFrm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { configureApplication(*qApp); }

    void startState()
    {
        Fixture f;
        TMainFrm &w = *f.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("Waves"));
        QCOMPARE(w.session().currentTopic, 0);
        QVERIFY(!w.session().isAnimating());
        QCOMPARE(f.activePage(), QStringLiteral("SplashTab"));
        QVERIFY(w.viewer()->currentFile().endsWith(QStringLiteral("HTML/index.htm")));
        QVERIFY(w.session().htmlDir.endsWith(QStringLiteral("/HTML/")));
        QCOMPARE(w.history().homePage(), w.session().htmlDir + QStringLiteral("INDEX.HTM"));
        QTRY_COMPARE(w.mainPCWidth(), 460);
        const auto *collage = w.findChild<QLabel *>(QStringLiteral("CollagePic"));
        QCOMPARE(collage->pixmap().size(), QSize(420, 480));
        // Centred on the start page.
        const QWidget *splash = w.findChild<QWidget *>(QStringLiteral("SplashTab"));
        QCOMPARE(collage->x(), (splash->width() - 420) / 2);
        QCOMPARE(collage->y(), (splash->height() - 480) / 2);
        QCOMPARE(w.font().pixelSize(), 11);
        QCOMPARE(f.button("FwdBtn")->isEnabled(), false);
        QCOMPARE(f.button("CopyBtn")->isEnabled(), false);
    }

    void smallScreenUsesTheSmallPicture()
    {
        Fixture f(QSize(640, 480));
        QCOMPARE(f.window->session().screenMode, 1);
        QVERIFY(f.window->arrangement().maximised);
        QTRY_COMPARE(f.window->mainPCWidth(), 330);
        const auto *collage = f.window->findChild<QLabel *>(QStringLiteral("CollagePic"));
        QCOMPARE(collage->pixmap().size(), QSize(310, 354));
    }

    void missingStartPictureIsSkippedSilently()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("HTML")));
        QFile index(dir.filePath(QStringLiteral("HTML/index.htm")));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("<html><body>index</body></html>");
        index.close();
        auto dialogs = std::make_shared<ScriptedDialogs>();
        TMainFrm::Options options;
        options.screen = ScreenInfo{QSize(1024, 768), QRect(0, 0, 1024, 728)};
        options.programDir = dir.path();
        options.dialogs = dialogs;
        options.help = std::make_shared<RecordingHelp>();
        TMainFrm w(options);
        w.show();
        QVERIFY(w.findChild<QLabel *>(QStringLiteral("CollagePic"))->pixmap().isNull());
        QCOMPARE(w.windowTitle(), QStringLiteral("Waves"));
        QVERIFY(dialogs->errors.isEmpty());
        QVERIFY(w.viewer()->toPlainText().contains(QStringLiteral("index")));
    }

    void everyTopicPageExists()
    {
        Fixture f;
        for (int topic = 1; topic <= 16; ++topic) {
            TopicPage *page = f.window->page(topic);
            QVERIFY(page);
            QCOMPARE(page->objectName(), QString::fromLatin1(Topics::info(topic).page));
            QVERIFY(page->isEnabled());
        }
    }

    void topicsMenuOrder()
    {
        Fixture f;
        auto *menu = f.window->findChild<QMenu *>(QStringLiteral("Topics1"));
        QVERIFY(menu);
        QList<int> tags;
        for (QAction *a : menu->actions()) {
            tags << a->data().toInt();
        }
        QCOMPARE(tags, (QList<int>{10, 9, 3, 15, 14, 13, 2, 16, 12, 4, 5, 7, 6, 8, 1, 11}));
        QCOMPARE(menu->actions().first()->text().remove(QLatin1Char('&')), QStringLiteral("Absorption of gamma rays"));
        QCOMPARE(menu->actions().first()->objectName(), QStringLiteral("Absorptionofgammarays1"));
    }

    void menuBarCaptions()
    {
        Fixture f;
        QStringList captions;
        for (QAction *a : f.window->menuBar()->actions()) {
            captions << a->text();
        }
        QCOMPARE(captions,
                 (QStringList{QStringLiteral("&File"), QStringLiteral("&Topics"), QStringLiteral("&Graph"),
                              QStringLiteral("&Animation"), QStringLiteral("&View"), QStringLiteral("&Help")}));
    }

    void topicChange_data()
    {
        QTest::addColumn<int>("topic");
        for (int topic = 1; topic <= 16; ++topic) {
            QTest::addRow("topic %d", topic) << topic;
        }
    }
    void topicChange()
    {
        QFETCH(int, topic);
        Fixture f;
        TMainFrm &w = *f.window;
        w.session().startAnimation(); // as if an animation were running
        f.chooseTopic(topic);
        QCOMPARE(w.session().currentTopic, topic);
        QCOMPARE(w.windowTitle(), Topics::caption(topic));
        QCOMPARE(f.activePage(), QString::fromLatin1(Topics::info(topic).page));
        QVERIFY(!w.session().isAnimating());
        QVERIFY(w.viewer()->currentFile().endsWith(Topics::topicPage(topic), Qt::CaseInsensitive));
        QTRY_COMPARE(w.mainPCWidth(), Topics::info(topic).width);
        // The status bar says what to try first.
        QVERIFY(!Topics::firstHint(topic).isEmpty());
        QCOMPARE(w.statusBar()->currentMessage(), Topics::firstHint(topic));
        QVERIFY(!w.startPictureLoaded());
        QCOMPARE(w.history().count(), 0); // a menu switch records no history
    }

    // On a screen smaller than any layout is made for, the page keeps a
    // share of the window and scrolls; its pictures still paint.
    void tinyScreenKeepsThePageVisible()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("QPainter::begin")));
        Fixture f(QSize(320, 240));
        f.chooseTopic(1);
        QApplication::processEvents();
        QTRY_VERIFY(f.window->mainPCWidth() >= 50);
        auto *area = f.window->findChild<QAbstractScrollArea *>(QStringLiteral("PageArea"));
        QVERIFY(area->horizontalScrollBar()->isVisible());
        QVERIFY(area->verticalScrollBar()->isVisible());
        QVERIFY(!f.window->findChild<QWidget *>(QStringLiteral("FringePic"))->visibleRegion().isEmpty());
    }

    void sameTopicChangesNothingButTheStartPicture()
    {
        Fixture f;
        TMainFrm &w = *f.window;
        f.chooseTopic(3);
        QSignalSpy loads(w.viewer(), &HtmlViewer::pageLoaded);
        w.session().startAnimation();
        f.chooseTopic(3);
        QCOMPARE(loads.size(), 0);
        QVERIFY(w.session().isAnimating());
        QCOMPARE(w.session().currentTopic, 3);

        // On the start page, even a click that changes nothing else releases the picture.
        Fixture g;
        QVERIFY(g.window->startPictureLoaded());
        g.window->DoTopicChange(nullptr);
        QVERIFY(!g.window->startPictureLoaded());
        QCOMPARE(g.window->session().currentTopic, 0);
    }

    void topicsMenuChecksTheCurrentTopic()
    {
        Fixture f;
        f.chooseTopic(14);
        auto *menu = f.window->findChild<QMenu *>(QStringLiteral("Topics1"));
        Q_EMIT menu->aboutToShow();
        for (QAction *a : menu->actions()) {
            QCOMPARE(a->isChecked(), a->data().toInt() == 14);
        }
    }

    // Leaving a topic stops its run and shows it stopped at once, even while
    // its loop is still waiting under another animation started meanwhile.
    void runningButtonsShowStoppedOnTopicChange_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("stop");
        QTest::newRow("damped SHM") << 9 << "shmStartBtn"
                                    << "shmAbortBtn";
        QTest::newRow("gamma count") << 10 << "CountStartBtn"
                                     << "CountStopBtn";
        QTest::newRow("resonance") << 14 << "ResStartBtn"
                                   << "ResStopBtn";
        QTest::newRow("polarization") << 16 << "PolarStartBtn"
                                      << "PolarStopBtn";
    }
    void runningButtonsShowStoppedOnTopicChange()
    {
        QFETCH(int, topic);
        QFETCH(QString, start);
        QFETCH(QString, stop);
        Fixture f;
        TMainFrm &w = *f.window;
        f.chooseTopic(topic);
        if (topic == 16) {
            w.page(16)->findChild<QAbstractButton *>(QStringLiteral("UnpolarizedBtn"))->click();
        }
        auto *startButton = w.findChild<QAbstractButton *>(start);
        auto *stopButton = w.findChild<QAbstractButton *>(stop);
        // Each step records what it saw and goes on, so that a failure cannot
        // leave an animation running.
        bool shownRunning = false;
        bool shownStopped = false;
        QTimer::singleShot(60, &w, [&] {
            shownRunning = !startButton->isEnabled() && stopButton->isEnabled();
            f.chooseTopic(4);
            QTimer::singleShot(60, &w, [&] {
                shownStopped = startButton->isEnabled() && !stopButton->isEnabled();
                w.findChild<QAbstractButton *>(QStringLiteral("T16StopBtn"))->click();
            });
            w.findChild<QAbstractButton *>(QStringLiteral("T16StartBtn"))->click();
        });
        startButton->click();
        QVERIFY(shownRunning);
        QVERIFY(shownStopped);
        QVERIFY(startButton->isEnabled());
        QVERIFY(!stopButton->isEnabled());
        QVERIFY(!w.session().isAnimating());
    }

    // After a splitter drag on topic 6, topic 2 comes back at 440 and topic 6 at
    // the dragged width.
    void splitterDragIsRememberedPerTopic()
    {
        Fixture f;
        TMainFrm &w = *f.window;
        f.chooseTopic(6);
        QTRY_COMPARE(w.mainPCWidth(), 490);
        auto *splitter = w.findChild<QSplitter *>(QStringLiteral("Splitter1"));
        QWidget *handle = splitter->handle(1);
        const QPoint grip(handle->width() / 2, handle->height() / 2);
        QTest::mousePress(handle, Qt::LeftButton, {}, grip);
        QTest::mouseMove(handle, grip + QPoint(-60, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, grip + QPoint(-60, 0));
        QTRY_COMPARE(w.mainPCWidth(), 430);
        QCOMPARE(w.topicWidth(6), 430);

        f.chooseTopic(2);
        QTRY_COMPARE(w.mainPCWidth(), 440);
        f.chooseTopic(6);
        QTRY_COMPARE(w.mainPCWidth(), 430);
        QCOMPARE(w.topicWidth(2), 440);
    }

    void splitterDragOnTheStartPageStoresNothing()
    {
        Fixture f;
        TMainFrm &w = *f.window;
        auto *splitter = w.findChild<QSplitter *>(QStringLiteral("Splitter1"));
        splitter->setSizes({300, 400});
        w.StoreTopicWidth();
        for (int t = 1; t <= 16; ++t) {
            QCOMPARE(w.topicWidth(t), Topics::info(t).width);
        }
    }

    void applyTopicWidthOutsideTheTableUsesTheFirstEntry()
    {
        Fixture f;
        f.window->ApplyTopicWidth(0);
        QTRY_COMPARE(f.window->mainPCWidth(), 430);
        f.window->ApplyTopicWidth(99);
        QTRY_COMPARE(f.window->mainPCWidth(), 430);
    }

    void setTopicCaptionOutsideTheTable()
    {
        Fixture f;
        f.window->SetTopicCaption(5);
        f.window->SetTopicCaption(17);
        QCOMPARE(f.window->windowTitle(), Topics::caption(5));
        QCOMPARE(f.window->session().currentTopic, 5);
    }

    void animationMenuVisibility_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<bool>("visible");
        // The topics that animate at a set speed; polarization only once its
        // unpolarized light is up (the next test).
        const QList<int> animated{4, 6, 9, 11, 12, 13, 14};
        for (int t = 1; t <= 16; ++t) {
            QTest::addRow("topic %d", t) << t << animated.contains(t);
        }
    }
    void animationMenuVisibility()
    {
        QFETCH(int, topic);
        QFETCH(bool, visible);
        Fixture f;
        QAction *animation = f.window->findChild<QMenu *>(QStringLiteral("Animation1"))->menuAction();
        f.window->AppIdle();
        QVERIFY(!animation->isVisible()); // hidden on the start page
        f.chooseTopic(topic);
        f.window->AppIdle();
        QCOMPARE(animation->isVisible(), visible);
    }

    void animationMenuFollowsTheUnpolarizedPanel()
    {
        Fixture f;
        QAction *animation = f.window->findChild<QMenu *>(QStringLiteral("Animation1"))->menuAction();
        f.chooseTopic(16);
        f.window->AppIdle();
        QVERIFY(!animation->isVisible());
        f.window->findChild<QPushButton *>(QStringLiteral("UnpolarizedBtn"))->click();
        f.window->AppIdle();
        QVERIFY(animation->isVisible());
        // Coming back to the topic shows the polarizer again.
        f.chooseTopic(15);
        f.chooseTopic(16);
        f.window->AppIdle();
        QVERIFY(!animation->isVisible());
        QCOMPARE(f.window->sharedState().view3D.scale, 0.5);
        f.chooseTopic(15);
        QCOMPARE(f.window->sharedState().view3D.scale, 0.8);
    }

    void f1OpensHelpForTheTopic()
    {
        Fixture f;
        QTest::keyClick(f.window->viewer(), Qt::Key_F1);
        f.chooseTopic(15);
        QTest::keyClick(f.window->viewer(), Qt::Key_F1);
        f.chooseTopic(9);
        QTest::keyClick(f.window.get(), Qt::Key_F1);
        QCOMPARE(f.help->calls, (QStringList{QStringLiteral("contents"), QStringLiteral("context 1160"),
                                             QStringLiteral("context 1020")}));
        // Other keys pass on to the controls.
        QVERIFY(!f.window->FormKeyDown(Qt::Key_F2));
    }

    void helpMenu()
    {
        Fixture f;
        f.window->findChild<QAction *>(QStringLiteral("Searchforhelpon1"))->trigger();
        f.window->findChild<QAction *>(QStringLiteral("Contents1"))->trigger();
        QCOMPARE(f.help->calls, (QStringList{QStringLiteral("partial key"), QStringLiteral("contents")}));
    }

    void aboutBox()
    {
        Fixture f;
        QString title;
        QString version;
        QSize size;
        QTimer::singleShot(0, f.window.get(), [&] {
            auto *about = qobject_cast<TAboutFrm *>(QApplication::activeModalWidget());
            QVERIFY(about);
            title = about->findChild<QLabel *>(QStringLiteral("ProductName"))->text();
            version = about->findChild<QLabel *>(QStringLiteral("Version"))->text();
            size = about->size();
            about->findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
        });
        f.window->findChild<QAction *>(QStringLiteral("About1"))->trigger();
        QCOMPARE(title, QStringLiteral("Corvane"));
        QCOMPARE(version, QStringLiteral("version 1.1"));
        QCOMPARE(size, QSize(279, 200));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void hintsHaveTwoParts()
    {
        Fixture f;
        QToolButton *menuBtn = f.button("MenuBtn");
        QCOMPARE(menuBtn->toolTip(), QStringLiteral("main index"));
        QCOMPARE(menuBtn->statusTip(), QStringLiteral("Return to main index page"));
        QCOMPARE(f.button("FwdBtn")->statusTip(), QStringLiteral("forward"));
        QStatusTipEvent tip(menuBtn->statusTip());
        QApplication::sendEvent(f.window.get(), &tip);
        QCOMPARE(f.window->statusBar()->currentMessage(), QStringLiteral("Return to main index page"));
    }

    // No caption, hint or menu item a user reads carries a misspelt word.
    void textsAreSpeltRight()
    {
        Fixture f;
        QStringList texts;
        for (const QWidget *w : f.window->findChildren<QWidget *>()) {
            texts << w->toolTip() << w->statusTip() << w->windowTitle();
        }
        for (const QAction *a : f.window->findChildren<QAction *>()) {
            texts << a->text() << a->toolTip() << a->statusTip();
        }
        for (const QLabel *l : f.window->findChildren<QLabel *>()) {
            texts << l->text();
        }
        for (const QAbstractButton *b : f.window->findChildren<QAbstractButton *>()) {
            texts << b->text();
        }
        const QStringList wrong{QStringLiteral("positon"), QStringLiteral("wieght"), QStringLiteral("oscilation"),
                                QStringLiteral("Youngs ")};
        for (const QString &text : std::as_const(texts)) {
            for (const QString &word : wrong) {
                QVERIFY2(!text.contains(word, Qt::CaseInsensitive), qPrintable(text));
            }
        }
        QVERIFY(texts.contains(QStringLiteral("Young's double slits")));
        QVERIFY(texts.contains(QStringLiteral("Forced oscillations")));
    }

    void closeQuestion_data()
    {
        QTest::addColumn<bool>("chartOnClipboard");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("clipboardKept");
        QTest::newRow("exit yes") << false << int(QMessageBox::Yes) << true << true;
        QTest::newRow("exit no") << false << int(QMessageBox::No) << false << true;
        QTest::newRow("chart, keep it") << true << int(QMessageBox::Yes) << true << true;
        QTest::newRow("chart, empty clipboard") << true << int(QMessageBox::No) << true << false;
        QTest::newRow("chart, cancel") << true << int(QMessageBox::Cancel) << false << true;
    }
    void closeQuestion()
    {
        QFETCH(bool, chartOnClipboard);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(bool, clipboardKept);
        Fixture f;
        auto *data = new QMimeData;
        if (chartOnClipboard) {
            data->setData(QStringLiteral("image/svg+xml"), QByteArrayLiteral("<svg/>"));
        } else {
            // Text from the text pane is no chart picture.
            data->setText(QStringLiteral("selected text"));
        }
        QGuiApplication::clipboard()->setMimeData(data);
        f.dialogs->answers.push_back(QMessageBox::StandardButton(answer));
        f.window->session().startAnimation();

        const bool closed = f.window->close();
        QCOMPARE(closed, closes);
        QCOMPARE(f.dialogs->questions.size(), 1);
        if (chartOnClipboard) {
            QCOMPARE(f.dialogs->questions.first(),
                     QStringLiteral("Do you want to leave the data on the clipboard\nafter the program is closed?"));
            QCOMPARE(f.dialogs->buttons.front(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        } else {
            QCOMPARE(f.dialogs->questions.first(), QStringLiteral("Exit program?"));
            QCOMPARE(f.dialogs->buttons.front(), QMessageBox::Yes | QMessageBox::No);
        }
        // The stop flag ends a running animation only when the window goes.
        QCOMPARE(f.window->session().isAnimating(), !closes);
        const QMimeData *now = QGuiApplication::clipboard()->mimeData();
        const bool kept = now && (now->hasFormat(QStringLiteral("image/svg+xml")) || now->hasText());
        QCOMPARE(kept, clipboardKept);
        QCOMPARE(f.help->calls.contains(QStringLiteral("quit")), closes);
        QGuiApplication::clipboard()->clear();
    }

    void exitMenuAsksFirst()
    {
        Fixture f;
        f.dialogs->answers.push_back(QMessageBox::No);
        f.window->findChild<QAction *>(QStringLiteral("Exit1"))->trigger();
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.dialogs->questions, QStringList{QStringLiteral("Exit program?")});
    }

    // Following a link to another topic's page switches topic and records the
    // page left; the index page and anchors leave the topic alone.
    void linksSwitchTopic()
    {
        Fixture f;
        TMainFrm &w = *f.window;
        QVERIFY(w.textPane()->viewerHotSpotClick(QStringLiteral("yds.htm#fringes")));
        QCOMPARE(w.session().currentTopic, 1);
        QCOMPARE(w.windowTitle(), Topics::caption(1));
        QCOMPARE(f.activePage(), QStringLiteral("YDStab"));
        QCOMPARE(w.history().count(), 1);
        QVERIFY(w.textPane()->viewerHotSpotClick(QStringLiteral("index.htm")));
        QCOMPARE(w.session().currentTopic, 1);
        QVERIFY(w.textPane()->viewerHotSpotClick(QStringLiteral("$fringes.png")));
        QVERIFY(w.textPane()->viewerHotSpotClick(QStringLiteral("\u00a3note")));
        QCOMPARE(w.session().currentTopic, 1);
    }

    void backAndForwardThroughPages()
    {
        Fixture f;
        TMainFrm &w = *f.window;
        HtmlViewer *viewer = w.viewer();
        const QString dir = w.session().htmlDir;
        // Index -> YDS -> GAMMA, as links followed in the pane.
        QVERIFY(w.textPane()->viewerHotSpotClick(QStringLiteral("YDS.HTM")));
        QVERIFY(w.textPane()->viewerHotSpotClick(QStringLiteral("GAMMA.HTM")));
        QCOMPARE(w.session().currentTopic, 10);

        w.textPane()->FwdBtnClick(false);
        QVERIFY(viewer->currentFile().endsWith(QStringLiteral("YDS.HTM")));
        QCOMPARE(w.session().currentTopic, 1);
        QVERIFY(f.button("FwdBtn")->isEnabled());

        w.textPane()->FwdBtnClick(false);
        QVERIFY(viewer->currentFile().endsWith(QStringLiteral("index.htm")));
        QCOMPARE(w.history().count(), 0);
        QVERIFY(!f.button("FwdBtn")->isEnabled());
        QCOMPARE(w.session().currentTopic, 1); // the index page belongs to no topic
    }

    void indexButtonKeepsTheTopic()
    {
        Fixture f;
        TMainFrm &w = *f.window;
        f.chooseTopic(4);
        w.session().startAnimation();
        w.textPane()->MenuBtnClick();
        QVERIFY(w.viewer()->currentFile().endsWith(QStringLiteral("index.htm")));
        QCOMPARE(w.session().currentTopic, 4);
        QCOMPARE(w.windowTitle(), Topics::caption(4));
        QVERIFY(!w.session().isAnimating());
        QVERIFY(!f.button("BackBtn")->isEnabled());
        w.AppIdle();
        QVERIFY(!f.button("MenuBtn")->isEnabled()); // on the index page
    }

    void missingPageOnBackIsReported()
    {
        Fixture f;
        TMainFrm &w = *f.window;
        w.history().AddJump(w.session().htmlDir + QStringLiteral("GONE.HTM"), 0);
        w.history().AddJump(w.viewer()->currentFile(), 0);
        const QString shown = w.viewer()->currentFile();
        w.textPane()->FwdBtnClick(false);
        QCOMPARE(f.dialogs->errors.size(), 1);
        QVERIFY(f.dialogs->errors.first().contains(QStringLiteral("GONE.HTM")));
        QCOMPARE(w.viewer()->currentFile(), shown);
    }

    void graphMenuByPage_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<bool>("print");
        QTest::addColumn<bool>("shm");
        QTest::addColumn<bool>("xAxis");
        QTest::newRow("start page") << 0 << false << false << false;
        QTest::newRow("double slits") << 1 << false << false << false;
        QTest::newRow("multiple slits") << 2 << true << false << false;
        QTest::newRow("superposition") << 8 << true << false << true;
        QTest::newRow("damped SHM") << 9 << true << true << false;
        QTest::newRow("resonance") << 14 << true << false << false;
    }
    void graphMenuByPage()
    {
        QFETCH(int, topic);
        QFETCH(bool, print);
        QFETCH(bool, shm);
        QFETCH(bool, xAxis);
        Fixture f;
        if (topic) {
            f.chooseTopic(topic);
        }
        Q_EMIT f.window->findChild<QMenu *>(QStringLiteral("Graph1"))->aboutToShow();
        const auto enabled = [&f](const char *name) {
            return f.window->findChild<QAction *>(QString::fromLatin1(name))->isEnabled();
        };
        QCOMPARE(enabled("Print1"), print);
        QCOMPARE(enabled("Copy1"), print);
        QCOMPARE(enabled("Showcrosshair1"), shm);
        QCOMPARE(enabled("timescale1"), shm);
        QCOMPARE(enabled("Xaxis1"), xAxis);
    }

    void printTheShmChart()
    {
        Fixture f;
        QTemporaryDir dir;
        f.chooseTopic(9);
        auto *print = f.window->findChild<QAction *>(QStringLiteral("Print1"));
        print->trigger(); // cancelled in the dialog: nothing printed
        QCOMPARE(f.dialogs->printDialogs, 1);
        f.dialogs->printToFile = dir.filePath(QStringLiteral("chart.pdf"));
        print->trigger();
        QVERIFY(QFileInfo(f.dialogs->printToFile).size() > 1000);
        QVERIFY(f.dialogs->errors.isEmpty());
        // A job that cannot start is reported with its message.
        f.dialogs->printToFile = QStringLiteral("/nonexistent-folder/chart.pdf");
        print->trigger();
        QCOMPARE(f.dialogs->errors.size(), 1);
    }

    void printAndCopyDoNothingWithoutAChart()
    {
        Fixture f;
        f.chooseTopic(1);
        f.window->Print1Click();
        f.window->Copy1Click();
        QCOMPARE(f.dialogs->printDialogs, 0);
    }

    // A chart copied to the clipboard makes closing ask about the clipboard.
    void copiedChartChangesTheCloseQuestion()
    {
        Fixture f;
        QGuiApplication::clipboard()->clear();
        f.chooseTopic(9);
        f.window->findChild<QAction *>(QStringLiteral("Copy1"))->trigger();
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data->hasFormat(QStringLiteral("image/svg+xml")));
        QVERIFY(data->hasImage());
        f.dialogs->answers.push_back(QMessageBox::Cancel);
        QVERIFY(!f.window->close());
        QCOMPARE(f.dialogs->questions.first(),
                 QStringLiteral("Do you want to leave the data on the clipboard\nafter the program is closed?"));
        QGuiApplication::clipboard()->clear();
    }

    // View > Language: answered "No", the choice is kept for the next start
    // and the status bar says so; answered "Yes", the window changes at once:
    // menus, the page shown (built again), its caption, the teaching page and
    // the help. And back to English the same way.
    void languageChangesAtOnceOrFromTheNextStart()
    {
        Fixture f;
        f.chooseTopic(9);
        const auto english = qScopeGuard([] {
            Language::install(QStringLiteral("en"));
            QSettings().remove(QStringLiteral("language"));
        });
        const auto choose = [&f](const char *name, QMessageBox::StandardButton answer) {
            f.dialogs->answers.push_back(answer);
            f.window->findChild<QAction *>(QString::fromLatin1(name))->trigger();
            QCoreApplication::processEvents(); // the change runs once the menu's signal has returned
        };
        choose("Languagede1", QMessageBox::No);
        QCOMPARE(Language::current(), QStringLiteral("de"));
        QVERIFY(f.window->statusBar()->currentMessage().contains(QStringLiteral("Deutsch")));
        QCOMPARE(f.window->findChild<QMenu *>(QStringLiteral("View1"))->title(), QStringLiteral("&View"));

        choose("Languagede1", QMessageBox::Yes);
        QCOMPARE(f.window->findChild<QMenu *>(QStringLiteral("View1"))->title(), QStringLiteral("&Ansicht"));
        QVERIFY(f.window->findChild<QAction *>(QStringLiteral("Languagede1"))->isChecked());
        QCOMPARE(f.window->session().currentTopic, 9);
        QVERIFY(f.window->windowTitle().contains(QStringLiteral("Schwingung")));
        f.window->findChild<QAbstractSlider *>(QStringLiteral("shmDampHsb"))->setValue(37);
        QCOMPARE(f.window->findChild<QLabel *>(QStringLiteral("shmDampLabel"))->text(),
                 QStringLiteral("Dämpfung 0,37 kg/s"));
        QVERIFY(f.window->viewer()->currentFile().endsWith(QStringLiteral("HTML/de/DAMPSHM.HTM")));
        QVERIFY(f.window->session().helpFile.endsWith(QStringLiteral("help/de/Vardel.qhc")));
        QTRY_COMPARE(f.window->findChild<QToolButton *>(QStringLiteral("MenuBtn"))->text(), QStringLiteral("Index"));

        choose("Languageen1", QMessageBox::Yes);
        QCOMPARE(f.window->findChild<QMenu *>(QStringLiteral("View1"))->title(), QStringLiteral("&View"));
        QVERIFY(f.window->viewer()->currentFile().endsWith(QStringLiteral("HTML/DAMPSHM.HTM")));
        QTRY_COMPARE(f.window->findChild<QToolButton *>(QStringLiteral("MenuBtn"))->text(), QStringLiteral("index"));
    }

    // In German, labels write numbers with the decimal comma ("0,20"); the
    // numbers drawn inside pictures keep the point.
    void numbersFollowTheLanguage()
    {
        Language::install(QStringLiteral("de"));
        const auto english = qScopeGuard([] { Language::install(QStringLiteral("en")); });
        Fixture f;
        f.chooseTopic(9);
        f.window->findChild<QAbstractSlider *>(QStringLiteral("shmDampHsb"))->setValue(37);
        const QString damping = f.window->findChild<QLabel *>(QStringLiteral("shmDampLabel"))->text();
        QVERIFY2(damping.contains(QStringLiteral("0,37")), qPrintable(damping));
        QCOMPARE(SuperWave::SineFormula(SuperWave::TSineInfo{1.5, 0, 2}), QStringLiteral("y = 1.5sin(2.00x)"));
    }

    // Each translation is complete where a user looks first: every menu item
    // and every topic caption reads differently from the English, apart from
    // words the languages share.
    void translationsCoverMenusAndCaptions_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("shared"); // the same in that language
        const QStringList everywhere{QStringLiteral("English"), QStringLiteral("Deutsch"), QStringLiteral("Español"),
                                     QStringLiteral("5"),       QStringLiteral("10"),      QStringLiteral("15"),
                                     QStringLiteral("20")};
        QTest::newRow("German") << QStringLiteral("de")
                                << everywhere + QStringList{QStringLiteral("Animation"), QStringLiteral("Index")};
        QTest::newRow("Spanish") << QStringLiteral("es") << everywhere;
    }
    void translationsCoverMenusAndCaptions()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, shared);
        const auto texts = [] {
            QMap<QString, QString> found;
            Fixture f;
            for (QAction *action : f.window->menuBar()->findChildren<QAction *>()) {
                if (!action->objectName().isEmpty() && !action->text().isEmpty()) {
                    found.insert(action->objectName(), action->text().remove(QLatin1Char('&')));
                }
            }
            for (int t = 1; t <= Topics::Count; ++t) {
                found.insert(QStringLiteral("caption %1").arg(t), Topics::caption(t));
            }
            return found;
        };
        const QMap<QString, QString> english = texts();
        Language::install(language);
        const auto back = qScopeGuard([] { Language::install(QStringLiteral("en")); });
        const QMap<QString, QString> translated = texts();
        QCOMPARE(translated.keys(), english.keys());
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            QVERIFY2(translated[it.key()] != it.value() || shared.contains(it.value()),
                     qPrintable(QStringLiteral("%1: %2").arg(it.key(), it.value())));
        }
    }

    void timeScaleMenu()
    {
        Fixture f;
        f.chooseTopic(9);
        auto *menu = f.window->findChild<QMenu *>(QStringLiteral("timescale1"));
        Q_EMIT menu->aboutToShow();
        const auto checked = [menu] {
            QList<int> tags;
            for (QAction *a : menu->actions()) {
                if (a->isChecked()) {
                    tags << a->data().toInt();
                }
            }
            return tags;
        };
        QCOMPARE(checked(), QList<int>{10});
        f.window->findChild<QAction *>(QStringLiteral("N151"))->trigger();
        Q_EMIT menu->aboutToShow();
        QCOMPARE(checked(), QList<int>{15});
        auto *shm = static_cast<SHMPage *>(f.window->page(9));
        QCOMPARE(shm->timeScale(), 15);
        QCOMPARE(shm->chart()->point(shm->curveSeries(), 500).x(), 15.0);
    }

    void crosshairItemToggles()
    {
        Fixture f;
        auto *item = f.window->findChild<QAction *>(QStringLiteral("Showcrosshair1"));
        QVERIFY(!f.window->session().showCrosshair);
        item->trigger();
        QVERIFY(item->isChecked());
        QVERIFY(f.window->session().showCrosshair);
        item->trigger();
        QVERIFY(!f.window->session().showCrosshair);
    }

    // The speed dialog shows 100 - setting and stores 100 - position on "apply".
    void speedDialog_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("apply");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("setting"); // -1 for none
        QTest::newRow("SHM at start shows 50") << 9 << 50 << true << 30 << int(AnimSpeed::SHM);
        QTest::newRow("waves at start show the fast end") << 4 << 100 << true << 30 << int(AnimSpeed::Wave);
        QTest::newRow("cancel changes nothing") << 9 << 50 << false << 50 << int(AnimSpeed::SHM);
        QTest::newRow("standing waves") << 6 << 100 << true << 30 << int(AnimSpeed::StandingWave);
        QTest::newRow("wave mathematics") << 11 << 100 << true << 30 << int(AnimSpeed::AuxCircle);
        QTest::newRow("hydrogen") << 13 << 100 << true << 30 << int(AnimSpeed::Spectrum);
        QTest::newRow("resonance") << 14 << 100 << true << 30 << int(AnimSpeed::Resonance);
        QTest::newRow("polarization") << 16 << 100 << true << 30 << int(AnimSpeed::Polarization);
        QTest::newRow("a topic without a setting") << 1 << 50 << true << -1 << -1;
    }
    void speedDialog()
    {
        QFETCH(int, topic);
        QFETCH(int, shown);
        QFETCH(bool, apply);
        QFETCH(int, stored);
        QFETCH(int, setting);
        Fixture f;
        f.chooseTopic(topic);
        int seen = -1;
        QTimer::singleShot(0, f.window.get(), [&] {
            auto *dialog = qobject_cast<TAnimSpdFrm *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            seen = dialog->trackBar()->value();
            dialog->trackBar()->setValue(70);
            dialog->findChild<QPushButton *>(apply ? QStringLiteral("SpeedButton1") : QStringLiteral("SpeedButton2"))
                ->click();
        });
        const auto before = f.window->session().speeds;
        f.window->setspeed1Click();
        QCOMPARE(seen, shown);
        if (setting >= 0) {
            QCOMPARE(f.window->session().speed(AnimSpeed(setting)), stored);
        } else {
            QCOMPARE(f.window->session().speeds, before);
        }
    }

    void rippleSettingFollowsTheSlitModel()
    {
        Fixture f;
        f.chooseTopic(12);
        auto *single = f.window->findChild<QRadioButton *>(QStringLiteral("ssRB"));
        auto *twin = f.window->findChild<QRadioButton *>(QStringLiteral("dsRB"));
        QVERIFY(single->isChecked());
        const auto answer = [&f](int position) {
            QTimer::singleShot(0, f.window.get(), [position] {
                auto *dialog = qobject_cast<TAnimSpdFrm *>(QApplication::activeModalWidget());
                dialog->trackBar()->setValue(position);
                dialog->accept();
            });
            f.window->setspeed1Click();
        };
        answer(90);
        twin->click();
        answer(40);
        QCOMPARE(f.window->session().speed(AnimSpeed::RippleSingle), 10);
        QCOMPARE(f.window->session().speed(AnimSpeed::RippleDouble), 60);
    }

    // A run ends cleanly when the topic changes, the index button is pressed
    // or the window closes.
    void runsEndCleanly_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("topic change") << 0;
        QTest::newRow("index button") << 1;
        QTest::newRow("closing") << 2;
    }
    void runsEndCleanly()
    {
        QFETCH(int, how);
        Fixture f;
        TMainFrm &w = *f.window;
        f.chooseTopic(9);
        w.session().speed(AnimSpeed::SHM) = 0;
        w.findChild<QScrollBar *>(QStringLiteral("shmDampHsb"))->setValue(0); // would run all 500 frames
        auto *go = w.findChild<QPushButton *>(QStringLiteral("shmStartBtn"));
        f.dialogs->answers.push_back(QMessageBox::Yes);
        QTimer::singleShot(40, &w, [&] {
            QVERIFY(w.session().isAnimating());
            if (how == 0) {
                f.chooseTopic(3);
            } else if (how == 1) {
                f.button("MenuBtn")->click();
            } else {
                w.close();
            }
        });
        go->click();
        QVERIFY(!w.session().isAnimating());
        QVERIFY(go->isEnabled());
        auto *shm = static_cast<SHMPage *>(w.page(9));
        QVERIFY(shm->chart()->point(shm->stateSeries(), 0).x() < 10.0);
        QCOMPARE(w.session().currentTopic, how == 0 ? 3 : 9);
    }

    void xAxisRangeMenu()
    {
        Fixture f;
        f.chooseTopic(8);
        auto *menu = f.window->findChild<QMenu *>(QStringLiteral("Xaxis1"));
        const auto ticked = [menu] {
            Q_EMIT menu->aboutToShow();
            QList<int> tags;
            for (QAction *a : menu->actions()) {
                if (a->isChecked()) {
                    tags << a->data().toInt();
                }
            }
            return tags;
        };
        QCOMPARE(ticked(), QList<int>{1});
        f.window->findChild<QAction *>(QStringLiteral("N1440degrees1"))->trigger();
        QCOMPARE(ticked(), QList<int>{3});
        auto *page = f.window->page(8);
        QCOMPARE(page->chart()->count(0), 721);
        f.window->findChild<QAction *>(QStringLiteral("N720degrees1"))->trigger();
        QCOMPARE(ticked(), QList<int>{2});
        QCOMPARE(page->chart()->count(0), 361);
    }

    // Every animated topic starts from its button, stops, and ends cleanly when
    // the topic changes under it.
    void animationsStopAndSurviveTopicChanges_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("position");
        QTest::newRow("waves") << 4 << "T16StartBtn"
                               << "PhaseHsb";
        QTest::newRow("standing waves") << 6 << "StartBtn"
                                        << "StatWaveHsb";
        QTest::newRow("wave mathematics") << 11 << "AuxStartBtn"
                                          << "AuxCircleHsb";
        QTest::newRow("ripple tank") << 12 << "rpStartBtn"
                                     << "RippleHsb";
    }
    void animationsStopAndSurviveTopicChanges()
    {
        QFETCH(int, topic);
        QFETCH(QString, start);
        QFETCH(QString, position);
        Fixture f;
        TMainFrm &w = *f.window;
        f.chooseTopic(topic);
        auto *bar = w.findChild<QAbstractSlider *>(position);
        // The run loop lives inside click(); a poll changes the topic once the
        // run has visibly advanced (or gives up, so a fault cannot hang here).
        bool advanced = false;
        bool wasAnimating = false;
        QElapsedTimer waited;
        waited.start();
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, &w, [&] {
            if (bar->value() == 0 && waited.elapsed() < 10000) {
                return;
            }
            poll.stop();
            advanced = bar->value() > 0;
            wasAnimating = w.session().isAnimating();
            f.chooseTopic(topic == 4 ? 5 : 4);
        });
        poll.start();
        w.findChild<QAbstractButton *>(start)->click();
        QVERIFY(wasAnimating);
        QVERIFY(advanced);
        QVERIFY(!w.session().isAnimating());
        const int stoppedAt = bar->value();
        QTest::qWait(30);
        QCOMPARE(bar->value(), stoppedAt); // nothing runs on
    }
};

QTEST_MAIN(TestMainFrm)
#include "tst_mainfrm.moc"
