#include "chart/Chart.h"
#include "gdi/GdiMath.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

namespace {

// A chart with one line from (0, -5) to (10, 5) on a fixed -10..10 left axis.
struct Fixture
{
    Chart chart;
    int line = 0;
    int points = 0;

    Fixture()
    {
        chart.resize(400, 300);
        chart.setAxisRange(Chart::Axis::Left, -10, 10);
        line = chart.addSeries(Chart::SeriesKind::FastLine, Qt::red);
        points = chart.addSeries(Chart::SeriesKind::Point, Qt::green);
        for (int i = 0; i <= 10; ++i) {
            chart.add(line, i, i - 5);
        }
        chart.add(points, 3, 1);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        chart.replotNow();
    }

    // The plot widget inside the chart receives the mouse.
    QWidget *plot() const { return chart.findChild<QWidget *>(); }
    QPoint inside(double fx, double fy) const
    {
        const QRect r = chart.plotRect();
        return {r.left() + int(fx * r.width()), r.top() + int(fy * r.height())};
    }
    void drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        QTest::mousePress(plot(), button, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, plot()->mapToGlobal(to), Qt::NoButton, button, {});
        QApplication::sendEvent(plot(), &move);
        QTest::mouseRelease(plot(), button, {}, to);
        chart.replotNow();
    }
};

} // namespace

class TestChart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Under a decimal-comma desktop the chart writes its numbers as every
    // label of the program does, with the point.
    void numbersFollowTheProgramsRule()
    {
        const QLocale desktop;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(desktop); });
        Fixture f;
        f.chart.setAxisRange(Chart::Axis::Left, 0, 1);
        f.chart.setTickStep(Chart::Axis::Left, 0.25);
        f.chart.replotNow();
        QCOMPARE(f.chart.tickLabels(Chart::Axis::Left),
                 (QStringList{QStringLiteral("0"), QStringLiteral("0.25"), QStringLiteral("0.5"),
                              QStringLiteral("0.75"), QStringLiteral("1")}));
        QVERIFY(!f.chart.describe().contains(QLatin1Char(',') + QChar(u'5')));
        QCOMPARE(Gdi::formatF(1234.5, 1), QStringLiteral("1234.5"));
    }

    void seriesData()
    {
        Fixture f;
        QCOMPARE(f.chart.seriesCount(), 2);
        QCOMPARE(f.chart.count(f.line), 11);
        QCOMPARE(f.chart.point(f.line, 4), QPointF(4, -1));
        QCOMPARE(f.chart.maxY(f.line), 5.0);
        f.chart.setPoint(f.points, 0, 7, 2.5);
        QCOMPARE(f.chart.point(f.points, 0), QPointF(7, 2.5));
        QCOMPARE(f.chart.count(f.points), 1);
        f.chart.setPoint(f.line, 4, 4, 9);
        QCOMPARE(f.chart.maxY(f.line), 9.0);
        f.chart.clear(f.line);
        QCOMPARE(f.chart.count(f.line), 0);
        QCOMPARE(f.chart.maxY(f.line), 0.0);
    }

    void automaticAndFixedRanges()
    {
        Fixture f;
        QCOMPARE(f.chart.axisRange(Chart::Axis::Bottom), std::make_pair(0.0, 10.0));
        QCOMPARE(f.chart.axisRange(Chart::Axis::Left), std::make_pair(-10.0, 10.0));
        f.chart.add(f.line, 20, 0);
        f.chart.replotNow();
        QCOMPARE(f.chart.axisRange(Chart::Axis::Bottom), std::make_pair(0.0, 20.0));
        f.chart.setAxisAutomatic(Chart::Axis::Left);
        f.chart.replotNow();
        QCOMPARE(f.chart.axisRange(Chart::Axis::Left), std::make_pair(-5.0, 5.0));
    }

    void zoomAndUndoByDragging()
    {
        Fixture f;
        QSignalSpy zoomed(&f.chart, &Chart::zoomed);
        QSignalSpy undone(&f.chart, &Chart::undoneZoom);
        // Down and right: zoom into the rectangle.
        f.drag(Qt::LeftButton, f.inside(0.25, 0.25), f.inside(0.75, 0.75));
        QCOMPARE(zoomed.size(), 1);
        QVERIFY(f.chart.isZoomed());
        const auto [x0, x1] = f.chart.axisRange(Chart::Axis::Bottom);
        QVERIFY(x0 > 2 && x0 < 3 && x1 > 7 && x1 < 8);
        const auto [y0, y1] = f.chart.axisRange(Chart::Axis::Left);
        QVERIFY(y0 > -6 && y0 < -4 && y1 > 4 && y1 < 6);

        // A zoom survives new data...
        f.chart.add(f.line, 11, 6);
        f.chart.replotNow();
        QCOMPARE(f.chart.axisRange(Chart::Axis::Bottom).first, x0);

        // ...until a drag up and left undoes it.
        f.drag(Qt::LeftButton, f.inside(0.75, 0.75), f.inside(0.25, 0.25));
        QCOMPARE(undone.size(), 1);
        QVERIFY(!f.chart.isZoomed());
        QCOMPARE(f.chart.axisRange(Chart::Axis::Bottom), std::make_pair(0.0, 11.0));
        QCOMPARE(f.chart.axisRange(Chart::Axis::Left), std::make_pair(-10.0, 10.0));
    }

    void otherDragsDoNothing()
    {
        Fixture f;
        QSignalSpy zoomed(&f.chart, &Chart::zoomed);
        QSignalSpy undone(&f.chart, &Chart::undoneZoom);
        f.drag(Qt::LeftButton, f.inside(0.5, 0.5), f.inside(0.7, 0.3)); // right and up
        f.drag(Qt::LeftButton, f.inside(0.5, 0.5), f.inside(0.5, 0.5)); // a click
        QCOMPARE(zoomed.size(), 0);
        QCOMPARE(undone.size(), 0);
        QCOMPARE(f.chart.axisRange(Chart::Axis::Bottom), std::make_pair(0.0, 10.0));
    }

    void panWithTheRightButton()
    {
        Fixture f;
        QSignalSpy scrolled(&f.chart, &Chart::scrolled);
        f.drag(Qt::RightButton, f.inside(0.5, 0.5), f.inside(0.25, 0.5));
        QVERIFY(!scrolled.isEmpty());
        const auto [x0, x1] = f.chart.axisRange(Chart::Axis::Bottom);
        // A quarter of the width to the left moves the view 2.5 units right.
        QVERIFY(std::abs(x0 - 2.5) < 0.1);
        QVERIFY(std::abs(x1 - 12.5) < 0.1);
        QCOMPARE(f.chart.axisRange(Chart::Axis::Left), std::make_pair(-10.0, 10.0));
        f.chart.undoZoom();
        f.chart.replotNow();
        QCOMPARE(f.chart.axisRange(Chart::Axis::Bottom), std::make_pair(0.0, 10.0));
    }

    // The keyboard zooms and pans as the mouse does.
    void keys_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<bool>("zoomed");
        QTest::addColumn<double>("x0");
        QTest::addColumn<double>("x1");
        QTest::addColumn<double>("y0");
        QTest::addColumn<double>("y1");
        using K = QList<int>;
        QTest::newRow("+ zooms into the middle half") << K{Qt::Key_Plus} << true << 2.5 << 7.5 << -5.0 << 5.0;
        QTest::newRow("- undoes it") << K{Qt::Key_Plus, Qt::Key_Minus} << false << 0.0 << 10.0 << -10.0 << 10.0;
        QTest::newRow("right pans a tenth") << K{Qt::Key_Right} << true << 1.0 << 11.0 << -10.0 << 10.0;
        QTest::newRow("down pans a tenth") << K{Qt::Key_Down} << true << 0.0 << 10.0 << -12.0 << 8.0;
        QTest::newRow("zoom then pan") << K{Qt::Key_Plus, Qt::Key_Left} << true << 2.0 << 7.0 << -5.0 << 5.0;
        QTest::newRow("other keys do nothing") << K{Qt::Key_A, Qt::Key_Space} << false << 0.0 << 10.0 << -10.0 << 10.0;
    }

    void keys()
    {
        QFETCH(QList<int>, keys);
        QFETCH(bool, zoomed);
        QFETCH(double, x0);
        QFETCH(double, x1);
        QFETCH(double, y0);
        QFETCH(double, y1);
        Fixture f;
        QVERIFY(f.plot()->focusPolicy() & Qt::TabFocus);
        for (int key : keys) {
            QTest::keyClick(f.plot(), Qt::Key(key));
            f.chart.replotNow();
        }
        QCOMPARE(f.chart.isZoomed(), zoomed);
        // The zoom rectangle is whole pixels of the plot, so allow a little.
        const auto near = [](double a, double b, double span) { return std::abs(a - b) <= span / 100; };
        const auto [ax0, ax1] = f.chart.axisRange(Chart::Axis::Bottom);
        const auto [ay0, ay1] = f.chart.axisRange(Chart::Axis::Left);
        QVERIFY2(near(ax0, x0, 10) && near(ax1, x1, 10), qPrintable(QStringLiteral("%1 %2").arg(ax0).arg(ax1)));
        QVERIFY2(near(ay0, y0, 20) && near(ay1, y1, 20), qPrintable(QStringLiteral("%1 %2").arg(ay0).arg(ay1)));
    }

    void mouseNotifications()
    {
        Fixture f;
        QSignalSpy down(&f.chart, &Chart::mouseDown);
        QSignalSpy up(&f.chart, &Chart::mouseUp);
        QTest::mouseClick(f.plot(), Qt::LeftButton, {}, QPoint(40, 50));
        QCOMPARE(down.size(), 1);
        QCOMPARE(up.size(), 1);
        QCOMPARE(down.first().at(1).toInt(), 40);
        QCOMPARE(down.first().at(2).toInt(), 50);
    }

    void afterDrawAndCrosshair()
    {
        Fixture f;
        QSignalSpy drawn(&f.chart, &Chart::afterDraw);
        const QPoint c = f.inside(0.5, 0.5);
        f.chart.toggleCrosshair(c);
        QCOMPARE(f.chart.crosshair(), std::optional<QPoint>(c));
        // The crosshair shows in XOR: yellow over the white plot area gives blue.
        const QImage shown = f.plot()->grab().toImage();
        QCOMPARE(QColor(shown.pixel(c.x(), f.inside(0, 0.1).y())), QColor(0, 0, 255));
        // Drawing it again at the same place removes it.
        f.chart.toggleCrosshair(c);
        QVERIFY(!f.chart.crosshair());
        // A redraw wipes it and says so.
        f.chart.toggleCrosshair(c);
        f.chart.replotNow();
        QVERIFY(!drawn.isEmpty());
        QVERIFY(!f.chart.crosshair());
    }

    // A moving series (an animation's present point) is redrawn on its own:
    // the chart is not drawn again, yet the point shows where it now is.
    void movingSeriesIsRedrawnAlone()
    {
        Fixture f;
        f.chart.setSeriesMoving(f.points);
        f.chart.replotNow();
        const auto at = [&f](double x, double y) {
            const QRect r = f.chart.plotRect();
            const auto [x0, x1] = f.chart.axisRange(Chart::Axis::Bottom);
            const auto [y0, y1] = f.chart.axisRange(Chart::Axis::Left);
            return QPoint(r.left() + qRound((x - x0) / (x1 - x0) * r.width()),
                          r.bottom() - qRound((y - y0) / (y1 - y0) * r.height()));
        };
        const auto green = [&f](QPoint p) { return QColor(f.plot()->grab().toImage().pixel(p)) == QColor(Qt::green); };
        QVERIFY(green(at(3, 1)));
        QSignalSpy drawn(&f.chart, &Chart::afterDraw);
        f.chart.setPoint(f.points, 0, 7, 8);
        QTRY_VERIFY(green(at(7, 8)));
        QVERIFY(!green(at(3, 1)));
        QCOMPARE(drawn.size(), 0);
        // The chart under the layer is shown as it was, its background too.
        QCOMPARE(QColor(f.plot()->grab().toImage().pixel(1, 1)), f.chart.backgroundColor());
        // Anything else changed draws the whole chart again, the point with it.
        f.chart.add(f.line, 11, 6);
        QTRY_COMPARE(drawn.size(), 1);
        QVERIFY(green(at(7, 8)));
    }

    void copyPutsSvgAndBitmapOnTheClipboard()
    {
        Fixture f;
        f.chart.setBackgroundColor(QColor(212, 208, 200));
        f.chart.copyToClipboard();
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data->hasFormat(QStringLiteral("image/svg+xml")));
        QVERIFY(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
        const auto bitmap = qvariant_cast<QImage>(data->imageData());
        QCOMPARE(bitmap.size(), f.chart.findChild<QWidget *>()->size());
        // On the clipboard the background is white; on screen it is grey again.
        QCOMPARE(QColor(bitmap.pixel(1, 1)), QColor(Qt::white));
        QCOMPARE(f.chart.backgroundColor(), QColor(212, 208, 200));
        QCOMPARE(QColor(f.plot()->grab().toImage().pixel(1, 1)), QColor(212, 208, 200));
    }
};

QTEST_MAIN(TestChart)
#include "tst_chart.moc"
