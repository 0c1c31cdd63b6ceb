#include "gdi/PaintBox.h"
#include "optics/Ripple.h"
#include "optics/RipplePage.h"
#include "shell/Session.h"
#include "waves/AuxCirclePage.h"
#include "waves/StatWave.h"
#include "waves/StatWavePage.h"
#include "waves/TransWave.h"
#include "waves/WaveMaths.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

template<typename Draw>
QImage render(int w, int h, Draw draw)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Gdi::Canvas c(&image);
        draw(c);
    }
    return image;
}

const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);

} // namespace

class TestMovingWaves : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A full cycle brings the picture back: p = 0 and p = 360 are the same frame.
    void transverseCycle_data()
    {
        QTest::addColumn<bool>("transverse");
        QTest::newRow("transverse") << true;
        QTest::newRow("longitudinal") << false;
    }
    void transverseCycle()
    {
        QFETCH(bool, transverse);
        const auto draw = [transverse](int p) {
            return render(360, 160, [&](Gdi::Canvas &c) {
                transverse ? TransWave::DrawTransverseWave(c, 360, 160, true, p, 30)
                           : TransWave::DrawLongitudinalWave(c, 360, 160, true, p, 10);
            });
        };
        QCOMPARE(draw(0), draw(360));
        QVERIFY(draw(0) != draw(90));
    }

    void extentsAtLargestAmplitude()
    {
        const auto points = TransWave::TransversePoints(80, 60, 0);
        int top = 160;
        int bottom = 0;
        for (const QPoint &p : points) {
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
        QCOMPARE(top, 20);
        QCOMPARE(bottom, 140);
        const auto lines = TransWave::LongitudinalPoints(20, 0);
        int most = 0;
        for (int i = 0; i < 180; ++i) {
            most = std::max(most, std::abs(lines[std::size_t(i)].x() - 2 * i));
        }
        QCOMPARE(most, 20);
    }

    void zeroAmplitudeIsAStraightRow()
    {
        const QImage image = render(360, 160,
                                    [](Gdi::Canvas &c) { TransWave::DrawTransverseWave(c, 360, 160, false, 77, 0); });
        for (int x = 20; x <= 340; x += 20) {
            QCOMPARE(image.pixel(x, 80), Blue); // particle centres on the midline
        }
        const auto lines = TransWave::LongitudinalPoints(0, 33);
        for (int i = 0; i < 180; i += 4) {
            QCOMPARE(lines[std::size_t(i)].x(), 2 * i);
        }
    }

    void highlightedParticle()
    {
        // The red particle stays at x = 180 whatever the phase.
        for (int p : {0, 45, 200}) {
            const QImage image = render(
                360, 160, [p](Gdi::Canvas &c) { TransWave::DrawTransverseWave(c, 360, 160, true, p, 30); });
            const int y = TransWave::TransversePoints(80, 30, p)[90].y();
            QCOMPARE(image.pixel(180, y), Red);
        }
        // The red line swings about 176 in the longitudinal picture.
        const QImage image = render(360, 160,
                                    [](Gdi::Canvas &c) { TransWave::DrawLongitudinalWave(c, 360, 160, true, 0, 10); });
        const int x = TransWave::LongitudinalPoints(10, 0)[88].x();
        QCOMPARE(image.pixel(x, 80), Red);
        QCOMPARE(image.pixel(x, 9), qRgb(255, 255, 255)); // lines run from y = 10
    }

    // At the start the two travelling waves coincide; both must still show,
    // the red as a border on each side of the blue, at every harmonic.
    void bothTravellingWavesShowWhereTheyCoincide()
    {
        for (int n = 1; n <= 7; ++n) {
            const QImage image = render(360, 80, [n](Gdi::Canvas &c) { StatWave::DrawTravellingWaves(c, n, 0); });
            for (int i = 10; i <= 170; i += 20) {
                const int x = 2 * i;
                const int y = StatWave::travellingY(n, 0, i, -1);
                QCOMPARE(image.pixel(x, y), Blue);
                const bool redBeside = image.pixel(x, y - 1) == Red || image.pixel(x, y + 1) == Red
                                       || image.pixel(x - 1, y) == Red || image.pixel(x + 1, y) == Red;
                QVERIFY2(redBeside, qPrintable(QStringLiteral("n = %1, x = %2").arg(n).arg(x)));
            }
        }
    }

    void standingWave_data()
    {
        QTest::addColumn<int>("n");
        for (int n : {1, 2, 7}) {
            QTest::addRow("n = %d", n) << n;
        }
    }
    void standingWave()
    {
        QFETCH(int, n);
        for (int i = 0; i <= 180; ++i) {
            // At phi = 90 the sum is flat; at phi = 0 the full height 76; phi = 180 is upside down.
            QCOMPARE(StatWave::standingY(n, 90, i), 80);
            QCOMPARE(StatWave::standingY(n, 180, i) - 80, 80 - StatWave::standingY(n, 0, i));
            // The two travelling waves coincide at phi = 0 and mirror each other at 90.
            QCOMPARE(StatWave::travellingY(n, 0, i, +1), StatWave::travellingY(n, 0, i, -1));
        }
        // Nodes at x = 360 k / n stay on the axis in every frame.
        for (int k = 0; k <= n; ++k) {
            const int i = 180 * k / n;
            if (180 * k % n == 0) {
                for (int phase : {0, 37, 123}) {
                    QCOMPARE(StatWave::standingY(n, phase, i), 80);
                }
            }
        }
        int peak = 0;
        for (int i = 0; i <= 180; ++i) {
            peak = std::max(peak, std::abs(80 - StatWave::standingY(n, 0, i)));
        }
        QCOMPARE(peak, 76);
    }

    void mirrorAtNinety()
    {
        for (int i = 0; i <= 180; ++i) {
            QCOMPARE(StatWave::travellingY(3, 90, i, +1) - 40, 40 - StatWave::travellingY(3, 90, i, -1));
        }
    }

    void harmonicLabels()
    {
        Session session;
        StatWavePage page(session);
        auto *frequency = page.findChild<QLabel *>(QStringLiteral("SWfrequencyLabel"));
        auto *wavelength = page.findChild<QLabel *>(QStringLiteral("Wlabel"));
        QCOMPARE(page.harmonic(), 2);
        // The start-up labels describe the harmonic selected at start (n = 2).
        QCOMPARE(frequency->text(), QStringLiteral("frequency = 2f"));
        QCOMPARE(wavelength->text(), QStringLiteral("wavelength = L"));
        // n half-wavelengths across L: the wavelength is 2L/n.
        const QStringList expected{QStringLiteral("wavelength = 2L"),   QStringLiteral("wavelength = L"),
                                   QStringLiteral("wavelength = 2L/3"), QStringLiteral("wavelength = L/2"),
                                   QStringLiteral("wavelength = 2L/5"), QStringLiteral("wavelength = L/3"),
                                   QStringLiteral("wavelength = 2L/7")};
        auto *group = page.findChild<QGroupBox *>(QStringLiteral("RadioGroup1"));
        const auto radios = group->findChildren<QRadioButton *>();
        for (int n = 1; n <= 7; ++n) {
            radios[n - 1]->click();
            QCOMPARE(page.harmonic(), n);
            QCOMPARE(frequency->text(), QStringLiteral("frequency = %1f").arg(n));
            QCOMPARE(wavelength->text(), expected[n - 1]);
        }
    }

    void auxCircleLabels_data()
    {
        QTest::addColumn<int>("theta");
        QTest::addColumn<int>("psi");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("phase");
        const QString deg(QChar(0x00BA));
        QTest::newRow("start") << 0 << 0 << QStringLiteral("angle = 0%1   :   0.00 rad").arg(deg)
                               << QStringLiteral("phase = 0%1   :   0.00 rad").arg(deg);
        QTest::newRow("a quarter turn") << 90 << -90 << QStringLiteral("angle = 90%1   :   1.57 rad").arg(deg)
                                        << QStringLiteral("phase = -90%1   :   -1.57 rad").arg(deg);
        QTest::newRow("full turn") << 360 << 360 << QStringLiteral("angle = 360%1   :   6.28 rad").arg(deg)
                                   << QStringLiteral("phase = 360%1   :   6.28 rad").arg(deg);
    }
    void auxCircleLabels()
    {
        QFETCH(int, theta);
        QFETCH(int, psi);
        QFETCH(QString, angle);
        QFETCH(QString, phase);
        Session session;
        AuxCirclePage page(session);
        page.startUp();
        page.findChild<QScrollBar *>(QStringLiteral("AuxCircleHsb"))->setValue(theta);
        page.findChild<QScrollBar *>(QStringLiteral("AuxPhaseHsb"))->setValue(psi);
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("AuxAngleLabel"))->text(), angle);
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("AuxPhaseLabel"))->text(), phase);
    }

    // At theta = 90 the red point is at the top of the circle, (100, 10), and
    // its projection at (245, 10).
    void auxCirclePoints()
    {
        const QImage image = render(400, 200, [](Gdi::Canvas &c) { WaveMaths::DrawAuxCircle(c, 90, 0); });
        QCOMPARE(image.pixel(100, 10), Red);
        QCOMPARE(image.pixel(245, 10), Red);
        QCOMPARE(image.pixel(200, 10), Red);
        // Psi = 360: the yellow point hides under the red one.
        const QImage full = render(400, 200, [](Gdi::Canvas &c) { WaveMaths::DrawAuxCircle(c, 90, 360); });
        QCOMPARE(full.pixel(100, 10), Red);
        // Theta = 0: both on the circle at (190, 100).
        const QImage start = render(400, 200, [](Gdi::Canvas &c) { WaveMaths::DrawAuxCircle(c, 0, 0); });
        QCOMPARE(start.pixel(190, 100), Red);
        QCOMPARE(start.pixel(380, 100), qRgb(0, 0, 0)); // the curves end at x = 380 on the axis
    }

    void rippleFrames()
    {
        const auto frame = [](int t, int w) {
            return render(300, 240, [t, w](Gdi::Canvas &c) { Ripple::DrawSingleSlitFrame(c, t, w, 100); });
        };
        QCOMPARE(frame(0, 20), frame(20, 20));
        QVERIFY(frame(0, 20) != frame(5, 20));
        // Frame 0: straight blue crests up to x = 100 (the barrier covers 95..104).
        const QImage f0 = frame(0, 20);
        QCOMPARE(f0.pixel(80, 30), Blue);
        QCOMPARE(f0.pixel(20, 200), Blue);
        // The semicircle of radius 20 about (100, 120) crosses the middle line
        // just inside x = 120 (its square's right edge is excluded).
        bool crossing = false;
        for (int x = 116; x < 120; ++x) {
            crossing = crossing || f0.pixel(x, 120) == Red;
        }
        QVERIFY(crossing);
        QCOMPARE(f0.pixel(121, 120), qRgb(255, 255, 255));
        // Frame 5: every crest 5 pixels on.
        QCOMPARE(frame(5, 20).pixel(85, 30), Blue);
    }

    // w = 200: the gap runs from 20 to 220 and the front beyond is flat between them.
    void flatFrontOfAWideSlit()
    {
        const QImage image = render(300, 240, [](Gdi::Canvas &c) { Ripple::DrawSingleSlitFrame(c, 0, 200, 100); });
        for (int y = 20; y < 220; y += 10) {
            QCOMPARE(image.pixel(140, y), Red);
        }
        QCOMPARE(image.pixel(140, 0 + 5), qRgb(255, 255, 255)); // beyond the end's quarter circle
    }

    void reinforcementLines_data()
    {
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("pairs");
        QTest::newRow("h = 10, a = 40") << 10 << 1;
        QTest::newRow("h = 30, a = 80") << 30 << 3;
        QTest::newRow("h = 50, a = 120") << 50 << 5;
    }
    void reinforcementLines()
    {
        QFETCH(int, h);
        QFETCH(int, pairs);
        QCOMPARE(int(Ripple::reinforcementPoints(h).size()), pairs);
    }

    // a = 40, first order: cos phi = (40^2 + 500^2 - 520^2) / (2 40 500) = -0.47.
    void firstOrderDirection()
    {
        const auto points = Ripple::reinforcementPoints(10);
        QCOMPARE(points.front(), QPoint(441, 235 + 10 + 10 + 5));
    }

    void rippleStartFrom600ShowsFrame0()
    {
        Session session;
        RipplePage page(session);
        page.resize(410, 330);
        page.show();
        auto *frame = page.findChild<QScrollBar *>(QStringLiteral("RippleHsb"));
        frame->setValue(600);
        int first = -1;
        connect(frame, &QScrollBar::valueChanged, &page, [&](int v) {
            if (first < 0) {
                first = v;
                session.stopAnimations();
            }
        });
        page.rpStartBtnClick();
        QCOMPARE(first, 0);
    }

    void rippleModelSwitch()
    {
        Session session;
        RipplePage page(session);
        page.resize(410, 330);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto *pic = page.findChild<PaintBox *>(QStringLiteral("Rippic"));
        page.findChild<QScrollBar *>(QStringLiteral("RippleHsb"))->setValue(7);
        page.findChild<QRadioButton *>(QStringLiteral("dsRB"))->click();
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("rpLabel"))->text(), QStringLiteral("slit separation"));
        QVERIFY(page.findChild<QWidget *>(QStringLiteral("rpSepHsb"))->isVisible());
        QVERIFY(!page.findChild<QWidget *>(QStringLiteral("rpWidthHsb"))->isVisible());
        const QImage expected = render(300, 240,
                                       [](Gdi::Canvas &c) { Ripple::DrawDoubleSlitFrame(c, 7, 10, true, 100); });
        QCOMPARE(pic->surface(), expected);
    }
};

QTEST_MAIN(TestMovingWaves)
#include "tst_movingwaves.moc"
