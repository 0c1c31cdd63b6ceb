// A class of students at the keyboard: thousands of random actions across all
// topics (menu commands, topic changes, slider moves, clicks and drags on the
// pictures and charts, keys, buttons, dialogs, links), taken while animations
// run as well as between them. The program must not crash and must keep its
// own rules: the caption names the topic shown, at most one animation runs,
// and the stop flag is -1 whenever nothing runs.
//
// CORVANE_SEED replays a run (the seed is printed at the start);
// CORVANE_ACTIONS sets its length.
#include "MainFrmFixture.h"

#include "app/TopicRegistry.h"
#include "chart/Chart.h"
#include "gdi/PaintBox.h"
#include "shell/HtmlViewer.h"
#include "shell/Session.h"
#include "shell/TopicPage.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTimer>

#include <random>

namespace {

template<typename T>
QList<T *> usable(const QWidget *root)
{
    QList<T *> result;
    for (T *w : root->findChildren<T *>()) {
        if (w->isVisible() && w->isEnabled()) {
            result << w;
        }
    }
    return result;
}

// A page shows an animation or count running when its start button is
// greyed and its stop button live. (Some pages keep both live throughout.)
bool showsRunning(const QWidget *page)
{
    bool startGreyed = false;
    bool stopLive = false;
    for (const QAbstractButton *b : page->findChildren<QAbstractButton *>()) {
        const QString name = b->objectName();
        if (name.contains(QLatin1String("StartBtn"))) {
            startGreyed |= !b->isEnabled();
        } else if (name.endsWith(QLatin1String("StopBtn")) || name.contains(QLatin1String("Abort"))) {
            stopLive |= b->isEnabled();
        }
    }
    return startGreyed && stopLive;
}

class RandomUser
{
public:
    RandomUser(Fixture &f, std::uint32_t seed, int actions)
        : m_f(f)
        , m_random(seed)
        , m_actionsLeft(actions)
    {
        for (QAction *a : f.window->findChildren<QAction *>()) {
            if (!a->isSeparator() && !a->menu()) {
                m_actions << a;
            }
        }
    }

    // Runs every action, then stops whatever still runs; returns the first
    // broken rule, empty when none was.
    QString run()
    {
        QEventLoop loop;
        m_done = [&loop] { loop.quit(); };
        schedule();
        loop.exec();
        return m_failure;
    }

    int actionsDone() const { return m_actionsDone; }
    QString statistics() const
    {
        return QStringLiteral("%1 actions while an animation ran, %2 in a dialog, nested %3 deep")
            .arg(m_whileRunning)
            .arg(m_inDialogs)
            .arg(m_maxDepth);
    }

private:
    int pick(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int percent) { return pick(100) < percent; }

    // Each step is its own single-shot timer, armed before the action runs, so
    // the next step fires even inside an animation's loop.
    void schedule()
    {
        QTimer::singleShot(0, m_f.window.get(), [this] { step(); });
    }

    void step()
    {
        if (!m_failure.isEmpty() || m_actionsLeft <= 0) {
            finish();
            return;
        }
        --m_actionsLeft;
        schedule();
        ++m_depth;
        m_maxDepth = std::max(m_maxDepth, m_depth);
        if (m_f.window->session().isAnimating()) {
            ++m_whileRunning;
        }
        if (QApplication::activeModalWidget()) {
            ++m_inDialogs;
        }
        act();
        ++m_actionsDone;
        --m_depth;
        check();
    }

    // Ends every loop and dialog still open, then leaves once the stack has
    // unwound to the top.
    void finish()
    {
        if (m_depth > 0 || QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
            m_f.window->session().stopAnimations();
            closeDialogs();
            QTimer::singleShot(1, m_f.window.get(), [this] { finish(); });
            return;
        }
        if (m_done) {
            auto done = std::exchange(m_done, {});
            done();
        }
    }

    void check()
    {
        if (!m_failure.isEmpty()) {
            return;
        }
        const Session &s = m_f.window->session();
        if (m_f.window->windowTitle() != Topics::caption(s.currentTopic)) {
            m_failure = QStringLiteral("caption \"%1\" shown for topic %2")
                            .arg(m_f.window->windowTitle())
                            .arg(s.currentTopic);
        }
        QStringList running;
        for (int topic = 1; topic <= Topics::Count; ++topic) {
            if (showsRunning(m_f.window->page(topic))) {
                running << Topics::caption(topic);
            }
        }
        if (running.size() > 1) {
            m_failure = QStringLiteral("several animations show running: %1").arg(running.join(u','));
        }
        // A gamma count that ran its full minute leaves the flag as its loop
        // set it; the next start or topic change resets it.
        const bool countRanOut
            = s.currentTopic == 10 && s.isAnimating()
              && m_f.window->findChild<QAbstractButton *>(QStringLiteral("CountStartBtn"))->isEnabled();
        if (m_depth == 0 && !QApplication::activeModalWidget()) {
            if (s.isAnimating() && !countRanOut) {
                m_failure = QStringLiteral("run flag set with nothing running");
            } else if (!running.isEmpty()) {
                m_failure = QStringLiteral("%1 shows running with nothing running").arg(running.join(u','));
            }
        }
        if (!m_failure.isEmpty()) {
            m_failure += QStringLiteral(" (after action %1: %2)").arg(m_actionsDone).arg(m_lastAction);
        }
    }

    QWidget *currentPage() const
    {
        const int topic = m_f.window->session().currentTopic;
        return topic > 0 ? static_cast<QWidget *>(m_f.window->page(topic)) : m_f.window.get();
    }

    void act()
    {
        // While a dialog or menu is open it takes the input; mostly close it.
        if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
            if (chance(70)) {
                m_lastAction = QStringLiteral("close dialog");
                closeDialogs();
                return;
            }
        }
        switch (pick(20)) {
        case 0:
        case 1:
            return chooseTopic();
        case 2:
        case 3:
            return triggerAction();
        case 4:
        case 5:
        case 6:
            return moveSlider();
        case 7:
        case 8:
        case 9:
        case 10:
            return clickOrDrag();
        case 11:
        case 12:
            return pressKey();
        case 13:
        case 14:
        case 15:
        case 16:
            return clickButton();
        case 17:
        case 18:
            return followLink();
        default:
            m_lastAction = QStringLiteral("close dialog");
            return closeDialogs();
        }
    }

    void chooseTopic()
    {
        const int topic = 1 + pick(Topics::Count);
        m_lastAction = QStringLiteral("topic %1").arg(topic);
        m_f.chooseTopic(topic);
    }

    void triggerAction()
    {
        QAction *a = m_actions.at(pick(int(m_actions.size())));
        m_lastAction = QStringLiteral("menu %1").arg(a->objectName().isEmpty() ? a->text() : a->objectName());
        if (a->isEnabled()) {
            a->trigger();
        }
    }

    void moveSlider()
    {
        const auto sliders = usable<QAbstractSlider>(currentPage());
        if (sliders.isEmpty()) {
            return;
        }
        QAbstractSlider *s = sliders.at(pick(int(sliders.size())));
        const int value = s->minimum() + pick(s->maximum() - s->minimum() + 1);
        m_lastAction = QStringLiteral("slider %1 to %2").arg(s->objectName()).arg(value);
        s->setValue(value);
    }

    void clickOrDrag()
    {
        QList<QWidget *> targets;
        for (QWidget *w : usable<PaintBox>(currentPage())) {
            targets << w;
        }
        for (QWidget *w : usable<Chart>(currentPage())) {
            targets << w;
        }
        if (targets.isEmpty()) {
            return;
        }
        QWidget *w = targets.at(pick(int(targets.size())));
        // Charts take the mouse on an inner plotting widget.
        const auto inner = w->findChildren<QWidget *>();
        QWidget *target = inner.isEmpty() ? w : inner.first();
        const auto point = [&] { return QPoint(pick(target->width() + 20) - 10, pick(target->height() + 20) - 10); };
        const Qt::MouseButton button = chance(80) ? Qt::LeftButton : Qt::RightButton;
        const QPoint from = point();
        m_lastAction = QStringLiteral("mouse on %1 at %2,%3").arg(w->objectName()).arg(from.x()).arg(from.y());
        QPointer<QWidget> alive(target);
        QTest::mousePress(target, button, {}, from);
        for (int i = pick(4); i > 0 && alive; --i) {
            QTest::mouseMove(target, point());
        }
        if (alive) {
            QTest::mouseRelease(target, button, {}, point());
        }
    }

    void pressKey()
    {
        static constexpr std::array keys{Qt::Key_A,      Qt::Key_S,        Qt::Key_D,     Qt::Key_F,    Qt::Key_G,
                                         Qt::Key_H,      Qt::Key_J,        Qt::Key_K,     Qt::Key_W,    Qt::Key_E,
                                         Qt::Key_Space,  Qt::Key_Left,     Qt::Key_Right, Qt::Key_Up,   Qt::Key_Down,
                                         Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End,  Qt::Key_Escape,
                                         Qt::Key_Return, Qt::Key_Tab,      Qt::Key_F1,    Qt::Key_Plus, Qt::Key_Minus};
        const Qt::Key key = keys[std::size_t(pick(int(keys.size())))];
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : m_f.window.get();
        m_lastAction = QStringLiteral("key %1 on %2").arg(int(key)).arg(target->objectName());
        QTest::keyClick(target, key, chance(10) ? Qt::ShiftModifier : Qt::NoModifier);
    }

    void clickButton()
    {
        QList<QAbstractButton *> buttons = usable<QAbstractButton>(currentPage());
        // The text pane's own buttons (menu, back, forward) as well.
        if (chance(20)) {
            buttons = usable<QAbstractButton>(m_f.window.get());
        }
        if (buttons.isEmpty()) {
            return;
        }
        QAbstractButton *b = buttons.at(pick(int(buttons.size())));
        m_lastAction = QStringLiteral("button %1").arg(b->objectName());
        b->click();
    }

    // Clicks a link of the page shown in the text pane, or hands the pane a
    // made-up one.
    void followLink()
    {
        HtmlViewer *viewer = m_f.window->viewer();
        QList<int> positions;
        QStringList hrefs;
        for (QTextBlock block = viewer->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.charFormat().isAnchor()) {
                    positions << fragment.position();
                    hrefs << fragment.charFormat().anchorHref();
                }
            }
        }
        if (positions.isEmpty() || chance(15)) {
            static const QStringList madeUp{QStringLiteral("NOSUCH.HTM"),        QStringLiteral("$images/none.gif"),
                                            QStringLiteral("$../../etc/passwd"), QStringLiteral("#nowhere"),
                                            QStringLiteral("index.htm#top"),     QStringLiteral("")};
            const QString &url = madeUp.at(pick(int(madeUp.size())));
            m_lastAction = QStringLiteral("link \"%1\"").arg(url);
            m_f.window->textPane()->viewerHotSpotClick(url);
            return;
        }
        const int i = pick(int(positions.size()));
        QTextCursor cursor(viewer->document());
        cursor.setPosition(positions.at(i) + 1);
        viewer->setTextCursor(cursor);
        viewer->ensureCursorVisible();
        const QPoint at = viewer->cursorRect(cursor).center() - QPoint(4, 0);
        m_lastAction = QStringLiteral("link %1").arg(hrefs.at(i));
        QTest::mouseClick(viewer->viewport(), Qt::LeftButton, {}, at);
    }

    void closeDialogs()
    {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            dialog->reject();
        } else if (QWidget *modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    }

    Fixture &m_f;
    std::mt19937 m_random;
    QList<QAction *> m_actions;
    int m_actionsLeft;
    int m_actionsDone = 0;
    int m_depth = 0;
    int m_maxDepth = 0;
    int m_whileRunning = 0;
    int m_inDialogs = 0;
    QString m_lastAction;
    QString m_failure;
    std::function<void()> m_done;
};

int environmentNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

class TestRandomUse : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // The headless platform complains of every window raise and keyboard
        // grab the dialogs and menus ask for; thousands of lines of noise.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.startsWith(QLatin1String("This plugin does not support"))) {
                    previous(type, context, message);
                }
            });
    }

    void randomActions()
    {
        const auto seed = std::uint32_t(
            environmentNumber("CORVANE_SEED", int(QRandomGenerator::global()->bounded(1 << 30))));
        const int actions = environmentNumber("CORVANE_ACTIONS", 10000);
        qInfo("seed %u, %d actions (CORVANE_SEED=%u replays this run)", seed, actions, seed);

        Fixture f;
        RandomUser user(f, seed, actions);
        const QString failure = user.run();
        qInfo("%s", qPrintable(user.statistics()));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(user.actionsDone(), actions);
        // Still in working order: every topic can be shown.
        for (int topic = 1; topic <= Topics::Count; ++topic) {
            f.chooseTopic(topic);
            QCOMPARE(f.window->windowTitle(), Topics::caption(topic));
        }
    }
};

QTEST_MAIN(TestRandomUse)
#include "tst_randomuse.moc"
