#include "chart/Chart.h"
#include "gdi/PaintBox.h"
#include "oscillations/SHM.h"
#include "oscillations/SHMPage.h"
#include "shell/Session.h"

#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "TestSupport.h"
#include <QTimer>

namespace {

struct Fixture
{
    Session session;
    SHMPage page{session};

    Fixture()
    {
        page.resize(450, 500);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.firstShow();
        QApplication::processEvents();
    }

    template<typename T>
    T *child(const char *name) const
    {
        return page.findChild<T *>(QString::fromLatin1(name));
    }
    PaintBox *pic() const { return child<PaintBox>("SHMpic"); }
    Chart *chart() const { return page.chart(); }
    QWidget *plot() const { return chart()->findChild<QWidget *>(); }
    QString text(const char *label) const { return child<QLabel>(label)->text(); }

    // Drags the mass from where it is to row y of the picture.
    void dragMassTo(int y) const
    {
        const Gdi::Rect m = page.massRect();
        const QPoint grip((m.left + m.right) / 2, (m.top + m.bottom) / 2);
        QTest::mousePress(pic(), Qt::LeftButton, {}, grip);
        QMouseEvent move(QEvent::MouseMove, QPointF(grip.x(), y), pic()->mapToGlobal(QPointF(grip.x(), y)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(pic(), &move);
        QTest::mouseRelease(pic(), Qt::LeftButton, {}, QPoint(grip.x(), y));
    }
};

} // namespace

class TestSHMPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startState()
    {
        Fixture f;
        QCOMPARE(f.text("shmMassLabel"), QStringLiteral("mass 0.50 kg"));
        QCOMPARE(f.text("shmStiffLabel"), QStringLiteral("k = 40.00 N/m"));
        QCOMPARE(f.text("shmDampLabel"), QStringLiteral("damping 0.20 kg/s"));
        QCOMPARE(f.chart()->count(f.page.curveSeries()), 501);
        QCOMPARE(f.chart()->count(f.page.stateSeries()), 1);
        QCOMPARE(f.chart()->point(f.page.stateSeries(), 0), QPointF(0, 10));
        QVERIFY(f.child<QPushButton>("shmStartBtn")->isEnabled());
        QVERIFY(!f.child<QPushButton>("shmAbortBtn")->isEnabled());
        QVERIFY(!f.child<QPushButton>("shmUnZoomBtn")->isEnabled());
        QCOMPARE(f.pic()->width(), 30);
        // x0 = 10: the mass hangs at the top of the span.
        const int top = SHM::geometry(f.pic()->height()).top;
        QCOMPARE(f.page.massRect().top, top - 5);
    }

    void slidersUpdateLabelsAndCurve()
    {
        Fixture f;
        f.child<QScrollBar>("shmMassHsb")->setValue(25);
        f.child<QScrollBar>("shmStiffHsb")->setValue(1);
        f.child<QScrollBar>("shmDampHsb")->setValue(50);
        QCOMPARE(f.text("shmMassLabel"), QStringLiteral("mass 0.25 kg"));
        QCOMPARE(f.text("shmStiffLabel"), QStringLiteral("k = 1.00 N/m"));
        QCOMPARE(f.text("shmDampLabel"), QStringLiteral("damping 0.50 kg/s"));
        // The critical case: 10 (1 + 2t) e^(-2t) at t = 1.
        QVERIFY(std::abs(f.chart()->point(f.page.curveSeries(), 50).y() - 4.060058497098381) < 1e-9);
    }

    void draggingTheMass()
    {
        Fixture f;
        const SHM::Geometry g = SHM::geometry(f.pic()->height());
        f.dragMassTo(g.bottom);
        QCOMPARE(f.page.initialDisplacement(), -10.0);
        QCOMPARE(f.chart()->point(f.page.curveSeries(), 0).y(), -10.0);
        QCOMPARE(f.page.massRect().top, g.bottom - 5);
        // Outside the span the move is ignored.
        f.dragMassTo(g.bottom + 20);
        QCOMPARE(f.page.initialDisplacement(), -10.0);
        // A press beside the mass grabs nothing.
        QTest::mousePress(f.pic(), Qt::LeftButton, {}, QPoint(2, g.top));
        QMouseEvent move(QEvent::MouseMove, QPointF(2, g.mid), f.pic()->mapToGlobal(QPointF(2, g.mid)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(f.pic(), &move);
        QTest::mouseRelease(f.pic(), Qt::LeftButton, {}, QPoint(2, g.mid));
        QCOMPARE(f.page.initialDisplacement(), -10.0);
    }

    // With x0 = 0 nothing moves, so the die-away test ends the run at frame 13.
    void zeroDisplacementEndsAtFrame13()
    {
        Fixture f;
        f.session.speed(AnimSpeed::SHM) = 0;
        f.dragMassTo(SHM::geometry(f.pic()->height()).mid);
        QCOMPARE(f.page.initialDisplacement(), 0.0);
        f.page.shmStartBtnClick();
        QVERIFY(!f.session.isAnimating());
        QCOMPARE(f.chart()->point(f.page.stateSeries(), 0).x(), 13 * 10 / 500.0);
        QVERIFY(f.child<QPushButton>("shmStartBtn")->isEnabled());
        QVERIFY(!f.child<QPushButton>("shmAbortBtn")->isEnabled());
    }

    void undampedRunShowsAllFrames()
    {
        Fixture f;
        f.session.speed(AnimSpeed::SHM) = 0;
        f.child<QScrollBar>("shmDampHsb")->setValue(0);
        f.page.shmStartBtnClick();
        QCOMPARE(f.chart()->point(f.page.stateSeries(), 0).x(), 10.0);
    }

    void stopDuringARun()
    {
        Fixture f;
        f.session.speed(AnimSpeed::SHM) = 0;
        f.child<QScrollBar>("shmDampHsb")->setValue(0);
        bool runningSeen = false;
        QTimer::singleShot(30, &f.page, [&] {
            runningSeen = f.session.isAnimating() && f.child<QPushButton>("shmAbortBtn")->isEnabled()
                          && !f.child<QPushButton>("shmStartBtn")->isEnabled();
            f.child<QPushButton>("shmAbortBtn")->click();
        });
        f.page.shmStartBtnClick();
        QVERIFY(runningSeen);
        QVERIFY(!f.session.isAnimating());
        QVERIFY(f.chart()->point(f.page.stateSeries(), 0).x() < 10.0);
    }

    void sliderMoveEndsARun()
    {
        Fixture f;
        f.session.speed(AnimSpeed::SHM) = 0;
        QTimer::singleShot(30, &f.page, [&] { f.child<QScrollBar>("shmStiffHsb")->setValue(20); });
        f.page.shmStartBtnClick();
        QVERIFY(!f.session.isAnimating());
        QCOMPARE(f.text("shmStiffLabel"), QStringLiteral("k = 20.00 N/m"));
    }

    void pageDestroyedDuringARun()
    {
        Session session;
        auto *page = new SHMPage(session);
        page->resize(450, 500);
        page->show();
        page->firstShow();
        QTimer::singleShot(30, page, [page] { page->deleteLater(); });
        page->shmStartBtnClick(); // must return without touching the freed page
        QVERIFY(true);
    }

    void timeScale()
    {
        Fixture f;
        f.page.UpdateGraphTimescale(20);
        QCOMPARE(f.page.timeScale(), 20);
        QCOMPARE(f.chart()->point(f.page.curveSeries(), 500).x(), 20.0);
        // The scale already set recomputes nothing (an update would stop a run).
        f.session.startAnimation();
        f.page.UpdateGraphTimescale(20);
        QVERIFY(f.session.isAnimating());
        f.session.stopAnimations();
    }

    void unzoomButtonFollowsTheChart()
    {
        Fixture f;
        auto *unzoom = f.child<QPushButton>("shmUnZoomBtn");
        const QRect r = f.chart()->plotRect();
        QTest::mousePress(f.plot(), Qt::LeftButton, {}, r.topLeft() + QPoint(20, 20));
        QTest::mouseRelease(f.plot(), Qt::LeftButton, {}, r.center());
        QVERIFY(unzoom->isEnabled());
        unzoom->click();
        QVERIFY(!unzoom->isEnabled());
        QVERIFY(!f.chart()->isZoomed());
        QTest::mousePress(f.plot(), Qt::RightButton, {}, r.center());
        QMouseEvent move(QEvent::MouseMove, r.center() + QPoint(30, 0), f.plot()->mapToGlobal(r.center()), Qt::NoButton,
                         Qt::RightButton, {});
        QApplication::sendEvent(f.plot(), &move);
        QTest::mouseRelease(f.plot(), Qt::RightButton, {}, r.center() + QPoint(30, 0));
        QVERIFY(unzoom->isEnabled());
    }

    void crosshair()
    {
        Fixture f;
        f.chart()->replotNow();
        const QRect r = f.chart()->plotRect();
        const QPoint a = r.center();
        const QPoint b = a + QPoint(10, 5);
        QTest::mouseMove(f.plot(), b);
        QCOMPARE(f.page.crosshairPosition(), QPoint(-1, -1)); // "Show crosshair" is off
        f.session.showCrosshair = true;
        QTest::mouseMove(f.plot(), a);
        QCOMPARE(f.page.crosshairPosition(), a);
        QCOMPARE(f.chart()->crosshair(), std::optional<QPoint>(a));
        QTest::mouseMove(f.plot(), b);
        QCOMPARE(f.chart()->crosshair(), std::optional<QPoint>(b));
        // Outside the plot area the old crosshair goes and no new one comes.
        QTest::mouseMove(f.plot(), QPoint(2, 2));
        QCOMPARE(f.page.crosshairPosition(), QPoint(-1, -1));
        QVERIFY(!f.chart()->crosshair());
        // Not while a button is held (a zoom rectangle being dragged).
        QTest::mousePress(f.plot(), Qt::LeftButton, {}, a);
        QTest::mouseMove(f.plot(), b);
        QVERIFY(!f.chart()->crosshair());
        QTest::mouseRelease(f.plot(), Qt::LeftButton, {}, a);
        // A redraw after a zoom wipes it and forgets it.
        QTest::mouseMove(f.plot(), a);
        QVERIFY(f.chart()->crosshair());
        f.chart()->replotNow();
        QTest::qWait(1);
        QCOMPARE(f.page.crosshairPosition(), QPoint(-1, -1));
        QVERIFY(!f.chart()->crosshair());
    }

    void printedPage()
    {
        Fixture f;
        const QString out = printedText([&f](QPrinter &p, QString *e) { return f.page.PrintSHMGraph(p, e); });
        QVERIFY2(out.contains(QStringLiteral("Displacement - time graph for damped S.H.M.")), qPrintable(out));
        QVERIFY(out.contains(QStringLiteral("Mass = 0.50 kg")));
        QVERIFY(out.contains(QStringLiteral("Spring constant = 40 N/m")));
        QVERIFY(out.contains(QStringLiteral("Damping = 0.20 kg/s")));
        QVERIFY(out.contains(QStringLiteral("time (s)")));
        QVERIFY(out.contains(QStringLiteral("displacement")));
    }
};

QTEST_MAIN(TestSHMPage)
#include "tst_shmpage.moc"
