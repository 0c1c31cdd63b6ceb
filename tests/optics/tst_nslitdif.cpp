#include "chart/Chart.h"
#include "gdi/PaintBox.h"
#include "optics/DifPage.h"
#include "optics/NSlitDif.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QSlider>
#include <QTest>

#include "TestSupport.h"
#include <QToolButton>

#include <numbers>

using namespace NSlitDif;

class TestNSlitDif : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void orderAngles_data()
    {
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("d");
        QTest::addColumn<double>("angle");
        QTest::newRow("first order, d = 2") << 1 << 2 << 30.0;
        QTest::newRow("second order, d = 2: at 90") << 2 << 2 << 90.0;
        QTest::newRow("d = 1: always 90") << 1 << 1 << 90.0;
        QTest::newRow("beyond 90") << 5 << 3 << 90.0;
        QTest::newRow("first order, d = 10") << 1 << 10 << 5.739170477266787;
    }
    void orderAngles()
    {
        QFETCH(int, m);
        QFETCH(int, d);
        QFETCH(double, angle);
        QVERIFY(std::abs(orderAngle(m, d) - angle) < 1e-12);
    }

    // N = 2, d = 2, a = 1: 1801 samples; the 601st, at -30.000000000001,
    // takes the envelope 4 (sin(pi/2) / (pi/2))^2 = 16 / pi^2.
    void sweepAtStart()
    {
        const auto points = pattern(2, 2, 1);
        QCOMPARE(int(points.size()), 1801);
        QCOMPARE(points.front().x(), -90.0);
        QVERIFY(points.back().x() < 90 && points.back().x() > 89.99);
        QVERIFY(std::abs(points[600].x() + 30.000000000001) < 1e-11);
        QVERIFY(std::abs(points[600].y() - 16 / (std::numbers::pi * std::numbers::pi)) < 1e-9);
        QVERIFY(std::abs(points[599].x() + 30.1) < 1e-9); // misses the order by a hair
        QVERIFY(std::abs(points[599].y() - intensity(1, 2, 2, points[599].x())) < 1e-15);
        // The sample nearest the centre lies just below 0 and reaches a N^2 = 4.
        QVERIFY(points[900].x() < 0 && points[900].x() > -1e-11);
        QVERIFY(std::abs(points[900].y() - 4) < 1e-9);
    }

    void singleSlitIsTheEnvelope()
    {
        const auto points = pattern(1, 3, 4);
        for (const QPointF &p : points) {
            QCOMPARE(p.y(), envelope(4, 3, 1, p.x()));
        }
        const auto env = envelopeSeries(1, 3, 4);
        QCOMPARE(int(env.size()), 180);
        QCOMPARE(env.front().x(), -90.0);
        QCOMPARE(env.back().x(), 89.0);
        QCOMPARE(env[90].y(), 4.0); // a N^2 at 0
    }

    void unitSpacingSubstitutesNothing()
    {
        // Near the minima the values cancel to 1e-11; compare absolutely.
        for (const QPointF &p : pattern(3, 1, 1)) {
            QVERIFY(std::abs(p.y() - intensity(1, 1, 3, p.x())) < 1e-9);
        }
    }

    void intensityValues_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("theta");
        QTest::addColumn<double>("value");
        QTest::newRow("centre is a N^2") << 3 << 2 << 4 << 0.0 << 48.0;
        // s = 0.5, alpha = pi/2, beta = pi/2: (2/pi)^2 (sin(pi) / sin(pi/2))^2 = 0.
        QTest::newRow("a minimum") << 1 << 1 << 2 << 30.0 << 0.0;
        // d < a is allowed: s = sin 10 deg, alpha = 2 pi s, beta = pi s.
        QTest::newRow("slits wider than their spacing") << 2 << 1 << 2 << 10.0 << 3.864864073048174;
    }
    void intensityValues()
    {
        QFETCH(int, a);
        QFETCH(int, d);
        QFETCH(int, n);
        QFETCH(double, theta);
        QFETCH(double, value);
        QVERIFY(std::abs(intensity(a, d, n, theta) - value) < 1e-9);
    }

    // N = 10, a = 10: the central maximum is 1000; a column whose level rounds
    // to 26 or more saturates (26 x 10 > 255).
    void stripSaturation()
    {
        const auto points = pattern(10, 2, 10);
        const double top = std::max_element(points.begin(), points.end(), [](const QPointF &l, const QPointF &r) {
                               return l.y() < r.y();
                           })->y();
        QVERIFY(std::abs(top - 1000) < 1e-6);
        const auto columns = stripColumns(points, 387, 10);
        QVERIFY(columns.size() > 380);
        int saturated = 0;
        int dim = 0;
        for (const auto &[x, v] : columns) {
            Q_UNUSED(x)
            if (v == 255) {
                ++saturated;
            } else {
                QCOMPARE(v % 10, 0);
                QVERIFY(v < 260);
                ++dim;
            }
        }
        QVERIFY(saturated > 0);
        QVERIFY(dim > 0);
        // Every column is painted once, from 1 up; the last sample rounds to
        // column 387, just outside the 387-wide strip, where it is lost.
        QCOMPARE(columns.front().first, 1);
        QCOMPARE(columns.back().first, 387);
    }

    void page()
    {
        Session session;
        DifPage page(session);
        page.resize(440, 500);
        page.startUp();
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        Chart *chart = page.chart();
        QCOMPARE(chart->count(page.patternSeries()), 1801);
        QCOMPARE(chart->count(page.envelopeSeries()), 0);
        auto *envelopeBox = page.findChild<QCheckBox *>(QStringLiteral("EnvelopeChk"));
        envelopeBox->click();
        QCOMPARE(chart->count(page.envelopeSeries()), 180);
        envelopeBox->click();
        QCOMPARE(chart->count(page.envelopeSeries()), 0);

        page.findChild<QSlider *>(QStringLiteral("DifNslitsHsb"))->setValue(5);
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("NSlitLabel"))->text(), QStringLiteral("number of slits 5"));
        QVERIFY(std::abs(chart->maxY(page.patternSeries()) - 25) < 1e-6);
        auto *strip = page.findChild<PaintBox *>(QStringLiteral("NSpic"));
        QCOMPARE(strip->width(), 387);
        QCOMPARE(strip->surface().pixel(strip->width() / 2, 10), qRgb(255, 0, 0));

        // "restore" follows the chart's zoom.
        auto *restore = page.findChild<QToolButton *>(QStringLiteral("UnZoomBtn"));
        auto *plot = chart->findChild<QWidget *>();
        chart->replotNow();
        const QRect r = chart->plotRect();
        QTest::mousePress(plot, Qt::LeftButton, {}, r.topLeft() + QPoint(10, 10));
        QTest::mouseRelease(plot, Qt::LeftButton, {}, r.center());
        QVERIFY(restore->isEnabled());
        QTest::mousePress(plot, Qt::LeftButton, {}, r.center());
        QTest::mouseRelease(plot, Qt::LeftButton, {}, r.topLeft() + QPoint(10, 10));
        QVERIFY(!restore->isEnabled());
    }

    void printedPage()
    {
        Session session;
        DifPage page(session);
        page.resize(440, 500);
        page.startUp();
        const QString out = printedText([&page](QPrinter &p, QString *e) { return page.printChart(p, e); });
        for (const char *line : {"Angular Intensity distribution graph", "number of slits 2", "slit separation 2",
                                 "slit width 1", "angle", "Intensity"}) {
            QVERIFY2(out.contains(QString::fromLatin1(line)), line);
        }
    }
};

QTEST_MAIN(TestNSlitDif)
#include "tst_nslitdif.moc"
