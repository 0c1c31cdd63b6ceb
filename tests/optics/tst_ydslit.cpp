#include "gdi/PaintBox.h"
#include "optics/YDSPage.h"
#include "optics/YDSlit.h"
#include "shell/Session.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QToolButton>

namespace {

QImage fringes(const QColor &light, int p, int s)
{
    QImage image(410, 55, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Gdi::Canvas c(&image);
        YDSlit::DrawFringes(c, light, p, s);
    }
    return image;
}

// The colour of a fringe column (row 40 lies in the lit rows 28..51).
QRgb at(const QImage &image, int column)
{
    return image.pixel(column, 40);
}

constexpr QRgb Black = 0xff000000;

} // namespace

class TestYDSlit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void spacing_data()
    {
        QTest::addColumn<int>("wavelength");
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("step");
        // 7000 x 3000 / (50 x 10000) = 42 pixels: 4.2 mm.
        QTest::newRow("start, red") << 700 << 0 << 50 << 42 << 4 << 12;
        // 4500 x 500 / 1 000 000 = 2.25 -> 2.
        QTest::newRow("nearest, widest, violet") << 450 << 2500 << 100 << 2 << 100 << 255;
        // 7000 x 3000 / 100 000 = 210.
        QTest::newRow("farthest, narrowest, red") << 700 << 0 << 10 << 210 << 0 << 2;
        QTest::newRow("green at 2 m") << 475 << 1000 << 25 << 38 << 5 << 13;
    }
    void spacing()
    {
        QFETCH(int, wavelength);
        QFETCH(int, p);
        QFETCH(int, s);
        QFETCH(int, w);
        QFETCH(int, n);
        QFETCH(int, step);
        QCOMPARE(YDSlit::fringeSpacing(wavelength, p, s), w);
        QCOMPARE(YDSlit::fringesPerSide(w), n);
        QCOMPARE(YDSlit::fadeStep(w), step);
    }

    void colours_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("wavelength");
        QTest::newRow("red") << 1 << QColor(255, 0, 0) << 700;
        QTest::newRow("orange") << 2 << QColor(255, 128, 0) << 550;
        QTest::newRow("yellow") << 3 << QColor(255, 255, 0) << 500;
        QTest::newRow("green") << 4 << QColor(0, 255, 0) << 475;
        QTest::newRow("blue") << 5 << QColor(0, 0, 255) << 460;
        QTest::newRow("violet") << 6 << QColor(255, 0, 255) << 450;
    }
    void colours()
    {
        QFETCH(int, tag);
        QFETCH(QColor, colour);
        QFETCH(int, wavelength);
        QCOMPARE(YDSlit::colourForTag(tag, Qt::red), colour);
        QCOMPARE(YDSlit::wavelengthOf(colour), wavelength);
    }

    void otherColoursAndTags()
    {
        QCOMPARE(YDSlit::wavelengthOf(QColor(1, 2, 3)), 450);
        QCOMPARE(YDSlit::colourForTag(7, QColor(0, 0, 255)), QColor(0, 0, 255));
        QCOMPARE(YDSlit::colourForTag(0, QColor(0, 0, 255)), QColor(0, 0, 255));
    }

    // w = 42: each fringe reaches 20 columns to either side, so 226 (right of
    // the centre) and 183, 184 (left, one column nearer the middle) stay black.
    void gapsBetweenFringesAtStart()
    {
        const QImage image = fringes(Qt::red, 0, 50);
        QCOMPARE(at(image, 205), qRgb(255, 0, 0));
        QCOMPARE(at(image, 225), qRgb(15, 0, 0)); // 255 - 20 * 12
        QCOMPARE(at(image, 226), Black);
        QCOMPARE(at(image, 185), qRgb(15, 0, 0));
        QCOMPARE(at(image, 184), Black);
        QCOMPARE(at(image, 183), Black);
        QCOMPARE(at(image, 247), qRgb(255, 0, 0)); // the first right fringe at 205 + 42
        QCOMPARE(at(image, 162), qRgb(255, 0, 0)); // and its mirror at 409 - 247
        QCOMPARE(image.pixel(205, 27), Black); // rows 3..26 of the band only
        QCOMPARE(image.pixel(205, 52), Black);
    }

    // w = 2, step 255, n = 100: single full-colour columns alternate with black
    // from 4 to 405. Right of the centre the fringes stand at 205 + 2k (odd),
    // left of it at 204 - 2k (even), so 203 and 204 are both dark.
    void violetAlternationAtTheNearestScreen()
    {
        const QImage image = fringes(QColor(255, 0, 255), 2500, 100);
        QCOMPARE(at(image, 3), Black);
        for (int x = 4; x <= 405; ++x) {
            const bool lit = x >= 205 ? x % 2 == 1 : (x <= 202 && x % 2 == 0);
            QCOMPARE(at(image, x), lit ? qRgb(255, 0, 255) : Black);
        }
        QCOMPARE(at(image, 406), Black);
    }

    // w = 210, n = 0, step 2: one fringe dimming from 255 to 45 at columns 100 and 310.
    void onlyTheCentralFringeAtTheFarthestScreen()
    {
        const QImage image = fringes(Qt::red, 0, 10);
        QCOMPARE(at(image, 205), qRgb(255, 0, 0));
        QCOMPARE(at(image, 100), qRgb(45, 0, 0));
        QCOMPARE(at(image, 310), qRgb(45, 0, 0));
        QCOMPARE(at(image, 99), Black);
        QCOMPARE(at(image, 311), Black);
    }

    // Orange's green component stops falling once small: it fades to dark red.
    void orangeFadesTowardsRed()
    {
        const QImage image = fringes(QColor(255, 128, 0), 0, 50);
        const int w = YDSlit::fringeSpacing(550, 0, 50); // 33
        const QColor edge(at(image, 205 + w / 2 - 1));
        QVERIFY(edge.red() > edge.green());
        QVERIFY(edge.green() <= YDSlit::fadeStep(w));
    }

    void scaleAndRule()
    {
        QImage image(410, 55, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            Gdi::Canvas c(&image);
            YDSlit::DrawFringeScale(c);
        }
        QCOMPARE(image.pixel(205, 15), Black); // the centre tick, 10..19
        QCOMPARE(image.pixel(215, 12), qRgb(255, 255, 128)); // a short tick starts at 15
        QCOMPARE(image.pixel(215, 17), Black);
        QCOMPARE(image.pixel(255, 12), Black); // 5 mm: a long tick
        QCOMPARE(image.pixel(100, 20), Black); // the base line
    }

    void page()
    {
        Session session;
        YDSPage page(session);
        page.resize(430, 310);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto *label = page.findChild<QLabel *>(QStringLiteral("YSlitSepLabel"));
        auto *separation = page.findChild<QScrollBar *>(QStringLiteral("YSlitSepHsb"));
        QCOMPARE(label->text(), QStringLiteral("0.50 mm"));
        separation->setValue(10);
        QCOMPARE(label->text(), QStringLiteral("0.10 mm"));
        separation->setValue(100);
        QCOMPARE(label->text(), QStringLiteral("1.00 mm"));

        auto *fringePic = page.findChild<PaintBox *>(QStringLiteral("FringePic"));
        auto *ydsPic = page.findChild<PaintBox *>(QStringLiteral("YDSpic"));
        fringePic->ensurePainted();
        ydsPic->ensurePainted();
        // Choosing a colour redraws the beam (row 33 + 50) and the fringes.
        page.findChild<QAction *>(QStringLiteral("blue1"))->trigger();
        QCOMPARE(page.lightColour(), QColor(0, 0, 255));
        QCOMPARE(ydsPic->surface().pixel(100, 83), qRgb(0, 0, 255));
        QCOMPARE(fringePic->surface().pixel(205, 40), qRgb(0, 0, 255));
        // The scale is not redrawn: it is still there above the fringes.
        QCOMPARE(fringePic->surface().pixel(205, 15), Black);

        // Moving the screen moves it on the rule: P = 2000 puts it at column 200.
        page.findChild<QSlider *>(QStringLiteral("ScreenHsb"))->setValue(2000);
        QCOMPARE(ydsPic->surface().pixel(200, 60), Black); // its outline
        QCOMPARE(ydsPic->surface().pixel(202, 60), qRgb(255, 255, 224)); // cream

        // The zoom view shows while the button is held.
        auto *zoomBtn = page.findChild<QToolButton *>(QStringLiteral("YDSZoomBtn"));
        auto *zoomPic = page.findChild<PaintBox *>(QStringLiteral("YDSZoomPic"));
        QVERIFY(!zoomPic->isVisible());
        QTest::mousePress(zoomBtn, Qt::LeftButton);
        QVERIFY(zoomPic->isVisible());
        QTest::mouseRelease(zoomBtn, Qt::LeftButton);
        QVERIFY(!zoomPic->isVisible());
    }

    void markerLine()
    {
        Session session;
        YDSPage page(session);
        page.resize(430, 310);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto *pic = page.findChild<PaintBox *>(QStringLiteral("FringePic"));
        pic->ensurePainted();
        const QImage before = pic->surface().copy();
        QTest::mousePress(pic, Qt::LeftButton, {}, QPoint(100, 30));
        QCOMPARE(page.markerX(), 100);
        QCOMPARE(pic->surface().pixel(100, 5), before.pixel(100, 5) ^ 0x008000u);
        QMouseEvent move(QEvent::MouseMove, QPointF(150, 30), pic->mapToGlobal(QPointF(150, 30)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(pic, &move);
        QCOMPARE(pic->surface().pixel(100, 5), before.pixel(100, 5));
        QCOMPARE(pic->surface().pixel(150, 5), before.pixel(150, 5) ^ 0x008000u);
        QTest::mouseRelease(pic, Qt::LeftButton, {}, QPoint(150, 30));
        QCOMPARE(page.markerX(), -1);
        QCOMPARE(pic->surface(), before);
    }
};

Q_DECLARE_METATYPE(QRgb)

QTEST_MAIN(TestYDSlit)
#include "tst_ydslit.moc"
