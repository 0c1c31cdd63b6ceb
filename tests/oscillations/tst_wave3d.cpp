#include "gdi/PaintBox.h"
#include "oscillations/EMWavePage.h"
#include "oscillations/PolarPage.h"
#include "oscillations/Wave3D.h"
#include "shell/Session.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace Wave3D;

Q_DECLARE_METATYPE(Wave3D::Matrix)

namespace {

void compareMatrix(const Matrix &actual, const Matrix &expected)
{
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            // Sines of whole right angles leave rounding noise near 1e-16.
            QVERIFY2(std::abs(actual[i][j] - expected[i][j]) < 1e-12,
                     qPrintable(QStringLiteral("%1,%2").arg(i).arg(j)));
        }
    }
}

const Matrix Identity{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

void moveWithButton(QWidget *w, QPoint to, Qt::MouseButton button)
{
    QMouseEvent move(QEvent::MouseMove, to, w->mapToGlobal(to), Qt::NoButton, button, {});
    QApplication::sendEvent(w, &move);
}

} // namespace

class TestWave3D : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rotations_data()
    {
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("axis");
        QTest::addColumn<Matrix>("expected");
        QTest::newRow("x by 90") << 90 << 1 << Matrix{{{1, 0, 0}, {0, 0, -1}, {0, 1, 0}}};
        QTest::newRow("y by 90") << 90 << 2 << Matrix{{{0, 0, 1}, {0, 1, 0}, {-1, 0, 0}}};
        QTest::newRow("z by 90") << 90 << 3 << Matrix{{{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}}};
        QTest::newRow("any axis by 0") << 0 << 2 << Identity;
        QTest::newRow("z by 180") << 180 << 3 << Matrix{{{-1, 0, 0}, {0, -1, 0}, {0, 0, 1}}};
    }
    void rotations()
    {
        QFETCH(int, degrees);
        QFETCH(int, axis);
        QFETCH(Matrix, expected);
        compareMatrix(RotationMatrix(degrees, axis), expected);
    }

    void products()
    {
        compareMatrix(MatrixProduct(RotationMatrix(37, 3), RotationMatrix(-37, 3)), Identity);
        compareMatrix(MatrixProduct(RotationMatrix(30, 1), RotationMatrix(60, 1)), RotationMatrix(90, 1));
        // Turning about x then y differs from y then x.
        const Matrix xy = MatrixProduct(RotationMatrix(90, 1), RotationMatrix(90, 2));
        compareMatrix(xy, Matrix{{{0, 0, 1}, {1, 0, 0}, {0, 1, 0}}});
        const Matrix yx = MatrixProduct(RotationMatrix(90, 2), RotationMatrix(90, 1));
        QVERIFY(std::abs(xy[0][0] - yx[0][0]) + std::abs(xy[1][0] - yx[1][0]) > 0.5);
        // A point is a row vector: (1, 0, 0) x Rz(90) = (0, 1, 0).
        const Point3 p = TransformPoint({1, 0, 0}, RotationMatrix(90, 3));
        QVERIFY(std::abs(p.x) < 1e-12 && std::abs(p.y - 1) < 1e-12 && std::abs(p.z) < 1e-12);
    }

    // f = D s / (D + z) = 0.8 at z = 0 with D 1000, s 0.8; halves round to even.
    void projection_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("z");
        QTest::addColumn<QPoint>("screen");
        QTest::newRow("origin") << 0.0 << 0.0 << 0.0 << QPoint(200, 200);
        QTest::newRow("8.5 to 8") << 10.625 << 0.0 << 0.0 << QPoint(208, 200);
        QTest::newRow("9.5 to 10") << 11.875 << 0.0 << 0.0 << QPoint(210, 200);
        QTest::newRow("y grows down") << 0.0 << 100.0 << 0.0 << QPoint(200, 280);
        QTest::newRow("far away: f = 0.4") << 100.0 << -100.0 << 1000.0 << QPoint(240, 160);
    }
    void projection()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, z);
        QFETCH(QPoint, screen);
        const ViewState state;
        QCOMPARE(ProjectPoint(state, {x, y, z}, QPoint(200, 200)), screen);
    }

    void resetScales_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("scale");
        QTest::newRow("EM, normal screen") << 400 << 1 << 0.8;
        QTest::newRow("polarization, normal screen") << 400 << 2 << 0.5;
        QTest::newRow("EM, small screen") << 350 << 1 << 0.6;
        QTest::newRow("polarization, small screen") << 350 << 2 << 0.4;
    }
    void resetScales()
    {
        QFETCH(int, size);
        QFETCH(int, mode);
        QFETCH(double, scale);
        ViewState state;
        state.em.tilt = 17;
        if (size < 400) {
            InitView3D(state, size, size);
            QCOMPARE(state.scale, 0.6);
            QCOMPARE(state.em.centre, QPoint(175, 175));
            QCOMPARE(state.polar.centre, QPoint(175, 175));
        }
        ResetView3D(state, mode);
        QCOMPARE(state.scale, scale);
        QCOMPARE(state.em.tilt, 17); // angles and centres stay
    }

    void arrowHeads_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<double>("base");
        QTest::newRow("full length") << 100.0 << 90.0;
        QTest::newRow("just long enough") << 10.0 << 0.0;
        QTest::newRow("10.5") << 10.5 << 0.5;
        QTest::newRow("short, up") << 5.0 << 0.0;
        QTest::newRow("zero") << 0.0 << 0.0;
        QTest::newRow("short, down") << -5.0 << 0.0;
        QTest::newRow("-10") << -10.0 << 0.0;
        QTest::newRow("phase 200") << -34.2 << -24.2;
        QTest::newRow("full length down") << -100.0 << -90.0;
    }
    void arrowHeads()
    {
        QFETCH(double, v);
        QFETCH(double, base);
        QVERIFY(std::abs(arrowHeadBase(v) - base) < 1e-12);
    }

    void arrowOrder_data()
    {
        QTest::addColumn<int>("phase");
        QTest::addColumn<bool>("front");
        QTest::newRow("90: behind the E sheet") << 90 << false;
        QTest::newRow("0") << 0 << false;
        QTest::newRow("180: in front") << 180 << true;
        QTest::newRow("200: in front") << 200 << true;
        QTest::newRow("1530 (phase 90, unreduced)") << 1530 << false;
        QTest::newRow("360") << 360 << false;
    }
    void arrowOrder()
    {
        QFETCH(int, phase);
        QFETCH(bool, front);
        QCOMPARE(bArrowInFront(phase), front);
    }

    void waveShapes()
    {
        const ViewState state;
        const auto e = BuildEWave(state, Identity, QPoint(200, 200), 90);
        QCOMPARE(int(e.size()), 723);
        // At u = 0 (point 360) the field is 100 sin 90: y = 200 + 80.
        QCOMPARE(e[360], QPoint(200, 280));
        QCOMPARE(e[721], ProjectPoint(state, {720, 0, 0}, QPoint(200, 200)));
        // The wave travels along E x B, towards +x: 40 degrees more phase
        // carries the crest from u = 0 to u = 10 (x = 20).
        QCOMPARE(BuildEWave(state, Identity, QPoint(200, 200), 130)[370],
                 ProjectPoint(state, {20, 100, 0}, QPoint(200, 200)));
        // The B halves are flat where their sign does not hold.
        const auto upper = BuildBWaveUpper(state, RotationMatrix(90, 2), QPoint(200, 200), 270);
        QCOMPARE(int(upper.size()), 723);
        // With tilt and turn 0 the B wave collapses onto the x axis.
        for (const QPoint &p : BuildBWaveLower(state, Identity, QPoint(200, 200), 30)) {
            QCOMPARE(p.y(), 200);
        }
    }

    void transmittedWave_data()
    {
        QTest::addColumn<int>("rotation");
        QTest::addColumn<double>("amplitude");
        QTest::newRow("0") << 0 << 90.0;
        QTest::newRow("90: flat") << 90 << 0.0;
        QTest::newRow("180: inverted") << 180 << -90.0;
        QTest::newRow("270: flat") << 270 << 0.0;
        QTest::newRow("60: half") << 60 << 45.0;
    }
    void transmittedWave()
    {
        QFETCH(int, rotation);
        QFETCH(double, amplitude);
        QVERIFY(std::abs(transmittedAmplitude(rotation) - amplitude) < 1e-9);
    }

    // The polarizer and the analyser are named in the picture, just above the
    // corner each name belongs to (the analyser's at a place its turning does
    // not move, so any rotation shows it there).
    void polaroidsAreNamed()
    {
        const ViewState state;
        const Matrix m = state.polar.matrix();
        for (int rotation : {0, 60, 150}) {
            QImage image(400, 400, QImage::Format_RGB32);
            image.fill(Qt::white);
            {
                Gdi::Canvas c(&image);
                DrawPolarizer(c, state, rotation);
            }
            for (const Point3 &corner : {Point3{-100, -100, 360}, Point3{-100, -142, 0}}) {
                const QPoint at = ProjectPoint(state, TransformPoint(corner, m), state.polar.centre);
                int black = 0;
                for (int y = at.y() - 12; y < at.y(); ++y) {
                    for (int x = at.x(); x < at.x() + 40; ++x) {
                        black += image.pixel(x, y) == qRgb(0, 0, 0);
                    }
                }
                QVERIFY2(black > 15,
                         qPrintable(QStringLiteral("rotation %1: %2 black pixels").arg(rotation).arg(black)));
            }
        }
    }

    // Rotation 180: amplitude -90 in a plane turned half a turn looks like rotation 0.
    void halfTurnLooksLikeNone()
    {
        const ViewState state;
        const auto draw = [&state](int rotation) {
            QImage image(400, 400, QImage::Format_RGB32);
            image.fill(Qt::white);
            Gdi::Canvas c(&image);
            DrawPolarizer(c, state, rotation);
            c.end();
            return image;
        };
        const QImage none = draw(0);
        const QImage half = draw(180);
        int differing = 0;
        for (int y = 0; y < 400; ++y) {
            for (int x = 0; x < 400; ++x) {
                differing += none.pixel(x, y) != half.pixel(x, y);
            }
        }
        // Rounding of sin 180 degrees may move the odd edge pixel: allow 0.1%.
        QVERIFY2(differing < 160, qPrintable(QString::number(differing)));
        QVERIFY(draw(90) != none);
    }

    void draggingTurnsWithinLimits()
    {
        Session session;
        Wave3D::ViewState shared;
        EMWavePage page(session, shared);
        page.resize(410, 430);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto *pic = page.findChild<PaintBox *>(QStringLiteral("EMWavePic"));
        View &view = shared.em;
        QCOMPARE(view.turn, 31);
        // Origin x = 100 - MulDiv(175, 31, 90) = 40.
        QTest::mousePress(pic, Qt::LeftButton, {}, QPoint(100, 100));
        moveWithButton(pic, QPoint(1000, 100), Qt::LeftButton); // held to the picture: x = 399
        QCOMPARE(view.turn, 90);
        moveWithButton(pic, QPoint(300, 100), Qt::LeftButton);
        QCOMPARE(view.turn, 90); // still past the 90-degree position (x = 215)
        moveWithButton(pic, QPoint(215, 100), Qt::LeftButton);
        QCOMPARE(view.turn, 90);
        moveWithButton(pic, QPoint(127, 100), Qt::LeftButton);
        QCOMPARE(view.turn, 45);
        // Up by 175 pixels tilts by 90 degrees; the tilt stops at 90.
        moveWithButton(pic, QPoint(127, 0), Qt::LeftButton);
        QVERIFY(view.tilt > 0 && view.tilt <= 90);
        QTest::mouseRelease(pic, Qt::LeftButton, {}, QPoint(127, 0));
        moveWithButton(pic, QPoint(200, 200), Qt::NoButton);
        QCOMPARE(view.turn, 45); // released: moves do nothing
    }

    void panningMovesTheCentre()
    {
        Session session;
        Wave3D::ViewState shared;
        EMWavePage page(session, shared);
        page.resize(410, 430);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto *pic = page.findChild<PaintBox *>(QStringLiteral("EMWavePic"));
        QTest::mousePress(pic, Qt::RightButton, {}, QPoint(100, 100));
        moveWithButton(pic, QPoint(150, 80), Qt::RightButton);
        QCOMPARE(shared.em.centre, QPoint(250, 180));
        QTest::mouseRelease(pic, Qt::RightButton, {}, QPoint(150, 80));
        // No limit: pan again, further (QTest takes (0, 0) for the centre, so start at 1, 1).
        QTest::mousePress(pic, Qt::RightButton, {}, QPoint(1, 1));
        moveWithButton(pic, QPoint(399, 399), Qt::RightButton);
        QCOMPARE(shared.em.centre, QPoint(648, 578));
        QTest::mouseRelease(pic, Qt::RightButton, {}, QPoint(399, 399));
    }

    void rotationLabel()
    {
        Session session;
        Wave3D::ViewState shared;
        PolarPage page(session, shared);
        auto *label = page.findChild<QLabel *>(QStringLiteral("RotPLabel"));
        QCOMPARE(label->text(), QStringLiteral("rotation = 0"));
        page.findChild<QScrollBar *>(QStringLiteral("PolarHsb"))->setValue(45);
        QCOMPARE(label->text(), QStringLiteral("rotation = 45%1").arg(QChar(0x00BA)));
    }

    // Each plane lasts 72 frames; the first frame at p = 360 renews with the
    // generator's first draws: turn 0 - 90 and phase 11. The picture read at
    // any step (here the renewing one and the next) is that step's picture,
    // although steps are drawn only when shown or read.
    void firstRenewal()
    {
        Session session;
        Wave3D::ViewState shared;
        session.speed(AnimSpeed::Polarization) = 0;
        PolarPage page(session, shared);
        page.resize(410, 480);
        page.show();
        page.showUnpolarized();
        auto *pic = page.findChild<PaintBox *>(QStringLiteral("PolarPic"));
        QSignalSpy frames(&page, &PolarPage::unpolarizedFrame);
        int shownAsDrawn = 0;
        connect(&page, &PolarPage::unpolarizedFrame, &page, [&](int phase, bool) {
            if (frames.size() >= 72) {
                QImage expected(shared.width, shared.height, QImage::Format_RGB32);
                Gdi::Canvas c(&expected);
                DrawUnpolarized(c, shared, page.unpolarizedCentre(), phase);
                c.end();
                const QRect both = expected.rect() & pic->surface().rect();
                shownAsDrawn += pic->surface().copy(both) == expected.copy(both);
            }
            if (frames.size() >= 73) {
                session.stopAnimations();
            }
        });
        page.PolarStartBtnClick();
        QCOMPARE(frames.size(), 73);
        for (int i = 0; i < 71; ++i) {
            QCOMPARE(frames[i].at(1).toBool(), false);
        }
        QCOMPARE(frames[71].at(0).toInt(), 360);
        QCOMPARE(frames[71].at(1).toBool(), true);
        QCOMPARE(frames[72].at(0).toInt(), 5);
        QCOMPARE(shownAsDrawn, 2);
        QCOMPARE(shared.randomTurn, -90);
        QCOMPARE(shared.randomPhase, 11);
        QVERIFY(page.findChild<QPushButton *>(QStringLiteral("PolarStartBtn"))->isEnabled());
    }

    void backReturnsToThePolarizer()
    {
        Session session;
        Wave3D::ViewState shared;
        PolarPage page(session, shared);
        page.resize(410, 480);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.showUnpolarized();
        auto *pic = page.findChild<PaintBox *>(QStringLiteral("PolarPic"));
        QCOMPARE(pic->statusTip(), QStringLiteral("Press start to see the plane of polarization change"));
        // Dragging does nothing while the unpolarized light is shown.
        const View before = shared.polar;
        QTest::mousePress(pic, Qt::LeftButton, {}, QPoint(100, 100));
        moveWithButton(pic, QPoint(200, 150), Qt::LeftButton);
        QTest::mouseRelease(pic, Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(shared.polar.turn, before.turn);
        QCOMPARE(shared.polar.tilt, before.tilt);
        page.PBackBtnClick();
        QVERIFY(page.findChild<QWidget *>(QStringLiteral("PolarPanel"))->isVisible());
        QVERIFY(!page.findChild<QWidget *>(QStringLiteral("NonPolarPanel"))->isVisible());
        QCOMPARE(shared.scale, 0.5);
        QCOMPARE(pic->cursor().shape(), Qt::PointingHandCursor);
    }

    void turnByKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("tilt");
        QTest::addColumn<int>("turn");
        QTest::addColumn<bool>("used");
        QTest::addColumn<int>("tiltAfter");
        QTest::addColumn<int>("turnAfter");
        QTest::newRow("right") << int(Qt::Key_Right) << -12 << 31 << true << -12 << 36;
        QTest::newRow("left") << int(Qt::Key_Left) << -12 << 31 << true << -12 << 26;
        QTest::newRow("up") << int(Qt::Key_Up) << -12 << 31 << true << -7 << 31;
        QTest::newRow("down stops at -90") << int(Qt::Key_Down) << -88 << 0 << true << -90 << 0;
        QTest::newRow("right stops at 90") << int(Qt::Key_Right) << 0 << 90 << true << 0 << 90;
        QTest::newRow("other key") << int(Qt::Key_Space) << 3 << 4 << false << 3 << 4;
    }

    void turnByKey()
    {
        QFETCH(int, key);
        QFETCH(int, tilt);
        QFETCH(int, turn);
        QFETCH(bool, used);
        QFETCH(int, tiltAfter);
        QFETCH(int, turnAfter);
        Wave3D::View view{tilt, turn, {200, 200}};
        QCOMPARE(Wave3D::turnByKey(view, key), used);
        QCOMPARE(view.tilt, tiltAfter);
        QCOMPARE(view.turn, turnAfter);
    }
};

QTEST_MAIN(TestWave3D)
#include "tst_wave3d.moc"
