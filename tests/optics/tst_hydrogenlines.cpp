#include "gdi/PaintBox.h"
#include "optics/HydrogenLines.h"
#include "optics/HydrogenPage.h"
#include "shell/Session.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace EmSpectra;

namespace {

QImage strip()
{
    QImage image(350, 85, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Gdi::Canvas c(&image);
        DrawSpectrum(c);
    }
    return image;
}

struct Fixture
{
    Session session;
    HydrogenPage page{session};
    Fixture()
    {
        session.speed(AnimSpeed::Spectrum) = 0;
        page.resize(430, 470);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        diagram()->ensurePainted();
        lines()->ensurePainted();
    }
    PaintBox *diagram() const { return page.findChild<PaintBox *>(QStringLiteral("HSpecPic")); }
    PaintBox *lines() const { return page.findChild<PaintBox *>(QStringLiteral("SpecLinePic")); }
    void moveTo(QPoint p) const
    {
        QTest::mouseMove(diagram(), p);
        QApplication::processEvents();
    }
};

} // namespace

class TestHydrogenLines : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void transitions_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("lower");
        QTest::addColumn<QString>("wavelength");
        QTest::addColumn<int>("x");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<Gdi::Rect>("arrow");
        const QColor white(255, 255, 255);
        const QColor violet(255, 0, 255);
        QTest::newRow("2->1") << 1 << 2 << 1 << "121.65" << 29 << white << Gdi::Rect{60, 94, 70, 345};
        QTest::newRow("3->1") << 2 << 3 << 1 << "102.64" << 26 << white << Gdi::Rect{70, 47, 80, 345};
        QTest::newRow("4->1") << 3 << 4 << 1 << "97.32" << 26 << white << Gdi::Rect{80, 31, 90, 345};
        QTest::newRow("5->1") << 4 << 5 << 1 << "95.04" << 25 << white << Gdi::Rect{90, 23, 100, 345};
        QTest::newRow("3->2") << 5 << 3 << 2 << "656.91" << 115 << QColor(255, 0, 0) << Gdi::Rect{120, 47, 130, 94};
        QTest::newRow("4->2") << 6 << 4 << 2 << "486.60" << 88 << QColor(0, 0, 255) << Gdi::Rect{130, 31, 140, 94};
        QTest::newRow("5->2") << 7 << 5 << 2 << "434.46" << 80 << violet << Gdi::Rect{140, 23, 150, 94};
        QTest::newRow("6->2") << 8 << 6 << 2 << "410.57" << 76 << violet << Gdi::Rect{150, 19, 160, 94};
        QTest::newRow("4->3") << 9 << 4 << 3 << "1876.88" << 310 << white << Gdi::Rect{180, 31, 190, 47};
        QTest::newRow("5->3") << 10 << 5 << 3 << "1283.02" << 215 << white << Gdi::Rect{190, 23, 200, 47};
        QTest::newRow("6->3") << 11 << 6 << 3 << "1094.84" << 185 << white << Gdi::Rect{200, 19, 210, 47};
        QTest::newRow("7->3") << 12 << 7 << 3 << "1005.89" << 171 << white << Gdi::Rect{210, 17, 220, 47};
    }
    void transitions()
    {
        QFETCH(int, i);
        QFETCH(int, upper);
        QFETCH(int, lower);
        QFETCH(QString, wavelength);
        QFETCH(int, x);
        QFETCH(QColor, colour);
        QFETCH(Gdi::Rect, arrow);
        QCOMPARE(QString::number(photonWavelength(upper, lower), 'f', 2), wavelength);
        QCOMPARE(lineX(i), x);
        const auto table = transitionTable(2);
        QCOMPARE(table[std::size_t(i - 1)].arrow, arrow);
        QCOMPARE(table[std::size_t(i - 1)].upper, upper);
        // The line in the strip, in the band's rows 10..47.
        QCOMPARE(QColor(strip().pixel(x, 30)), colour);
    }

    // Under the strip, the white lines' regions are named ultraviolet (left
    // of 400 nm) and infrared (right of 700 nm), in grey, as not visible light.
    void invisibleRegionsAreNamed()
    {
        const QImage image = strip();
        // Nothing else stands in the title's row at either end.
        const auto inkIn = [&image](int x0, int x1) {
            int count = 0;
            for (int y = 66; y < 80; ++y) {
                for (int x = x0; x < x1; ++x) {
                    count += QColor(image.pixel(x, y)) != QColor(Qt::white);
                }
            }
            return count;
        };
        QVERIFY(inkIn(10, 70) > 20); // "ultraviolet", left of the 400 nm mark at x = 74
        QVERIFY(inkIn(285, 332) > 20); // "infrared", at the far end
    }

    void lineWidths()
    {
        const QImage image = strip();
        // Balmer and Paschen lines are 2 pixels wide, Lyman lines 1.
        const auto lit = [&image](int x) { return QColor(image.pixel(x, 30)) != QColor(0, 0, 0); };
        QVERIFY(lit(114) || lit(116));
        QVERIFY(!lit(28) && !lit(30));
    }

    void levels_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("ys");
        QTest::addColumn<int>("step");
        QTest::newRow("normal screen") << 2 << QList<int>{345, 94, 47, 31, 23, 19, 17} << 49;
        QTest::newRow("small screen") << 1 << QList<int>{260, 72, 38, 26, 20, 17, 15} << 37;
    }
    void levels()
    {
        QFETCH(int, mode);
        QFETCH(QList<int>, ys);
        QFETCH(int, step);
        const Scale s = scale(mode);
        for (int n = 1; n <= 7; ++n) {
            QCOMPARE(s.levelY(n), ys[n - 1]);
        }
        QCOMPARE(s.axisStep(), step);
        QCOMPARE(s.height, mode == 1 ? 280 : 365);
    }

    void hitTesting()
    {
        const auto table = transitionTable(2);
        QCOMPARE(hitTest(table, QPoint(60, 94)), 1);
        QCOMPARE(hitTest(table, QPoint(69, 344)), 1);
        QCOMPARE(hitTest(table, QPoint(70, 200)), 2); // the right edge belongs to the next
        QCOMPARE(hitTest(table, QPoint(65, 345)), 0); // the bottom edge is excluded
        QCOMPARE(hitTest(table, QPoint(65, 93)), 0);
        QCOMPARE(hitTest(table, QPoint(215, 30)), 12);
        QCOMPARE(hitTest(table, QPoint(300, 30)), 0);
    }

    // Transition 1 starts at y 94 and falls 2 pixels a frame; its last frame is
    // at 340. Transition 9 falls 1 a frame from 31 to 42.
    void electronFrames_data()
    {
        QTest::addColumn<int>("transition");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("frames");
        QTest::newRow("2->1") << 1 << 94 << 340 << 124;
        QTest::newRow("4->3") << 9 << 31 << 42 << 12;
    }
    void electronFrames()
    {
        QFETCH(int, transition);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, frames);
        Fixture f;
        QSignalSpy drawn(&f.page, &HydrogenPage::electronDrawn);
        const QImage before = f.diagram()->surface().copy();
        // The diagram read at any frame shows that frame's electron.
        int shownAsDrawn = 0;
        connect(&f.page, &HydrogenPage::electronDrawn, &f.page, [&](int, int x, int y) {
            if (drawn.size() <= 2) {
                QImage expected(before.size(), QImage::Format_RGB32);
                Gdi::Canvas c(&expected);
                DrawDiagram(c, f.session.screenMode, f.page.transitions(), QPoint(x, y));
                c.end();
                shownAsDrawn += f.diagram()->surface() == expected;
            }
        });
        f.page.runTransition(transition);
        QCOMPARE(shownAsDrawn, 2);
        QCOMPARE(drawn.size(), frames);
        QCOMPARE(drawn.first().at(2).toInt(), first);
        QCOMPARE(drawn.last().at(2).toInt(), last);
        QVERIFY(!f.session.isAnimating());
        QCOMPARE(f.diagram()->surface(), before); // left without the electron
    }

    void clickStartsAFall()
    {
        Fixture f;
        QSignalSpy drawn(&f.page, &HydrogenPage::electronDrawn);
        QTest::mouseClick(f.diagram(), Qt::LeftButton, {}, QPoint(185, 40));
        QCOMPARE(drawn.size(), 12);
        QCOMPARE(drawn.first().at(0).toInt(), 9);
    }

    void hoverMarksTheLine()
    {
        Fixture f;
        const QImage clean = f.lines()->surface().copy();
        f.moveTo(QPoint(125, 60)); // transition 5
        QCOMPARE(f.page.hovered(), 5);
        // The triangle over the red line at x = 115, in the white margin above the band.
        QVERIFY(f.lines()->surface().pixel(115, 4) != clean.pixel(115, 4));
        QCOMPARE(f.lines()->surface().pixel(125, 4), clean.pixel(125, 4));
        f.moveTo(QPoint(135, 60)); // to transition 6: the mark moves
        QCOMPARE(f.page.hovered(), 6);
        QCOMPARE(f.lines()->surface().pixel(115, 4), clean.pixel(115, 4));
        f.moveTo(QPoint(300, 300)); // off the arrows: no mark
        QCOMPARE(f.page.hovered(), 0);
        QCOMPARE(f.lines()->surface(), clean);
    }

    void stopDuringAnimateLeavesNothing()
    {
        Fixture f;
        const QImage cleanLines = f.lines()->surface().copy();
        const QImage cleanDiagram = f.diagram()->surface().copy();
        QSignalSpy drawn(&f.page, &HydrogenPage::electronDrawn);
        QTimer::singleShot(150, &f.page,
                           [&f] { f.page.findChild<QPushButton *>(QStringLiteral("SpecAbort"))->click(); });
        f.page.SpecStartBtnClick();
        QVERIFY(!drawn.isEmpty());
        QVERIFY(!f.session.isAnimating());
        QCOMPARE(f.lines()->surface(), cleanLines);
        QCOMPARE(f.diagram()->surface(), cleanDiagram);
    }

    void animateRunsAllTwelve()
    {
        Fixture f;
        const QImage cleanLines = f.lines()->surface().copy();
        QSignalSpy drawn(&f.page, &HydrogenPage::electronDrawn);
        f.page.SpecStartBtnClick();
        QCOMPARE(drawn.last().at(0).toInt(), 12);
        QCOMPARE(f.lines()->surface(), cleanLines);
        QVERIFY(!f.session.isAnimating());
    }

    void smallScreenLayout()
    {
        Session session;
        session.screenMode = 1;
        HydrogenPage page(session);
        page.startUp();
        QCOMPARE(page.transitions()[0].arrow, (Gdi::Rect{60, 72, 70, 260}));
    }
};

QTEST_MAIN(TestHydrogenLines)
#include "tst_hydrogenlines.moc"
