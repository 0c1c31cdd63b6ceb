#include "gdi/PaintBox.h"

#include <QSignalSpy>
#include <QTest>

class TestPaintBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void paintsWhenShownAndKeepsItsPicture()
    {
        PaintBox box;
        box.resize(40, 30);
        int paints = 0;
        connect(&box, &PaintBox::paint, &box, [&] {
            ++paints;
            box.canvas().brush.color = QColor(0, 0, 255);
            box.canvas().fillRect(0, 0, 40, 30);
        });
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTRY_COMPARE(paints, 1);
        QCOMPARE(box.surface().size(), QSize(40, 30));
        QCOMPARE(box.surface().pixel(39, 29), qRgb(0, 0, 255));

        // A repaint without a reason to redraw shows the kept surface.
        box.repaint();
        QCOMPARE(paints, 1);

        box.invalidate();
        box.repaint();
        QCOMPARE(paints, 2);

        box.resize(50, 30);
        box.repaint();
        QCOMPARE(paints, 3);
        QCOMPARE(box.surface().size(), QSize(50, 30));
    }

    void handlersDrawStraightOnTheSurface()
    {
        PaintBox box;
        box.resize(20, 20);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        // Before any picture is drawn the surface shows the page's face colour.
        const QRgb before = box.surface().pixel(5, 10);
        QCOMPARE(QColor(before), box.palette().color(QPalette::Window));
        Gdi::Canvas &c = box.canvas();
        c.pen.mode = Gdi::PenMode::Xor;
        c.pen.color = QColor(0, 128, 0);
        c.moveTo(5, 0);
        c.lineTo(5, 20);
        QCOMPARE(box.surface().pixel(5, 10), before ^ 0x008000u);
        QCOMPARE(box.surface().pixel(6, 10), before);
        // The pen keeps its XOR mode between handlers, as a marker needs.
        c.moveTo(5, 0);
        c.lineTo(5, 20);
        QCOMPARE(box.surface().pixel(5, 10), before);
    }

    void mouseSignalsCarryPosition()
    {
        PaintBox box;
        box.resize(60, 40);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QSignalSpy down(&box, &PaintBox::mouseDown);
        QSignalSpy up(&box, &PaintBox::mouseUp);
        QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(12, 7));
        QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(30, 9));
        QCOMPARE(down.size(), 1);
        QCOMPARE(down.first().at(0).value<Qt::MouseButton>(), Qt::LeftButton);
        QCOMPARE(down.first().at(2).toInt(), 12);
        QCOMPARE(down.first().at(3).toInt(), 7);
        QCOMPARE(up.size(), 1);
        QCOMPARE(up.first().at(2).toInt(), 30);
    }
};

QTEST_MAIN(TestPaintBox)
#include "tst_paintbox.moc"
