#include "optics/Grating.h"

#include <QImage>
#include <QTest>

namespace {

QImage telescope(int wavelength, int lines, int view)
{
    QImage image(300, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Gdi::Canvas c(&image);
        Grating::DrawTelescopeView(c, wavelength, lines, view);
    }
    return image;
}

QImage plan(int telescopeParameter, int lines, int wavelength, int mode)
{
    const int size = 2 * Grating::table(mode).centre;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Gdi::Canvas c(&image);
        Grating::DrawSpectrometer(c, 0, 0, telescopeParameter, lines, wavelength, mode);
    }
    return image;
}

const QColor Violet(255, 0, 255);

} // namespace

class TestGrating : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void colourBands_data()
    {
        QTest::addColumn<double>("wavelength");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("ultraviolet") << 399.0 << QColor(255, 255, 255);
        QTest::newRow("399.5 rounds to the even 400") << 399.5 << Violet;
        QTest::newRow("violet from 400") << 400.0 << Violet;
        QTest::newRow("violet to 449") << 449.0 << Violet;
        QTest::newRow("blue from 450") << 450.0 << QColor(0, 0, 255);
        QTest::newRow("blue to 529") << 529.0 << QColor(0, 0, 255);
        QTest::newRow("green from 530") << 530.0 << QColor(6, 255, 87);
        QTest::newRow("green to 572") << 572.0 << QColor(6, 255, 87);
        QTest::newRow("yellow from 573") << 573.0 << QColor(255, 255, 0);
        QTest::newRow("yellow to 615") << 615.0 << QColor(255, 255, 0);
        QTest::newRow("red from 616") << 616.0 << QColor(255, 0, 0);
        QTest::newRow("red to 700") << 700.0 << QColor(255, 0, 0);
        QTest::newRow("700.5 rounds to 700") << 700.5 << QColor(255, 0, 0);
        QTest::newRow("infrared") << 701.0 << QColor(255, 255, 255);
    }
    void colourBands()
    {
        QFETCH(double, wavelength);
        QFETCH(QColor, colour);
        QCOMPARE(Grating::wavelengthColour(wavelength), colour);
    }

    void orders_data()
    {
        QTest::addColumn<int>("wavelength");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("highest");
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::newRow("start") << 400 << 300 << 8 << 6.8921 << 13.8865;
        QTest::newRow("700 nm, 600 per mm") << 700 << 600 << 2 << 24.8346 << 57.1401;
        // 1 / 0.04 in 80-bit arithmetic is just under 25: the 90 degree order is lost.
        QTest::newRow("400 nm, 100 per mm") << 400 << 100 << 24 << 2.2924 << 4.5886;
        QTest::newRow("500 nm, 400 per mm") << 500 << 400 << 5 << 11.5370 << 23.5782;
    }
    void orders()
    {
        QFETCH(int, wavelength);
        QFETCH(int, lines);
        QFETCH(int, highest);
        QFETCH(double, first);
        QFETCH(double, second);
        QCOMPARE(Grating::highestOrder(wavelength, lines), highest);
        // Compared to the 4 decimals written above.
        QVERIFY(std::abs(Grating::orderAngle(1, wavelength, lines) - first) < 1e-4);
        QVERIFY(std::abs(Grating::orderAngle(2, wavelength, lines) - second) < 1e-4);
    }

    void topOrderAtNinetyDegrees()
    {
        // lambda L divides 10^6: order 5 lies at 90 degrees.
        QCOMPARE(Grating::orderSine(5, 500, 400), 1.0f);
        QCOMPARE(Grating::orderAngle(5, 500, 400), 90.0);
        // Not in the plan view: no coloured pixel on the rim at 90 degrees (right of centre).
        const QImage image = plan(0, 400, 500, 2);
        QCOMPARE(QColor(image.pixel(150 + 105, 150)), QColor(192, 192, 192));
        // In the telescope view turned to 90 degrees (T = 900, V = -900) it stands at the centre.
        QCOMPARE(QColor(telescope(500, 400, -900).pixel(150, 30)), QColor(0, 0, 255));
    }

    // At start the zero order is under the cross-wires and the first orders 69
    // pixels either side (10 x 6.89 degrees).
    void telescopeViewAtStart()
    {
        const QImage image = telescope(400, 300, 0);
        QCOMPARE(QColor(image.pixel(148, 35)), Violet);
        QCOMPARE(QColor(image.pixel(150 + 69, 20)), Violet);
        QCOMPARE(QColor(image.pixel(150 - 69, 20)), Violet);
        QCOMPARE(QColor(image.pixel(150 + 72, 20)), QColor(0, 0, 0));
        QCOMPARE(QColor(image.pixel(150 + 139, 20)), Violet); // 13.89 degrees
        QCOMPARE(QColor(image.pixel(150 + 69, 41)), QColor(0, 0, 0)); // bars are 40 rows high
    }

    // T = -123 (V = 123): the centre reads -12.3; the -13 and -12 ticks stand at
    // columns 143 and 153, and vernier tick 7 (at 123) meets a main-scale tick.
    void telescopeViewAtMinus123()
    {
        const QImage image = telescope(400, 300, 123);
        const QColor black(0, 0, 0);
        const QColor yellow(255, 255, 128);
        QCOMPARE(QColor(image.pixel(143, 64)), black);
        QCOMPARE(QColor(image.pixel(153, 64)), black);
        QCOMPARE(QColor(image.pixel(148, 64)), yellow);
        QCOMPARE(QColor(image.pixel(123, 56)), black); // vernier tick 7, from 60 up to 55
        QCOMPARE(QColor(image.pixel(123, 63)), black); // and the main-scale tick below it
        QCOMPARE(QColor(image.pixel(114, 63)), yellow); // vernier tick 6 meets none
        // The zero order: 150 + V.
        QCOMPARE(QColor(image.pixel(273, 20)), Violet);
    }

    void telescopeSwingsRight()
    {
        // T = 900: telescope parameter -900 turns it along the right-hand side.
        const QImage image = plan(-900, 300, 400, 2);
        QCOMPARE(QColor(image.pixel(150 + 110 + 20, 150)), QColor(192, 192, 192));
        QCOMPARE(QColor(image.pixel(150, 150 + 110 + 20)), QColor(255, 255, 255));
        const QImage straight = plan(0, 300, 400, 2);
        QCOMPARE(QColor(straight.pixel(150, 150 + 110 + 20)), QColor(192, 192, 192));
    }

    void smallScreenTable()
    {
        QCOMPARE(Grating::table(1).centre, 130);
        QCOMPARE(Grating::table(1).radius, 100);
        QCOMPARE(Grating::table(2).centre, 150);
        QCOMPARE(plan(0, 300, 400, 1).size(), QSize(260, 260));
    }
};

QTEST_MAIN(TestGrating)
#include "tst_grating.moc"
