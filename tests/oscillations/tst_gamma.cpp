#include "gdi/PaintBox.h"
#include "gdi/ResourcePictures.h"
#include "oscillations/Gamma.h"
#include "oscillations/GammaPage.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

QImage render(int w, int h, const std::function<void(Gdi::Canvas &)> &draw)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Gdi::Canvas c(&image);
        draw(c);
    }
    return image;
}

constexpr QRgb LightYellow = 0xffffff80;

struct Fixture
{
    Session session;
    GammaPage page{session};
    Fixture()
    {
        page.resize(450, 400);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
    }
    QScrollBar *bar(const char *name) const { return page.findChild<QScrollBar *>(QString::fromLatin1(name)); }
    // Moves a bar as a drag does: the position is proposed, then taken.
    void drag(const char *name, int position) const { bar(name)->setSliderPosition(position); }
    QString text(const char *name) const { return page.findChild<QLabel *>(QString::fromLatin1(name))->text(); }
    QPushButton *button(const char *name) const { return page.findChild<QPushButton *>(QString::fromLatin1(name)); }
};

} // namespace

class TestGamma : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The "counter" caption stands in front of the picture it overlaps.
    void counterCaptionIsVisible()
    {
        Fixture f;
        auto *counter = f.page.findChild<QLabel *>(QStringLiteral("CounterLabel"));
        QCOMPARE(counter->text(), QStringLiteral("counter"));
        QVERIFY(counter->isVisible());
        const QPoint centre = counter->geometry().center();
        QCOMPARE(counter->parentWidget()->childAt(centre), counter);
    }

    void countRate_data()
    {
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("rate");
        QTest::newRow("12 mm: capped") << 12 << 0 << 1000; // 10^7 / 144 = 69 444
        QTest::newRow("100 mm: exactly the cap") << 100 << 0 << 1000; // 10^7 / 10^4
        QTest::newRow("500 mm") << 500 << 0 << 40;
        QTest::newRow("500 mm behind 5 mm") << 500 << 5 << 7; // 40 e^-1.73 = 7.09
        QTest::newRow("3000 mm") << 3000 << 0 << 1; // 1.11
        QTest::newRow("1000 mm behind 10 mm") << 1000 << 10 << 0; // 10 e^-3.46 = 0.31
        QTest::newRow("no distance") << 0 << 0 << 1000;
    }
    void countRate()
    {
        QFETCH(int, s);
        QFETCH(int, t);
        QFETCH(int, rate);
        QCOMPARE(Gamma::CountRate(s, t), rate);
    }

    void counterText_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "00000";
        QTest::newRow("7") << 7 << "00007";
        QTest::newRow("99") << 99 << "00099";
        QTest::newRow("999") << 999 << "00999";
        QTest::newRow("9999") << 9999 << "09999";
        QTest::newRow("10000") << 10000 << "10000";
        QTest::newRow("60000") << 60000 << "60000";
        QTest::newRow("123456") << 123456 << "123456";
    }
    void counterText()
    {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(Gamma::counterText(value), text);
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("GAMMA size and corner") << "GAMMA" << QSize(9, 11) << QPoint(0, 0) << QColor(0, 0, 0);
        QTest::newRow("GAMMA body") << "GAMMA" << QSize(9, 11) << QPoint(2, 2) << QColor(128, 128, 128);
        QTest::newRow("GAMMA source") << "GAMMA" << QSize(9, 11) << QPoint(5, 4) << QColor(255, 0, 0);
        QTest::newRow("GAMMA opening") << "GAMMA" << QSize(9, 11) << QPoint(8, 6) << QColor(255, 255, 255);
        QTest::newRow("GAMMA opening edge") << "GAMMA" << QSize(9, 11) << QPoint(4, 7) << QColor(0, 0, 0);
        QTest::newRow("GMTUBE body") << "GMTUBE" << QSize(22, 10) << QPoint(10, 3) << QColor(0, 0, 255);
        QTest::newRow("GMTUBE white edge") << "GMTUBE" << QSize(22, 10) << QPoint(0, 1) << QColor(255, 255, 255);
        QTest::newRow("GMTUBE foot") << "GMTUBE" << QSize(22, 10) << QPoint(6, 7) << QColor(192, 192, 192);
        QTest::newRow("GMTUBE beside foot") << "GMTUBE" << QSize(22, 10) << QPoint(21, 8) << QColor(255, 255, 255);
    }
    void pictures()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        const QImage image = Gdi::resourcePicture(name.toLatin1().constData());
        QCOMPARE(image.size(), size);
        QCOMPARE(QColor(image.pixel(pixel)), colour);
    }

    void bench()
    {
        // Detector at 500 mm (pixel 50), absorber at 100 mm (pixel 10), 5 mm thick.
        const QImage image = render(335, 20, [](Gdi::Canvas &c) { Gamma::DrawGammaBench(c, 0, 0, 50, 10, 5, false); });
        QCOMPARE(image.pixel(5, 11), qRgb(255, 0, 0)); // the source at (0, 7)
        QCOMPARE(image.pixel(70, 13), qRgb(0, 0, 255)); // the tube at (60, 10)
        QCOMPARE(image.pixel(20, 5), qRgb(0, 0, 0)); // absorber outline at 20..21
        QCOMPARE(image.pixel(100, 12), qRgb(0, 0, 0)); // the cable
        const QImage background = render(335, 20,
                                         [](Gdi::Canvas &c) { Gamma::DrawGammaBench(c, 0, 0, 50, 10, 0, true); });
        QCOMPARE(background.pixel(5, 11), qRgb(255, 255, 255)); // no source
        QCOMPARE(background.pixel(20, 5), qRgb(255, 255, 255)); // no absorber
    }

    // Q = 12: f = -2, the ruler starts at the 0 mm mark at x = 12 (outline 8 to the left).
    void zoomNearTheStart()
    {
        const QImage image = render(120, 65, [](Gdi::Canvas &c) { Gamma::DrawDetectorZoom(c, 12, 0, 0); });
        QCOMPARE(image.pixel(4, 60), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(3, 60), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(12, 45), qRgb(0, 0, 0)); // the 0 cm tick
        QCOMPARE(image.pixel(70, 10), qRgb(128, 128, 255)); // the tube from 62
    }

    // Q = 25: f = -1; the ruler's left end (the 0 mm mark) is 40 pixels left of the view.
    void zoomAt25()
    {
        const QImage image = render(120, 65, [](Gdi::Canvas &c) { Gamma::DrawDetectorZoom(c, 25, 0, 0); });
        QCOMPARE(image.pixel(20, 44), LightYellow);
        QCOMPARE(image.pixel(1, 44), qRgb(64, 64, 64)); // only the edge: no outline in view
        // The centre is 25 mm, a 5 mm tick (to y = 40).
        QCOMPARE(image.pixel(60, 38), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(60, 44), LightYellow);
    }

    // Q = 2990: f = 296, the ruler ends at x = 101, its outline at 108.
    void zoomAt2990()
    {
        const QImage image = render(120, 65, [](Gdi::Canvas &c) { Gamma::DrawDetectorZoom(c, 2990, 100, 0); });
        QCOMPARE(image.pixel(105, 44), LightYellow);
        QCOMPARE(image.pixel(108, 44), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(112, 44), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(100, 45), qRgb(0, 0, 0)); // the 300 cm tick
    }

    void absorberInTheViews()
    {
        // Detector view: S 500, A 480, T 5: the absorber's right face at 60 - 4 * 15 = 0: not drawn.
        QImage image = render(120, 65, [](Gdi::Canvas &c) { Gamma::DrawDetectorZoom(c, 500, 480, 5); });
        QCOMPARE(image.pixel(2, 15), qRgb(255, 255, 255));
        // A 490: face at 40, absorber from 20 to 40.
        image = render(120, 65, [](Gdi::Canvas &c) { Gamma::DrawDetectorZoom(c, 500, 490, 5); });
        QCOMPARE(image.pixel(30, 15), qRgb(128, 128, 128));
        // Absorber view: the absorber from 60 to 80, the tube at 60 + 4 * 10 = 100.
        image = render(120, 65, [](Gdi::Canvas &c) { Gamma::DrawAbsorberZoom(c, 500, 490, 5); });
        QCOMPARE(image.pixel(70, 15), qRgb(128, 128, 128));
        QCOMPARE(image.pixel(110, 10), qRgb(128, 128, 255));
    }

    void scrollLimits()
    {
        Fixture f;
        // The absorber's back face stops at the detector: 500 - 5.
        f.drag("AbsorberHsb", 600);
        QCOMPARE(f.bar("AbsorberHsb")->value(), 495);
        // The detector stops behind the absorber: 495 + 5.
        f.drag("GmtHsb", 300);
        QCOMPARE(f.bar("GmtHsb")->value(), 500);
        // A thicker absorber pushes the absorber back from the detector.
        f.drag("ThickHsb", 8);
        QCOMPARE(f.bar("ThickHsb")->value(), 8);
        QCOMPARE(f.bar("AbsorberHsb")->value(), 492);
        QCOMPARE(f.text("ThickLabel"), QStringLiteral("absorber thickness 8 mm"));
        // Without absorber the bar is off and the detector may go down to 12 mm.
        f.drag("ThickHsb", 0);
        QVERIFY(!f.bar("AbsorberHsb")->isEnabled());
        f.drag("GmtHsb", 12);
        QCOMPARE(f.bar("GmtHsb")->value(), 12);
        f.drag("ThickHsb", 1);
        QVERIFY(f.bar("AbsorberHsb")->isEnabled());
        // Positions set by the program are not limited.
        f.bar("AbsorberHsb")->setValue(2000);
        QCOMPARE(f.bar("AbsorberHsb")->value(), 2000);
    }

    // Detector at 3000 mm: 1 count a second, and 2 - r more every third second
    // with r = 0, 0, 2, 0, 0, 2, 0, 0, 1, 1, 0, 1, 0, 2, 0, 0, 2, 1, 2, 0 from
    // the generator: 60 + 26 = 86.
    void fixedRun()
    {
        Fixture f;
        f.bar("ThickHsb")->setValue(0);
        f.bar("GmtHsb")->setValue(3000);
        int atSix = -1;
        QTimer::singleShot(0, &f.page, [&] {
            auto *poll = new QTimer(&f.page);
            connect(poll, &QTimer::timeout, &f.page, [&, poll] {
                if (f.text("TimeLabel") == QLatin1String("6") && atSix < 0) {
                    atSix = f.page.count();
                    poll->stop();
                }
            });
            poll->start(5);
        });
        f.page.CountStartBtnClick();
        QCOMPARE(f.text("TimeLabel"), QStringLiteral("60"));
        QCOMPARE(f.page.count(), 86);
        QCOMPARE(atSix, 10);
        QVERIFY(f.session.isAnimating()); // a finished run leaves the flag as the loop set it
        QVERIFY(f.button("CountStartBtn")->isEnabled());
        QVERIFY(!f.button("CountStopBtn")->isEnabled());
    }

    void backgroundRun()
    {
        Fixture f;
        f.page.findChild<QCheckBox *>(QStringLiteral("BgndChk"))->click();
        f.page.CountStartBtnClick();
        QCOMPARE(f.page.count(), 26);
        const QImage picture = f.page.findChild<PaintBox *>(QStringLiteral("GammaPic"))->surface();
        QCOMPARE(picture.pixel(5, 81), qRgb(255, 255, 255)); // the source is gone
    }

    void stopDuringARun()
    {
        Fixture f;
        QTimer::singleShot(300, &f.page, [&] {
            QVERIFY(!f.button("CountStartBtn")->isEnabled());
            f.button("CountStopBtn")->click();
        });
        f.page.CountStartBtnClick();
        const int seconds = f.text("TimeLabel").toInt();
        QVERIFY(seconds >= 1 && seconds < 60);
        QVERIFY(!f.session.isAnimating());
        QVERIFY(f.button("CountStartBtn")->isEnabled());
        // 40 counts a second at 500 mm without absorber... behind 5 mm, 7 a second.
        QVERIFY(f.page.count() >= 7 * seconds);
    }
};

QTEST_MAIN(TestGamma)
#include "tst_gamma.moc"
