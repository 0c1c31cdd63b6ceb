#include "chart/Chart.h"
#include "shell/Session.h"
#include "waves/SumWavePage.h"
#include "waves/SuperWave.h"

#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QScrollBar>
#include <QTest>

#include "TestSupport.h"
#include <QToolButton>

#include <cmath>
#include <numbers>

using SuperWave::TSineInfo;

namespace {

struct Fixture
{
    Session session;
    SumWavePage page{session};
    Fixture()
    {
        page.resize(470, 500);
        page.startUp();
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
    }
    QScrollBar *bar(const char *name) const { return page.findChild<QScrollBar *>(QString::fromLatin1(name)); }
    QListWidget *list() const { return page.findChild<QListWidget *>(QStringLiteral("WaveList")); }
    QStringList listed() const
    {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i) {
            texts << list()->item(i)->text();
        }
        return texts;
    }
    // Adds the wave set on the sliders: amplitude x10, frequency x5, phase.
    void add(int amplitude, int frequency, int phase)
    {
        bar("spAmpHsb")->setValue(amplitude);
        bar("spFrequencyHsb")->setValue(frequency);
        bar("spPhaseHsb")->setValue(phase);
        page.spAddWaveBtnClick();
    }
    double sumAt(int i) const { return page.chart()->point(page.sumSeries(), i).y(); }
    std::pair<double, double> leftAxis() const
    {
        page.chart()->replotNow();
        return page.chart()->axisRange(Chart::Axis::Left);
    }
    void pressDelete() const { QTest::keyClick(list(), Qt::Key_Delete); }
};

} // namespace

class TestSuperWave : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void formulas_data()
    {
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<double>("frequency");
        QTest::addColumn<int>("phase");
        QTest::addColumn<QString>("text");
        QTest::newRow("A 5, F 2, +30 lags") << 5.0 << 2.0 << 30 << "y = 5.0sin(2.00x - 30)";
        QTest::newRow("A 1, F 1, -45 leads") << 1.0 << 1.0 << -45 << "y = sin(x + 45)";
        QTest::newRow("A 10, F 1, 0") << 10.0 << 1.0 << 0 << "y = 10.0sin(x)";
        QTest::newRow("A 0") << 0.0 << 3.0 << 20 << "y = 0";
        QTest::newRow("negative amplitude") << -10.0 / 9 << 3.0 << 0 << "y = -1.1sin(3.00x)";
        QTest::newRow("fractional frequency") << 2.5 << 1.4 << 0 << "y = 2.5sin(1.40x)";
    }
    void formulas()
    {
        QFETCH(double, amplitude);
        QFETCH(double, frequency);
        QFETCH(int, phase);
        QFETCH(QString, text);
        QCOMPARE(SuperWave::SineFormula(TSineInfo{amplitude, phase, frequency}), text);
    }

    void curvePoints()
    {
        // One pixel is 2 degrees: point 45 is at 90 degrees, the top of a unit sine.
        const auto points = SuperWave::SineCurvePoints(15, 77, 0, 1, 35);
        QCOMPARE(points[0], QPoint(15, 77));
        QCOMPARE(points[45], QPoint(60, 42));
        QCOMPARE(points[135], QPoint(150, 112));
        QCOMPARE(points[180], QPoint(195, 77));
    }

    void startState()
    {
        Fixture f;
        QCOMPARE(f.page.findChild<QLabel *>(QStringLiteral("spFLabel"))->text(), QStringLiteral("frequency = 1.00"));
        QCOMPARE(f.page.findChild<QLabel *>(QStringLiteral("spAlabel"))->text(), QStringLiteral("amplitude = 5.0"));
        QCOMPARE(f.page.findChild<QLabel *>(QStringLiteral("spPlabel"))->text(), QStringLiteral("phase = 0"));
        QCOMPARE(f.page.chart()->count(f.page.sumSeries()), 181);
        QCOMPARE(f.page.SumLastIndex(), 180);
        QCOMPARE(f.leftAxis(), std::make_pair(-1.0, 1.0));
    }

    void sameWaveTwiceDoublesAndDeleteHalves()
    {
        Fixture f;
        f.add(30, 5, 0); // 3 sin x
        const double once = f.sumAt(45); // x = 90 degrees
        QVERIFY(std::abs(once - 3) < 1e-12);
        f.add(30, 5, 0);
        QVERIFY(std::abs(f.sumAt(45) - 6) < 1e-12);
        f.list()->setCurrentRow(1);
        f.pressDelete();
        QVERIFY(std::abs(f.sumAt(45) - 3) < 1e-12);
        QCOMPARE(f.list()->count(), 1);
        QCOMPARE(f.list()->currentRow(), 0);
    }

    // The axis rule looks at the maximum only: 0.8 sin x + 0.8 cos 2x peaks at
    // 0.9 and falls to -1.6, yet stays on -1..1.
    void leftAxisRule()
    {
        Fixture f;
        f.add(8, 5, 0);
        f.add(8, 10, -90);
        QVERIFY(std::abs(f.page.chart()->maxY(f.page.sumSeries()) - 0.9) < 1e-3);
        QCOMPARE(f.leftAxis(), std::make_pair(-1.0, 1.0));

        Fixture g;
        g.add(5, 5, 0); // amplitude 0.5
        QCOMPARE(g.leftAxis(), std::make_pair(-1.0, 1.0));
        Fixture h;
        h.add(20, 5, 0); // amplitude 2: automatic
        const auto [low, high] = h.leftAxis();
        QVERIFY(std::abs(low + 2) < 1e-9 && std::abs(high - 2) < 1e-9);
    }

    void deletingTheOnlyEntryZeroes()
    {
        Fixture f;
        f.add(20, 5, 0);
        f.list()->setCurrentRow(0);
        f.pressDelete();
        QCOMPARE(f.list()->count(), 0);
        QCOMPARE(f.page.chart()->maxY(f.page.sumSeries()), 0.0);
        QCOMPARE(f.leftAxis(), std::make_pair(-1.0, 1.0));
        f.pressDelete(); // nothing selected: nothing happens
        QCOMPARE(f.list()->count(), 0);
    }

    void seriesLists()
    {
        Fixture f;
        f.page.FillSquareSeries();
        const QStringList square = f.listed();
        QCOMPARE(square.size(), 10);
        QCOMPARE(square.first(), QStringLiteral("y = 10.0sin(x)"));
        QCOMPARE(square.last(), QStringLiteral("y = 0.5sin(19.00x)"));
        // At 90 degrees: 10 (1 - 1/3 + 1/5 - ... - 1/19), on the way to 10 pi / 4 = 7.85.
        QVERIFY(std::abs(f.sumAt(45) - 7.604599047323508) < 1e-9);
        f.page.FillTriangleSeries();
        QCOMPARE(f.listed(), (QStringList{QStringLiteral("y = 10.0sin(x)"), QStringLiteral("y = -1.1sin(3.00x)"),
                                          QStringLiteral("y = 0.4sin(5.00x)"), QStringLiteral("y = -0.2sin(7.00x)"),
                                          QStringLiteral("y = 0.1sin(9.00x)")}));
        // At 90 degrees: 10 (1 + 1/9 + 1/25 + 1/49 + 1/81), on the way to 10 pi^2 / 8 = 12.34.
        QVERIFY(std::abs(f.sumAt(45) - 11.83864953388763) < 1e-9);
        QCOMPARE(f.list()->currentRow(), 0);
        // Selecting the -10/9 term sets the amplitude bar to 11.
        f.list()->setCurrentRow(1);
        f.page.WaveListClick();
        QCOMPARE(f.bar("spAmpHsb")->value(), 11);
        QCOMPARE(f.bar("spFrequencyHsb")->value(), 15);
    }

    void rangeRebuildsFromTheList()
    {
        Fixture f;
        f.add(30, 10, 0); // 3 sin 2x
        f.page.N360degrees1Click(3);
        QCOMPARE(f.page.SumLastIndex(), 720);
        QCOMPARE(f.page.chart()->count(f.page.sumSeries()), 721);
        QCOMPARE(f.page.chart()->point(f.page.sumSeries(), 720).x(), 1440.0);
        // Point 383 is at 766 degrees: 3 sin(1532 degrees).
        QVERIFY(std::abs(f.sumAt(383) - 3 * std::sin(2 * 766 * std::numbers::pi / 180)) < 1e-9);
        f.page.N360degrees1Click(1);
        QCOMPARE(f.page.chart()->count(f.page.sumSeries()), 181);
    }

    void clearEmptiesListAndSum()
    {
        Fixture f;
        f.add(30, 5, 0);
        f.page.findChild<QToolButton *>(QStringLiteral("spClearListBtn"))->click();
        QCOMPARE(f.list()->count(), 0);
        QCOMPARE(f.page.chart()->maxY(f.page.sumSeries()), 0.0);
    }

    void printedPage()
    {
        Fixture f;
        f.add(50, 10, 30);
        const QString out = printedText([&f](QPrinter &p, QString *e) { return f.page.printChart(p, e); });
        QVERIFY2(out.contains(QStringLiteral("combined wave")), qPrintable(out));
        QVERIFY(out.contains(QStringLiteral("y = 5.0sin(2.00x - 30)")));
    }
};

QTEST_MAIN(TestSuperWave)
#include "tst_superwave.moc"
