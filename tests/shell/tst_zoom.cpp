// The page's zoom as a teacher uses it on a projector: menu steps and keys,
// pictures shown as exact blocks and answering the mouse at any zoom, controls
// kept apart, fit to window following the window, full screen, the
// splitter's widths kept in unzoomed pixels, and animations that show no more
// pictures than the screen can.
#include "MainFrmFixture.h"
#include "app/MainFrm.h"
#include "app/TopicRegistry.h"
#include "chart/Chart.h"
#include "gdi/PaintBox.h"
#include "gdi/Palette.h"
#include "shell/TopicPage.h"
#include "shell/Zoom.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QElapsedTimer>
#include <QHash>
#include <QLabel>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QSplitter>
#include <QStyle>
#include <QTest>
#include <QTimer>

namespace {

void trigger(const Fixture &f, const char *name)
{
    f.window->findChild<QAction *>(QString::fromLatin1(name))->trigger();
}

// The controls a user sees on the page: its own widgets and those of its
// panels and groups, not the inner parts of sliders, lists or charts.
QList<QWidget *> pageControls(QWidget *page)
{
    QList<QWidget *> controls;
    for (QWidget *w : page->findChildren<QWidget *>()) {
        const QWidget *parent = w->parentWidget();
        const bool inner = parent != page && !parent->inherits("QFrame") && !parent->inherits("QGroupBox")
                           && QByteArray(parent->metaObject()->className()) != "QWidget";
        if (!inner && w->isVisibleTo(page) && !w->isWindow()) {
            controls << w;
        }
    }
    return controls;
}

} // namespace

class TestZoom : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stepsAndKeys()
    {
        Fixture f;
        f.chooseTopic(1);
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        const auto key = [&](Qt::Key k) { QTest::keyClick(f.window.get(), k, Qt::ControlModifier); };
        key(Qt::Key_Plus);
        QCOMPARE(f.window->zoomPercent(), 125);
        key(Qt::Key_Equal);
        QCOMPARE(f.window->zoomPercent(), 150);
        key(Qt::Key_Minus);
        QCOMPARE(f.window->zoomPercent(), 125);
        key(Qt::Key_0);
        QCOMPARE(f.window->zoomPercent(), 100);
        key(Qt::Key_Minus);
        QCOMPARE(f.window->zoomPercent(), 100);
        for (int i = 0; i < 10; ++i) {
            trigger(f, "ZoomIn1");
        }
        QCOMPARE(f.window->zoomPercent(), 400);
        QCOMPARE(f.window->page(1)->zoom(), 4.0);
    }

    // At 200% and 400% every surface pixel of a picture is an exact block on
    // the screen, also where the page area shows only part of the picture (the
    // scroll bars beside it keep their own pixels); at 150% the control is 1.5
    // times the size, scaled smoothly.
    void picturesShowTheirSurface_data()
    {
        QTest::addColumn<int>("percent");
        QTest::newRow("200%") << 200;
        QTest::newRow("400%, part of the picture in view") << 400;
    }
    void picturesShowTheirSurface()
    {
        QFETCH(int, percent);
        const int n = percent / 100;
        Fixture f;
        f.chooseTopic(1);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        auto *apparatus = f.window->findChild<PaintBox *>(QStringLiteral("YDSpic"));
        const QSize at100 = apparatus->size();
        f.window->setPageZoom(percent);
        QCOMPARE(apparatus->size(), at100 * n);
        QCOMPARE(apparatus->pictureSize(), at100);
        apparatus->ensurePainted();
        const QImage surface = apparatus->surface().convertToFormat(QImage::Format_RGB32);
        const QImage blocks = surface.scaled(surface.size() * n);
        QCOMPARE(apparatus->grab().toImage().convertToFormat(QImage::Format_RGB32), blocks);

        // What the window's own painting left on the screen.
        auto *area = f.window->findChild<QScrollArea *>(QStringLiteral("PageArea"));
        area->ensureWidgetVisible(apparatus, 0, 0);
        QTest::qWait(50);
        apparatus->repaint(); // alone, as in an animation's frame
        const QImage screen
            = f.window->screen()->grabWindow(f.window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
        QWidget *viewport = area->viewport();
        const QRect inView = QRect(apparatus->mapTo(viewport, QPoint(0, 0)), apparatus->size()) & viewport->rect();
        const QRect onScreen(viewport->mapTo(f.window.get(), inView.topLeft()), inView.size());
        const QRect inPicture(apparatus->mapFrom(viewport, inView.topLeft()), inView.size());
        QVERIFY(!inView.isEmpty());
        QVERIFY(n < 4 || inView.size() != apparatus->size());
        QCOMPARE(screen.copy(onScreen), blocks.copy(inPicture));
        for (QScrollBar *bar : {area->verticalScrollBar(), area->horizontalScrollBar()}) {
            if (bar->isVisible()) {
                const QRect barOnScreen(bar->mapTo(f.window.get(), QPoint(0, 0)), bar->size());
                QCOMPARE(screen.copy(barOnScreen), bar->grab().toImage().convertToFormat(QImage::Format_RGB32));
            }
        }
        f.window->setPageZoom(150);
        QVERIFY(qAbs(apparatus->width() - 1.5 * at100.width()) <= 1
                && qAbs(apparatus->height() - 1.5 * at100.height()) <= 1);
        QCOMPARE(apparatus->pictureSize(), at100);
    }

    // A press on the fringe picture shows the marker line where it was pressed:
    // the same surface at 150% and 200% as at 100% for the same picture pixel.
    void mouseFindsTheSamePixel_data()
    {
        QTest::addColumn<int>("percent");
        QTest::newRow("150%") << 150;
        QTest::newRow("200%") << 200;
    }
    void mouseFindsTheSamePixel()
    {
        QFETCH(int, percent);
        const QPoint pixel(123, 30);
        const auto pressed = [&](int zoom) {
            Fixture f;
            f.chooseTopic(1);
            f.window->setPageZoom(zoom);
            auto *fringes = f.window->findChild<PaintBox *>(QStringLiteral("FringePic"));
            const qreal z = zoom / 100.0;
            // The middle of the pixel's block on screen.
            const QPoint at((QPointF(pixel) * z + QPointF(z - 1, z - 1) / 2).toPoint());
            fringes->ensurePainted();
            QTest::mousePress(fringes, Qt::LeftButton, {}, at); // the marker shows while the button is down
            return fringes->surface().copy();
        };
        const QImage at100 = pressed(100);
        QVERIFY(at100 != [] {
            Fixture f;
            f.chooseTopic(1);
            auto *fringes = f.window->findChild<PaintBox *>(QStringLiteral("FringePic"));
            fringes->ensurePainted();
            return fringes->surface().copy();
        }()); // the press changed the picture
        QCOMPARE(pressed(percent), at100);
    }

    // Controls that keep apart at 100% keep apart at every step, a control
    // within its panel stays within it, and a text that fits its control at
    // 100% still fits.
    void controlsKeepApartAndFit()
    {
        Fixture f;
        QStringList faults;
        for (int topic = 1; topic <= Topics::Count; ++topic) {
            f.chooseTopic(topic);
            TopicPage *page = f.window->page(topic);
            QHash<QWidget *, QRect> at100;
            QSet<QWidget *> fitting;
            QSet<QWidget *> inside;
            f.window->setPageZoom(100);
            const QList<QWidget *> controls = pageControls(page);
            for (QWidget *w : controls) {
                at100[w] = w->geometry();
                if (w->parentWidget()->rect().contains(w->geometry())) {
                    inside << w;
                }
                if (auto *label = qobject_cast<QLabel *>(w);
                    label && !label->text().isEmpty() && label->sizeHint().width() <= label->width()) {
                    fitting << w;
                }
            }
            for (int step : Zoom::Steps) {
                f.window->setPageZoom(step);
                for (QWidget *a : controls) {
                    for (QWidget *b : controls) {
                        if (a < b && a->parentWidget() == b->parentWidget() && !at100[a].intersects(at100[b])
                            && a->geometry().intersects(b->geometry())) {
                            faults << QStringLiteral("topic %1 at %2%: %3 overlaps %4")
                                          .arg(topic)
                                          .arg(step)
                                          .arg(a->objectName(), b->objectName());
                        }
                    }
                    if (inside.contains(a) && !a->parentWidget()->rect().contains(a->geometry())) {
                        faults << QStringLiteral("topic %1 at %2%: %3 sticks out of %4")
                                      .arg(topic)
                                      .arg(step)
                                      .arg(a->objectName(), a->parentWidget()->objectName());
                    }
                    if (fitting.contains(a) && static_cast<QLabel *>(a)->sizeHint().width() > a->width()) {
                        faults << QStringLiteral("topic %1 at %2%: \"%3\" no longer fits")
                                      .arg(topic)
                                      .arg(step)
                                      .arg(static_cast<QLabel *>(a)->text());
                    }
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // A caption may stand over a picture's blank white, never over what the
    // picture draws.
    void labelsKeepOffDrawing()
    {
        Fixture f;
        QStringList faults;
        for (int topic = 1; topic <= Topics::Count; ++topic) {
            f.chooseTopic(topic);
            TopicPage *page = f.window->page(topic);
            const QList<QWidget *> controls = pageControls(page);
            for (QWidget *w : controls) {
                auto *label = qobject_cast<QLabel *>(w);
                if (!label || label->text().isEmpty()) {
                    continue;
                }
                const QRect box = label->contentsRect();
                const QRect text = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                                       label->sizeHint().boundedTo(box.size()), box)
                                       .translated(label->mapTo(page, QPoint(0, 0)));
                for (QWidget *other : controls) {
                    auto *picture = qobject_cast<PaintBox *>(other);
                    if (!picture) {
                        continue;
                    }
                    const QImage &surface = picture->surface();
                    const QRect under = text.translated(-picture->mapTo(page, QPoint(0, 0))) & surface.rect();
                    bool blank = true;
                    for (int y = under.top(); y <= under.bottom() && blank; ++y) {
                        for (int x = under.left(); x <= under.right() && blank; ++x) {
                            blank = surface.pixel(x, y) == qRgb(255, 255, 255);
                        }
                    }
                    if (!blank) {
                        faults << QStringLiteral("topic %1: \"%2\" (%3) over the drawing of %4")
                                      .arg(topic)
                                      .arg(label->text(), label->objectName(), picture->objectName());
                    }
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // On a maximised 1920 x 1080 screen "Fit to window" makes the pictures and
    // charts far larger, follows the window as it is resized, and ends when
    // the user picks a zoom.
    void fitToWindowFollowsTheWindow()
    {
        Fixture f(QSize(1920, 1080));
        f.window->setGeometry(0, 0, 1920, 1040);
        f.chooseTopic(1);
        auto *fringes = f.window->findChild<PaintBox *>(QStringLiteral("FringePic"));
        const int fringes100 = fringes->width();
        trigger(f, "ZoomFit1");
        QTRY_VERIFY(fringes->width() >= 1.6 * fringes100);
        const int fitted = f.window->zoomPercent();

        f.chooseTopic(2);
        const int chart100 = 460;
        QTRY_VERIFY(f.window->page(2)->chart()->width() >= 1.6 * chart100);

        f.chooseTopic(1);
        f.window->resize(1000, 700);
        QTRY_VERIFY(f.window->zoomPercent() < fitted);
        trigger(f, "ZoomIn1");
        QVERIFY(!f.window->findChild<QAction *>(QStringLiteral("ZoomFit1"))->isChecked());
        const int chosen = f.window->zoomPercent();
        f.window->resize(1900, 1000);
        QApplication::processEvents();
        QCOMPARE(f.window->zoomPercent(), chosen);
    }

    void fullScreenAndBack()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        auto *action = f.window->findChild<QAction *>(QStringLiteral("FullScreen1"));
        QCOMPARE(action->shortcut(), QKeySequence(Qt::Key_F11));
        action->trigger();
        QTRY_VERIFY(f.window->isFullScreen());
        QTest::keyClick(f.window.get(), Qt::Key_Escape);
        QTRY_VERIFY(!f.window->isFullScreen());
        QVERIFY(!action->isChecked());
    }

    // A width dragged at 150% is kept in unzoomed pixels and comes back at
    // whatever zoom the topic is shown.
    void splitterWidthsInUnzoomedPixels()
    {
        Fixture f;
        f.chooseTopic(5);
        f.window->setPageZoom(150);
        auto *splitter = f.window->findChild<QSplitter *>(QStringLiteral("Splitter1"));
        QTRY_VERIFY(f.window->mainPCWidth() > Topics::info(5).width); // the zoomed page takes more room
        splitter->setSizes({480, splitter->width() - 480 - splitter->handleWidth()});
        f.window->StoreTopicWidth();
        QCOMPARE(f.window->topicWidth(5), 320);
        f.chooseTopic(4);
        f.window->setPageZoom(100);
        f.chooseTopic(5);
        QTRY_COMPARE(f.window->mainPCWidth(), 320);
    }

    // With projector colours every colour of the three-dimensional pictures
    // stands at least 3:1 against their white ground (greys and the frame's
    // face colour are decoration); off, as by default, the pale sheets are there.
    void projectorColoursReachThreeToOne_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("picture");
        QTest::newRow("electromagnetic wave") << 15 << "EMWavePic";
        QTest::newRow("polarization") << 16 << "PolarPic";
    }
    void projectorColoursReachThreeToOne()
    {
        QFETCH(int, topic);
        QFETCH(QString, picture);
        Fixture f;
        f.chooseTopic(topic);
        auto *box = f.window->findChild<PaintBox *>(picture);
        const auto faint = [box] {
            box->ensurePainted();
            const QImage image = box->surface().convertToFormat(QImage::Format_RGB32);
            QSet<QRgb> colours;
            for (int y = 0; y < image.height(); ++y) {
                const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
                colours.unite(QSet<QRgb>(line, line + image.width()));
            }
            QStringList pale;
            for (QRgb c : std::as_const(colours)) {
                const QColor colour(c);
                // Neutral greys are the edges of black text and the frame's shading.
                const bool decoration = colour.hsvSaturation() == 0 || colour == Gdi::ButtonFace;
                if (!decoration && Palette::contrast(colour, Qt::white) < 3) {
                    pale << colour.name();
                }
            }
            return pale;
        };
        QVERIFY(!faint().isEmpty()); // the default colours, pale sheets included
        auto *projector = f.window->findChild<QAction *>(QStringLiteral("ProjectorColours1"));
        projector->trigger();
        const auto restore = qScopeGuard([projector] { projector->setChecked(false); });
        const QStringList left = faint();
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
    }

    // At the fastest speed the wave steps every 4 ms; every step reaches the
    // picture's surface, but the screen is repainted at most once a refresh:
    // the picture, and the scroll bar that moves with it.
    void animationShowsAtMostOnePicturePerRefresh()
    {
        Fixture f;
        f.chooseTopic(4);
        f.window->session().speeds.fill(0);
        auto *picture = f.window->findChild<PaintBox *>(QStringLiteral("T16Pic"));
        auto *phase = f.window->findChild<QAbstractSlider *>(QStringLiteral("PhaseHsb"));
        struct PaintCounter : QObject
        {
            QHash<QObject *, int> paints;
            bool eventFilter(QObject *watched, QEvent *event) override
            {
                paints[watched] += event->type() == QEvent::Paint;
                return false;
            }
        } counter;
        picture->installEventFilter(&counter);
        phase->installEventFilter(&counter);
        int steps = 0;
        connect(phase, &QAbstractSlider::valueChanged, &counter, [&steps] { ++steps; });
        QElapsedTimer clock;
        QTimer::singleShot(600, f.window.get(), [&] { f.window->session().stopAnimations(); });
        clock.start();
        f.window->findChild<QAbstractButton *>(QStringLiteral("T16StartBtn"))->click();
        const double refreshes = clock.elapsed() / (1000.0 / 60);
        QVERIFY2(steps > 1.5 * refreshes, qPrintable(QStringLiteral("%1 steps").arg(steps)));
        for (QObject *shown : {static_cast<QObject *>(picture), static_cast<QObject *>(phase)}) {
            QVERIFY2(counter.paints.value(shown) <= refreshes + 3,
                     qPrintable(QStringLiteral("%1: %2 paints in %3 refreshes")
                                    .arg(shown->objectName())
                                    .arg(counter.paints.value(shown))
                                    .arg(refreshes)));
        }
    }
};

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
