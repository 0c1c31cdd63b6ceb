#include "oscillations/SHM.h"

#include <QImage>
#include <QTest>

#include <cmath>

using SHM::ComputeSHMGraph;

class TestSHM : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Values at t = 1 s (sample 50 of a 10 s scale), x0 = 10, from the closed forms:
    //   undamped (k 40, m 0.5):          10 cos(sqrt(80))                       = -8.8676
    //   under-damped (k 40, m 0.5, b 0.2): g 0.4, w sqrt(79.84), phi atan(w/g)   = -5.7751
    //   critical (k 1, m 0.25, b 0.5):   g = w0 = 2: 10 (1 + 2) e^-2            = 4.0601
    //   over-damped (k 1, m 0.1, b 5):   g 50, r1,2 = 50 +- sqrt(2490)           = 9.0565
    void motionCases_data()
    {
        QTest::addColumn<double>("k");
        QTest::addColumn<double>("m");
        QTest::addColumn<double>("b");
        QTest::addColumn<bool>("undamped");
        QTest::addColumn<double>("atOneSecond");
        QTest::newRow("undamped") << 40.0 << 0.5 << 0.0 << true << -8.867611255077021;
        QTest::newRow("under-damped") << 40.0 << 0.5 << 0.2 << false << -5.7750937090617755;
        QTest::newRow("critical") << 1.0 << 0.25 << 0.5 << false << 4.060058497098381;
        QTest::newRow("over-damped") << 1.0 << 0.1 << 5.0 << false << 9.056542274921167;
    }
    void motionCases()
    {
        QFETCH(double, k);
        QFETCH(double, m);
        QFETCH(double, b);
        QFETCH(bool, undamped);
        QFETCH(double, atOneSecond);
        const auto curve = ComputeSHMGraph(k, m, b / m, 10.0, 10, undamped);
        QCOMPARE(int(curve.size()), 501);
        QCOMPARE(curve.front(), QPointF(0, 10));
        QCOMPARE(curve.back().x(), 10.0);
        QCOMPARE(curve[50].x(), 1.0);
        // Same formula, same operations: agreement to rounding noise.
        QVERIFY(std::fabs(curve[50].y() - atOneSecond) < 1e-9);
        // Released from rest: the first step moves by far less than a full swing.
        QVERIFY(std::fabs(curve[1].y() - 10) < 0.2);
    }

    void overDampedNeverCrossesZero()
    {
        const auto curve = ComputeSHMGraph(1, 0.1, 50, 10, 20, false);
        for (std::size_t i = 1; i < curve.size(); ++i) {
            QVERIFY(curve[i].y() > 0);
            QVERIFY(curve[i].y() < curve[i - 1].y());
        }
    }

    void undampedNeverDecays()
    {
        const auto curve = ComputeSHMGraph(40, 0.5, 0, 10, 20, true);
        double low = 0;
        for (std::size_t i = curve.size() - 60; i < curve.size(); ++i) {
            low = std::min(low, curve[i].y());
        }
        QVERIFY(low < -9.9); // still swings to the full amplitude at the end
    }

    void zeroDisplacementIsAFlatLine()
    {
        for (const QPointF &p : ComputeSHMGraph(40, 0.5, 0.4, 0, 10, false)) {
            QCOMPARE(p.y() + 1.0, 1.0); // +1 so that -0.0 and 0.0 compare equal
        }
    }

    void timeScale_data()
    {
        QTest::addColumn<int>("seconds");
        for (int s : {5, 10, 15, 20}) {
            QTest::addRow("%d s", s) << s;
        }
    }
    void timeScale()
    {
        QFETCH(int, seconds);
        const auto curve = ComputeSHMGraph(40, 0.5, 0.4, 10, seconds, false);
        QCOMPARE(int(curve.size()), 501);
        QCOMPARE(curve.back().x(), double(seconds));
        QCOMPARE(curve[250].x(), seconds / 2.0);
    }

    // H = 300: Top = 12, Bottom = 258, span 246, Mid 135.
    void geometry()
    {
        const SHM::Geometry g = SHM::geometry(300);
        QCOMPARE(g.top, 12);
        QCOMPARE(g.bottom, 258);
        QCOMPARE(g.span, 246);
        QCOMPARE(g.mid, 135);
    }

    void massPosition_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("centre");
        QTest::addColumn<int>("pitch");
        QTest::newRow("top") << 10.0 << 12 << 1;
        QTest::newRow("bottom") << -10.0 << 258 << 5;
        QTest::newRow("middle, pitch 2.5 to even") << 0.0 << 135 << 2;
        // 246 * 5 / 20 = 61.5 -> 62 (half to even); (10 - 5) / 4 = 1.25 -> 1.
        QTest::newRow("half way up") << 5.0 << 73 << 1;
        // 246 * 1 / 20 = 12.3 -> 12; 9 / 4 = 2.25 -> 2.
        QTest::newRow("one") << 1.0 << 123 << 2;
    }
    void massPosition()
    {
        QFETCH(double, x);
        QFETCH(int, centre);
        QFETCH(int, pitch);
        QCOMPARE(SHM::massCentre(300, x), centre);
        QCOMPARE(SHM::coilPitch(x), pitch);
    }

    void dragMapping_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<double>("x");
        QTest::newRow("top of span") << 12 << 10.0;
        QTest::newRow("bottom of span") << 258 << -10.0;
        QTest::newRow("middle") << 135 << 0.0;
        QTest::newRow("above the span") << 0 << 135 * 20 / 246.0;
        QTest::newRow("one pixel down") << 136 << -20 / 246.0;
    }
    void dragMapping()
    {
        QFETCH(int, y);
        QFETCH(double, x);
        QCOMPARE(SHM::MouseYToDisplacement(30, 300, y), x);
    }

    void picture_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<Gdi::Rect>("mass");
        QTest::addColumn<int>("pitch");
        QTest::newRow("mass at the top") << 10.0 << Gdi::Rect{5, 7, 25, 17} << 1;
        QTest::newRow("mass at the bottom") << -10.0 << Gdi::Rect{5, 253, 25, 263} << 5;
    }
    void picture()
    {
        QFETCH(double, x);
        QFETCH(Gdi::Rect, mass);
        QFETCH(int, pitch);
        QImage surface(30, 300, QImage::Format_RGB32);
        surface.fill(QColor(1, 2, 3));
        Gdi::Rect returned;
        {
            Gdi::Canvas canvas(&surface);
            returned = SHM::DrawMassSpring(canvas, 30, 300, x);
        }
        QCOMPARE(returned, mass);
        // The red mass with its black outline.
        QCOMPARE(surface.pixel(mass.left, mass.top), qRgb(0, 0, 0));
        QCOMPARE(surface.pixel(15, (mass.top + mass.bottom) / 2), qRgb(255, 0, 0));
        QCOMPARE(surface.pixel(mass.right, (mass.top + mass.bottom) / 2), qRgb(255, 255, 255));
        // The spring's turns: x = 20 at odd multiples of the pitch, x = 10 at even ones
        // (row 1 lies under the edge, so look further down).
        QCOMPARE(surface.pixel(20, 3 * pitch), qRgb(0, 0, 0));
        QCOMPARE(surface.pixel(10, 2 * pitch), qRgb(0, 0, 0));
        // The bitmap is Bottom + 10 = 268 high, framed by the sunken edge; below it
        // the paint box keeps what it had.
        QCOMPARE(surface.pixel(0, 0), qRgb(128, 128, 128));
        QCOMPARE(surface.pixel(15, 267), qRgb(255, 255, 255));
        QCOMPARE(surface.pixel(15, 266), qRgb(212, 208, 200));
        QCOMPARE(surface.pixel(15, 268), qRgb(1, 2, 3));
    }
};

QTEST_MAIN(TestSHM)
#include "tst_shm.moc"
