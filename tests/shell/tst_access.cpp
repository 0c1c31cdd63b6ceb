// Keyboard and screen-reader access: every control of every topic is reached
// with Tab and has an accessible name and description; pictures describe their
// current state; menus have accelerators; Escape closes the dialogs.
#include "MainFrmFixture.h"
#include "app/Application.h"
#include "app/TopicRegistry.h"
#include "chart/Chart.h"
#include "gdi/PaintBox.h"
#include "shell/Accelerators.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSet>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace {

bool isControl(const QWidget *w)
{
    return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QAbstractSlider *>(w)
           || qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractItemView *>(w);
}

bool isPicture(const QWidget *w)
{
    return qobject_cast<const PaintBox *>(w) || qobject_cast<const Chart *>(w);
}

QString accessibleText(QWidget *w, QAccessible::Text which)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(which).trimmed() : QString();
}

// Scroll bars of a text pane or list belong to it, not to the window. The
// page area scrolls the whole page and is not such a part.
bool insideScrollArea(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea *>(p) && p->objectName() != QLatin1String("PageArea")) {
            return true;
        }
    }
    return false;
}

// The controls and pictures a user sees in the window.
QList<QWidget *> visibleItems(QWidget *window, bool (*kind)(const QWidget *))
{
    QList<QWidget *> items;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (kind(w) && w->isVisibleTo(window) && !insideScrollArea(w)) {
            items << w;
        }
    }
    return items;
}

QString describe(const QWidget *w)
{
    return QStringLiteral("%1 (%2)").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()));
}

} // namespace

class TestAccess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { configureApplication(*qApp); }

    void topics_data()
    {
        QTest::addColumn<int>("topic");
        for (int topic = 1; topic <= Topics::Count; ++topic) {
            QTest::newRow(qPrintable(Topics::menuCaption(topic))) << topic;
        }
    }

    // Every enabled control on the page is in the Tab chain of the window.
    void topics()
    {
        QFETCH(int, topic);
        Fixture f;
        f.chooseTopic(topic);
        QSet<QWidget *> chain;
        QWidget *w = f.window.get();
        do {
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
                chain << w;
            }
            w = w->nextInFocusChain();
        } while (w != f.window.get());

        QStringList unreachable;
        QStringList unnamed;
        QStringList undescribed;
        QWidget *window = f.window.get();
        // The page's own controls and pictures are among those checked.
        QWidget *page = f.window->findChild<QStackedWidget *>(QStringLiteral("MainPC"))->currentWidget();
        QVERIFY(!visibleItems(page, isPicture).isEmpty());
        QVERIFY(visibleItems(window, isControl).size() > 6); // the text pane has six buttons
        for (QWidget *item : visibleItems(window, isControl)) {
            if (item->isEnabled() && !chain.contains(item)) {
                unreachable << describe(item);
            }
        }
        for (QWidget *item : visibleItems(window, isControl) + visibleItems(window, isPicture)) {
            if (accessibleText(item, QAccessible::Name).isEmpty()) {
                unnamed << describe(item);
            }
            if (accessibleText(item, QAccessible::Description).isEmpty()) {
                undescribed << describe(item);
            }
        }
        QCOMPARE(unreachable, QStringList());
        QCOMPARE(unnamed, QStringList());
        QCOMPARE(undescribed, QStringList());
    }

    // What a screen reader hears of a picture follows the page's settings.
    void descriptionsFollowState_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QStringList>("settings"); // slider=value
        QTest::addColumn<QString>("expected");
        // w = lambda D / d = 700 nm x 3 m / 1 mm
        QTest::newRow("fringe spacing") << 1 << "FringePic" << QStringList{"YSlitSepHsb=100"}
                                        << "Fringe spacing 2.1 mm: 700 nm light, slits 1.00 mm apart";
        // sin(theta) = 400 nm x 600 per mm = 0.24
        QTest::newRow("grating orders") << 3 << "GratingPic" << QStringList{"LinesHsb=600"}
                                        << "Orders up to 4 are seen; the first order is at 13.9 degrees";
        // 330 Hz: a wavelength of 1 m, and the microphone half a metre away
        QTest::newRow("phase lag") << 7 << "SndSpdPic" << QStringList{"SndFreqHsb=33"}
                                   << "lags the generator's by 0.50 wavelengths (180 degrees";
        QTest::newRow("no damping") << 9 << "SHMpic" << QStringList{"shmDampHsb=0"} << "the motion is without damping";
        // gamma = b / m = 2 per second = w0 = sqrt(k / m)
        QTest::newRow("critical damping")
            << 9 << "SHMpic" << QStringList{"shmMassHsb=25", "shmStiffHsb=1", "shmDampHsb=50"}
            << "the motion is critically damped; the undamped period is 3.14 s";
        QTest::newRow("over-damped") << 9 << "SHMpic" << QStringList{"shmDampHsb=500"} << "over-damped";
        // 10 000 000 / 1000^2 per second with no absorber
        QTest::newRow("count rate") << 10 << "GammaPic" << QStringList{"GmtHsb=1000", "ThickHsb=0"}
                                    << "should count about 10 per second";
        // Malus: cos 60 = 0.5, cos^2 60 = 0.25
        QTest::newRow("Malus's law") << 16 << "PolarPic" << QStringList{"PolarHsb=60"}
                                     << "50% of the field amplitude and 25% of the intensity";
        QTest::newRow("at resonance") << 14 << "ResPic" << QStringList{"DriverHsb=50"}
                                      << "Driven at 5.0 Hz with damping 1.00; the natural frequency is 5.0 Hz";
        // N slits: the central maximum is N^2 times one slit's
        QTest::newRow("chart") << 2 << "DifChart" << QStringList{"DifNslitsHsb=5"}
                               << "interference pattern: 1801 points, largest value 25";
        QTest::newRow("double gap") << 12 << "Rippic" << QStringList{} << "single gap 1.0 wavelengths wide";
    }

    void descriptionsFollowState()
    {
        QFETCH(int, topic);
        QFETCH(QString, picture);
        QFETCH(QStringList, settings);
        QFETCH(QString, expected);
        Fixture f;
        f.chooseTopic(topic);
        auto *target = f.window->findChild<QWidget *>(picture);
        QVERIFY(target);
        const QString before = accessibleText(target, QAccessible::Description);
        for (const QString &setting : settings) {
            const QStringList parts = setting.split(u'=');
            auto *slider = f.window->findChild<QAbstractSlider *>(parts[0]);
            QVERIFY2(slider, qPrintable(parts[0]));
            slider->setValue(parts[1].toInt());
        }
        QApplication::processEvents();
        const QString after = accessibleText(target, QAccessible::Description);
        QVERIFY2(after.contains(expected), qPrintable(after));
        if (!settings.isEmpty()) {
            QVERIFY(after != before);
        }
    }

    void accelerators_data()
    {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("word starts first") << QStringList{"Print", "Copy", "Show crosshair", "Time scale"}
                                           << QStringList{"&Print", "&Copy", "&Show crosshair", "&Time scale"};
        QTest::newRow("clash takes the next word")
            << QStringList{"Damped SHM", "Diffraction grating"} << QStringList{"&Damped SHM", "Diffraction &grating"};
        QTest::newRow("then any letter") << QStringList{"white", "blue/gray", "sand", "pale yellow", "sea"}
                                         << QStringList{"&white", "&blue/gray", "&sand", "&pale yellow", "s&ea"};
        QTest::newRow("kept and respected") << QStringList{"E&xit", "Exit now"} << QStringList{"E&xit", "&Exit now"};
        QTest::newRow("digits") << QStringList{"5", "10", "15", "20"} << QStringList{"&5", "&10", "15", "&20"};
        QTest::newRow("literal ampersand") << QStringList{"Salt && pepper"} << QStringList{"Salt && pepper"};
    }

    void accelerators()
    {
        QFETCH(QStringList, captions);
        QFETCH(QStringList, expected);
        QCOMPARE(Accelerators::assign(captions), expected);
    }

    // Every item of every menu has its own accelerator within its menu.
    void menusHaveAccelerators()
    {
        Fixture f;
        for (QMenu *menu : f.window->findChildren<QMenu *>()) {
            QSet<QChar> seen;
            for (QAction *action : menu->actions()) {
                if (action->isSeparator() || action->text() == QLatin1String("15")) {
                    continue;
                }
                const qsizetype amp = action->text().indexOf(u'&');
                QVERIFY2(amp >= 0, qPrintable(QString(menu->objectName() + QStringLiteral(": ") + action->text())));
                const QChar key = action->text().at(amp + 1).toLower();
                QVERIFY2(!seen.contains(key),
                         qPrintable(QString(menu->objectName() + QStringLiteral(": ") + action->text())));
                seen << key;
            }
        }
        for (QAction *action : f.window->menuBar()->actions()) {
            QVERIFY(action->text().contains(u'&'));
        }
    }

    void escapeClosesDialogs_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("animation speed") << "setspeed1"
                                         << "AnimSpdFrm";
        QTest::newRow("about") << "About1"
                               << "AboutFrm";
        QTest::newRow("print preview") << "Printtopic1"
                                       << "PrntPrevFrm";
        QTest::newRow("magnified picture") << "$WaveSplash.jpg"
                                           << "BigPicFrm";
    }

    void escapeClosesDialogs()
    {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        Fixture f;
        f.chooseTopic(9);
        QString seen;
        QTimer poll;
        poll.setInterval(20);
        QStringList unnamed;
        connect(&poll, &QTimer::timeout, this, [&seen, &unnamed] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                seen = modal->objectName();
                // The dialog's own controls are named for a screen reader too.
                for (QWidget *item : visibleItems(modal, isControl)) {
                    if (accessibleText(item, QAccessible::Name).isEmpty()) {
                        unnamed << describe(item);
                    }
                }
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        poll.start();
        if (command.startsWith(u'$')) {
            QVERIFY(f.window->textPane()->viewerHotSpotClick(command));
        } else {
            f.window->findChild<QAction *>(command)->trigger();
        }
        QCOMPARE(seen, dialog);
        QCOMPARE(unnamed, QStringList());
        QVERIFY(!QApplication::activeModalWidget());
    }

    // Pictures that answer the mouse answer keys too, once Tab has reached them.
    void picturesAnswerKeys_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("expected"); // in the picture's description
        using K = QList<int>;
        QTest::newRow("sound keyboard") << 5 << "KeyPic" << K{Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Space}
                                        << "the chosen note is 278 Hz";
        QTest::newRow("mass on a spring")
            << 9 << "SHMpic" << K{Qt::Key_Up, Qt::Key_Down, Qt::Key_Down} << "released from displacement 8.0";
        QTest::newRow("energy levels") << 13 << "HSpecPic" << K{Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}
                                       << "Pointed at: n = 2 to n = 1, 122 nm";
        QTest::newRow("energy levels backwards") << 13 << "HSpecPic" << K{Qt::Key_Left} << "Pointed at: n = 7 to n = 3";
        QTest::newRow("3-D wave") << 15 << "EMWavePic" << K{Qt::Key_Right, Qt::Key_Down}
                                  << "tilted -17 degrees and turned 36 degrees";
    }

    void picturesAnswerKeys()
    {
        QFETCH(int, topic);
        QFETCH(QString, picture);
        QFETCH(QList<int>, keys);
        QFETCH(QString, expected);
        Fixture f;
        f.chooseTopic(topic);
        auto *target = f.window->findChild<PaintBox *>(picture);
        QVERIFY(target->focusPolicy() & Qt::TabFocus);
        // With the focus, a dotted frame shows on the screen but never on the
        // picture itself, which is what gets printed and copied.
        QApplication::setActiveWindow(f.window.get());
        f.window->setAttribute(Qt::WA_KeyboardFocusChange); // as a Tab press sets it
        target->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(target->hasFocus());
        target->ensurePainted();
        const QImage surface = target->surface().convertToFormat(QImage::Format_RGB32);
        QVERIFY(target->grab().toImage().convertToFormat(QImage::Format_RGB32) != surface);
        target->clearFocus();
        QCOMPARE(target->grab().toImage().convertToFormat(QImage::Format_RGB32), surface);
        for (int key : keys) {
            QTest::keyClick(target, Qt::Key(key));
        }
        const QString description = accessibleText(target, QAccessible::Description);
        QVERIFY2(description.contains(expected), qPrintable(description));
    }

    // Every slider and scroll bar a user sees has a caption that names it (a
    // visible label whose buddy it is), every flat button a picture, and no
    // label hides under a picture or hangs off the page.
    void everyBarHasACaption()
    {
        Fixture f;
        QStringList faults;
        for (int topic = 1; topic <= Topics::Count; ++topic) {
            f.chooseTopic(topic);
            QApplication::processEvents(); // the page as first shown
            QWidget *page = f.window->findChild<QStackedWidget *>(QStringLiteral("MainPC"))->currentWidget();
            const QList<QLabel *> labels = page->findChildren<QLabel *>();
            const auto onPage = [page](const QWidget *w) { return QRect(w->mapTo(page, QPoint(0, 0)), w->size()); };
            for (QAbstractSlider *bar : page->findChildren<QAbstractSlider *>()) {
                if (!bar->isVisibleTo(page) || insideScrollArea(bar)) {
                    continue;
                }
                const bool named = std::any_of(labels.cbegin(), labels.cend(), [&](const QLabel *l) {
                    return l->buddy() == bar && l->isVisibleTo(page) && !l->text().trimmed().isEmpty();
                });
                if (!named) {
                    faults << QStringLiteral("topic %1: %2 has no caption").arg(topic).arg(bar->objectName());
                }
            }
            // A flat button shows no frame at rest: its picture says it is a button.
            for (const QToolButton *button : page->findChildren<QToolButton *>()) {
                if (button->isVisibleTo(page) && button->autoRaise() && button->icon().isNull()) {
                    faults << QStringLiteral("topic %1: flat button %2 has no picture")
                                  .arg(topic)
                                  .arg(button->objectName());
                }
            }
            for (const QLabel *label : labels) {
                if (!label->isVisibleTo(page) || label->text().isEmpty()) {
                    continue;
                }
                const QRect r = onPage(label);
                if (r.left() < 0 || r.top() < 0) {
                    faults << QStringLiteral("topic %1: \"%2\" hangs off the page").arg(topic).arg(label->text());
                }
                // A label may name a part of a picture it stands on (the CRO on
                // the speed-of-sound apparatus), but nothing may cover its text
                // (tested three quarters down its first line, where descenders
                // and a bar below would cut it).
                const QFontMetrics metrics(label->font());
                const int advance = std::min(label->width(),
                                             metrics.horizontalAdvance(label->text().section(QLatin1Char('\n'), 0, 0)));
                const Qt::Alignment align = label->alignment();
                const int x = align & Qt::AlignHCenter ? r.width() / 2
                              : align & Qt::AlignRight ? r.width() - advance / 2
                                                       : advance / 2;
                const int lines = int(label->text().count(QLatin1Char('\n'))) + 1;
                const int y = (align & Qt::AlignTop      ? 0
                               : align & Qt::AlignBottom ? r.height() - lines * metrics.height()
                                                         : (r.height() - lines * metrics.height()) / 2)
                              + metrics.height() * 3 / 4;
                QWidget *top = page->childAt(r.topLeft() + QPoint(x, y));
                if (top && top != label && !label->isAncestorOf(top) && !top->isAncestorOf(label)) {
                    faults << QStringLiteral("topic %1: \"%2\" lies under %3")
                                  .arg(topic)
                                  .arg(label->text(), top->objectName().isEmpty()
                                                          ? QString::fromLatin1(top->metaObject()->className())
                                                          : top->objectName());
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
