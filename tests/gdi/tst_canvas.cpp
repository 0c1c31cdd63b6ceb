#include "gdi/Canvas.h"

#include <QImage>
#include <QTest>

#include <array>
#include <functional>

using namespace Gdi;

namespace {

constexpr QRgb White = 0xffffffff;
constexpr QRgb Black = 0xff000000;

QImage blank(int w = 16, int h = 12)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage render(const std::function<void(Canvas &)> &draw, int w = 16, int h = 12)
{
    QImage image = blank(w, h);
    {
        Canvas canvas(&image);
        draw(canvas);
    }
    return image;
}

// The pixels of a row or column that are not white, as a string of '#' and '.'.
QString row(const QImage &image, int y)
{
    QString s;
    for (int x = 0; x < image.width(); ++x) {
        s += image.pixel(x, y) == White ? QLatin1Char('.') : QLatin1Char('#');
    }
    return s;
}

QString column(const QImage &image, int x)
{
    QString s;
    for (int y = 0; y < image.height(); ++y) {
        s += image.pixel(x, y) == White ? QLatin1Char('.') : QLatin1Char('#');
    }
    return s;
}

} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // LineTo paints from its start up to, but not including, its end point, in
    // whichever direction it runs.
    void lineToLeavesOutLastPixel_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("line"); // row (horizontal) or column (vertical)
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<QString>("pixels");
        QTest::newRow("left to right") << QPoint(1, 2) << QPoint(8, 2) << 2 << true
                                       << QStringLiteral(".#######........");
        QTest::newRow("right to left") << QPoint(8, 2) << QPoint(1, 2) << 2 << true
                                       << QStringLiteral("..#######.......");
        QTest::newRow("top to bottom") << QPoint(3, 1) << QPoint(3, 6) << 3 << false << QStringLiteral(".#####......");
        QTest::newRow("bottom to top") << QPoint(3, 6) << QPoint(3, 1) << 3 << false << QStringLiteral("..#####.....");
        QTest::newRow("one pixel long") << QPoint(4, 4) << QPoint(5, 4) << 4 << true
                                        << QStringLiteral("....#...........");
        QTest::newRow("zero length") << QPoint(4, 4) << QPoint(4, 4) << 4 << true << QStringLiteral("................");
    }
    void lineToLeavesOutLastPixel()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, line);
        QFETCH(bool, horizontal);
        QFETCH(QString, pixels);
        const QImage image = render([&](Canvas &c) {
            c.moveTo(from.x(), from.y());
            c.lineTo(to.x(), to.y());
        });
        QCOMPARE(horizontal ? row(image, line) : column(image, line), pixels);
    }

    void diagonalLine()
    {
        const QImage image = render([](Canvas &c) {
            c.moveTo(0, 0);
            c.lineTo(5, 5);
        });
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(image.pixel(i, i), Black);
        }
        QCOMPARE(image.pixel(5, 5), White);
        QCOMPARE(row(image, 2), QStringLiteral("..#............."));
    }

    void penPositionFollowsLineTo()
    {
        QImage image = blank();
        Canvas c(&image);
        c.moveTo(1, 1);
        c.lineTo(5, 1);
        QCOMPARE(c.penPos(), QPoint(5, 1));
    }

    // Rectangle (l, t, r, b) outlines columns l..r-1 and rows t..b-1 and fills
    // inside with the brush.
    void rectangleExcludesRightAndBottom()
    {
        const QImage image = render([](Canvas &c) {
            c.brush.color = QColor(255, 0, 0);
            c.rectangle(2, 2, 7, 6);
        });
        QCOMPARE(row(image, 2), QStringLiteral("..#####........."));
        QCOMPARE(row(image, 5), QStringLiteral("..#####........."));
        QCOMPARE(row(image, 6), QStringLiteral("................"));
        QCOMPARE(column(image, 6), QStringLiteral("..####......"));
        QCOMPARE(column(image, 7), QStringLiteral("............"));
        QCOMPARE(image.pixel(2, 3), Black);
        QCOMPARE(image.pixel(4, 4), qRgb(255, 0, 0));
    }

    void rectangleWithClearPenIsOnePixelSmaller()
    {
        const QImage image = render([](Canvas &c) {
            c.pen.style = PenStyle::Clear;
            c.brush.color = QColor(0, 0, 255);
            c.rectangle(2, 2, 7, 6);
        });
        QCOMPARE(row(image, 2), QStringLiteral("..####.........."));
        QCOMPARE(column(image, 2), QStringLiteral("..###......."));
        QCOMPARE(image.pixel(2, 2), qRgb(0, 0, 255));
    }

    void rectangleWithClearBrushKeepsInside()
    {
        const QImage image = render([](Canvas &c) {
            c.brush.style = BrushStyle::Clear;
            c.rectangle(1, 1, 8, 8);
        });
        QCOMPARE(image.pixel(1, 1), Black);
        QCOMPARE(image.pixel(4, 4), White);
    }

    void fillRectCoversExactlyItsRectangle()
    {
        const QImage image = render([](Canvas &c) {
            c.brush.color = QColor(0, 128, 0);
            c.fillRect(1, 1, 4, 3);
        });
        QCOMPARE(row(image, 1), QStringLiteral(".###............"));
        QCOMPARE(row(image, 2), QStringLiteral(".###............"));
        QCOMPARE(row(image, 3), QStringLiteral("................"));
        QCOMPARE(image.pixel(3, 2), qRgb(0, 128, 0));
    }

    void fillRectIgnoresXorPen()
    {
        const QImage image = render([](Canvas &c) {
            c.pen.mode = PenMode::Xor;
            c.brush.color = QColor(10, 20, 30);
            c.fillRect(0, 0, 2, 2);
        });
        QCOMPARE(image.pixel(0, 0), qRgb(10, 20, 30));
    }

    void ellipseFitsInsideBounds()
    {
        const QImage image = render([](Canvas &c) { c.ellipse(0, 0, 10, 6); });
        QCOMPARE(row(image, 0).indexOf(QLatin1Char('#')) > 0, true);
        QVERIFY(column(image, 0).contains(QLatin1Char('#')));
        QVERIFY(column(image, 9).contains(QLatin1Char('#')));
        QVERIFY(!column(image, 10).contains(QLatin1Char('#')));
        QVERIFY(row(image, 5).contains(QLatin1Char('#')));
        QVERIFY(!row(image, 6).contains(QLatin1Char('#')));
        QCOMPARE(image.pixel(5, 3), White); // the default brush is white
    }

    void roundRectHasRoundCorners()
    {
        const QImage image = render([](Canvas &c) { c.roundRect(0, 0, 16, 12, 8, 8); });
        QCOMPARE(image.pixel(0, 0), White);
        QCOMPARE(image.pixel(8, 0), Black);
        QCOMPARE(image.pixel(0, 6), Black);
        QCOMPARE(image.pixel(15, 6), Black);
        QCOMPARE(image.pixel(8, 11), Black);
    }

    void arcRunsAnticlockwise()
    {
        // The quarter from the right-hand point up to the top point.
        const QImage image = render([](Canvas &c) { c.arc(0, 0, 21, 21, 20, 10, 10, 0); }, 21, 21);
        int topRight = 0;
        int others = 0;
        for (int y = 0; y < 21; ++y) {
            for (int x = 0; x < 21; ++x) {
                if (image.pixel(x, y) != White) {
                    (x >= 10 && y <= 10 ? topRight : others) += 1;
                }
            }
        }
        QVERIFY(topRight > 10);
        QCOMPARE(others, 0);
    }

    // An arc falls on the pixels of the ellipse in the same box, and the full
    // turn is the ellipse's outline, however often it is drawn.
    void arcFollowsTheEllipse_data()
    {
        QTest::addColumn<QRect>("box");
        QTest::newRow("circle 21") << QRect(0, 0, 21, 21);
        QTest::newRow("circle 40") << QRect(3, 2, 40, 40);
        QTest::newRow("wide ellipse") << QRect(1, 4, 57, 23);
        QTest::newRow("tall ellipse") << QRect(2, 1, 18, 46);
    }
    void arcFollowsTheEllipse()
    {
        QFETCH(QRect, box);
        const int r = box.x() + box.width();
        const int b = box.y() + box.height();
        const QPoint c = box.center();
        const QImage ellipse = render(
            [&](Canvas &canvas) {
                canvas.brush.style = BrushStyle::Clear;
                canvas.ellipse(box.x(), box.y(), r, b);
            },
            64, 64);
        // Quarters, a half and the full turn (start and end on the same radial).
        const std::array<std::pair<QPoint, QPoint>, 4> arcs{{{QPoint(r, c.y()), QPoint(c.x(), box.y())},
                                                             {QPoint(c.x(), box.y()), QPoint(box.x(), c.y())},
                                                             {QPoint(box.x(), c.y()), QPoint(r, c.y())},
                                                             {QPoint(r, c.y()), QPoint(r, c.y())}}};
        for (const auto &[start, end] : arcs) {
            // Named copies: clang before 16 cannot capture structured bindings.
            const QPoint from = start;
            const QPoint to = end;
            const auto drawArc = [&](Canvas &canvas) {
                canvas.arc(box.x(), box.y(), r, b, from.x(), from.y(), to.x(), to.y());
            };
            const QImage arc = render(drawArc, 64, 64);
            // An arc that comes back (an animation's) has its pixels kept and
            // set directly from its second drawing on: the same pixels.
            QCOMPARE(render(drawArc, 64, 64), arc);
            QCOMPARE(render(drawArc, 64, 64), arc);
            for (int y = 0; y < 64; ++y) {
                for (int x = 0; x < 64; ++x) {
                    if (arc.pixel(x, y) != White) {
                        QVERIFY2(ellipse.pixel(x, y) != White,
                                 qPrintable(QStringLiteral("arc pixel %1,%2").arg(x).arg(y)));
                    }
                }
            }
            if (from == to) {
                QCOMPARE(arc, ellipse);
            }
        }
    }

    // Every vertex pixel of a polygon is painted, the sharp ones too.
    void polygonPaintsEveryVertex()
    {
        const std::array<QPoint, 3> triangle{QPoint(5, 5), QPoint(25, 5), QPoint(25, 20)};
        const QImage image = render([&](Canvas &c) { c.polygon(triangle); }, 32, 24);
        for (const QPoint &vertex : triangle) {
            QCOMPARE(image.pixel(vertex), Black);
        }
    }

    void xorTwiceRestores()
    {
        QImage image = blank();
        {
            Canvas c(&image);
            c.brush.color = QColor(255, 255, 128);
            c.fillRect(0, 0, 16, 6);
        }
        const QImage before = image.copy();
        Canvas c(&image);
        c.pen.mode = PenMode::Xor;
        c.pen.color = QColor(0, 128, 0);
        c.moveTo(5, 0);
        c.lineTo(5, 12);
        c.end();
        // White XOR (0, 128, 0) is (255, 127, 255); light yellow gives (255, 127, 128).
        QCOMPARE(image.pixel(5, 8), qRgb(255, 127, 255));
        QCOMPARE(image.pixel(5, 2), qRgb(255, 127, 128));
        c.moveTo(5, 0);
        c.lineTo(5, 12);
        c.end();
        QCOMPARE(image, before);
    }

    void xorPolylinePaintsEachVertexOnce()
    {
        QImage image = blank();
        Canvas c(&image);
        c.pen.mode = PenMode::Xor;
        c.pen.color = QColor(0, 128, 0);
        const std::array<QPoint, 3> points{QPoint(1, 1), QPoint(6, 1), QPoint(6, 5)};
        c.polyline(points);
        c.end();
        // The shared vertex is painted by one segment only, so it is not erased.
        QCOMPARE(image.pixel(6, 1), qRgb(255, 127, 255));
        QCOMPARE(image.pixel(6, 4), qRgb(255, 127, 255));
        QCOMPARE(image.pixel(6, 5), White); // the last point is left out
        c.polyline(points);
        c.end();
        QCOMPARE(image, blank());
    }

    void polygonIsFilledAndOutlined()
    {
        const QImage image = render([](Canvas &c) {
            c.brush.color = QColor(217, 234, 255);
            const std::array<QPoint, 4> square{QPoint(2, 2), QPoint(10, 2), QPoint(10, 9), QPoint(2, 9)};
            c.polygon(square);
        });
        QCOMPARE(image.pixel(2, 2), Black);
        QCOMPARE(image.pixel(6, 5), qRgb(217, 234, 255));
        QCOMPARE(image.pixel(12, 5), White);
    }

    void dottedPenLeavesGaps()
    {
        const QImage image = render([](Canvas &c) {
            c.pen.style = PenStyle::Dot;
            c.moveTo(0, 3);
            c.lineTo(16, 3);
        });
        const QString pixels = row(image, 3);
        QVERIFY(pixels.contains(QLatin1Char('#')));
        QVERIFY(pixels.contains(QLatin1Char('.')));
    }

    void clearPenDrawsNoLine()
    {
        const QImage image = render([](Canvas &c) {
            c.pen.style = PenStyle::Clear;
            c.moveTo(0, 3);
            c.lineTo(16, 3);
        });
        QCOMPARE(image, blank());
    }

    void sunkenEdge_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        const QColor shadow(128, 128, 128);
        const QColor highlight(255, 255, 255);
        const QColor dark(64, 64, 64);
        const QColor light(212, 208, 200);
        const QColor inside(255, 0, 0);
        // Around Rect{0, 0, 10, 8}: the outer ring on the rectangle's own edge.
        QTest::newRow("outer top left") << QPoint(0, 0) << shadow;
        QTest::newRow("outer top") << QPoint(8, 0) << shadow;
        QTest::newRow("outer top right corner") << QPoint(9, 0) << highlight;
        QTest::newRow("outer left") << QPoint(0, 6) << shadow;
        QTest::newRow("outer bottom left corner") << QPoint(0, 7) << highlight;
        QTest::newRow("outer bottom") << QPoint(5, 7) << highlight;
        QTest::newRow("outer right") << QPoint(9, 4) << highlight;
        QTest::newRow("inner top left") << QPoint(1, 1) << dark;
        QTest::newRow("inner top") << QPoint(7, 1) << dark;
        QTest::newRow("inner top right corner") << QPoint(8, 1) << light;
        QTest::newRow("inner left") << QPoint(1, 5) << dark;
        QTest::newRow("inner bottom") << QPoint(4, 6) << light;
        QTest::newRow("inner right") << QPoint(8, 4) << light;
        QTest::newRow("inside untouched") << QPoint(4, 4) << inside;
        QTest::newRow("outside untouched") << QPoint(10, 4) << inside;
    }
    void sunkenEdge()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        const QImage image = render([](Canvas &c) {
            c.brush.color = QColor(255, 0, 0);
            c.fillRect(0, 0, 16, 12);
            c.drawEdgeSunken(Rect{0, 0, 10, 8});
        });
        QCOMPARE(QColor(image.pixel(pixel)), colour);
    }

    void fontHeights_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("character height 11") << -11 << 11;
        // A cell height gives the largest font whose cell fits it (-1: any size).
        for (int cell : {12, 13, 14, 23}) {
            QTest::addRow("cell height %d", cell) << cell << -1;
        }
    }
    void fontHeights()
    {
        QFETCH(int, height);
        QFETCH(int, pixelSize);
        QImage image = blank();
        Canvas c(&image);
        c.font.height = height;
        QFont f = c.qFont();
        if (pixelSize > 0) {
            QCOMPARE(f.pixelSize(), pixelSize);
            return;
        }
        QVERIFY(QFontMetrics(f).height() <= height);
        f.setPixelSize(f.pixelSize() + 1);
        QVERIFY(QFontMetrics(f).height() > height);
    }

    void fontSizeInPointsUsesDeviceResolution()
    {
        QImage image = blank();
        image.setDotsPerMeterX(3780); // 96 dpi
        image.setDotsPerMeterY(3780);
        Canvas c(&image);
        c.setFontSize(8);
        QCOMPARE(c.font.height, -11);
        c.setFontSize(10);
        QCOMPARE(c.font.height, -13);
    }

    // An opaque brush fills the text cell; a clear brush leaves the background.
    void textCellBackground()
    {
        QImage image = blank(60, 30);
        Canvas c(&image);
        c.brush.color = QColor(255, 0, 0);
        const QString spaces = QStringLiteral("    ");
        const int w = c.textWidth(spaces);
        const int h = c.textHeight(spaces);
        QVERIFY(w > 0 && h > 0);
        c.textOut(5, 3, spaces);
        c.end();
        QCOMPARE(image.pixel(5, 3), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(5 + w - 1, 3 + h - 1), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(5 + w, 3), White);
        QCOMPARE(image.pixel(5, 3 + h), White);

        c.brush.style = BrushStyle::Clear;
        c.textOut(30, 3, spaces);
        c.end();
        QCOMPARE(image.pixel(31, 4), White);
    }

    void rotatedTextRunsUpwards()
    {
        QImage image = blank(40, 60);
        Canvas c(&image);
        c.brush.color = QColor(0, 0, 255);
        c.font.escapement = 900;
        const QString spaces = QStringLiteral("      ");
        const int w = c.textWidth(spaces);
        c.textOut(10, 50, spaces);
        c.end();
        // The cell now stands on its end: from (10, 50) upwards by the text width.
        QCOMPARE(image.pixel(11, 50 - w + 1), qRgb(0, 0, 255));
        QCOMPARE(image.pixel(11, 52), White);
        QCOMPARE(image.pixel(11, 50 - w - 1), White);
    }

    void drawCopiesAPicture()
    {
        Bitmap bitmap(4, 3);
        bitmap.canvas().brush.color = QColor(1, 2, 3);
        bitmap.canvas().fillRect(0, 0, 4, 3);
        const QImage image = render([&](Canvas &c) { c.draw(5, 6, bitmap.image()); });
        QCOMPARE(image.pixel(5, 6), qRgb(1, 2, 3));
        QCOMPARE(image.pixel(8, 8), qRgb(1, 2, 3));
        QCOMPARE(image.pixel(9, 8), White);
        QCOMPARE(image.pixel(4, 6), White);
    }

    void bitmapStartsWhite()
    {
        Bitmap bitmap(410, 30);
        QCOMPARE(bitmap.width(), 410);
        QCOMPARE(bitmap.height(), 30);
        QCOMPARE(bitmap.image().pixel(0, 0), White);
        QCOMPARE(bitmap.image().pixel(409, 29), White);
    }

    void rectHelpers()
    {
        const Rect r{10, 20, 30, 25};
        QCOMPARE(r.width(), 20);
        QCOMPARE(r.height(), 5);
        QVERIFY(r.contains(QPoint(10, 20)));
        QVERIFY(!r.contains(QPoint(30, 20)));
        QVERIFY(!r.contains(QPoint(10, 25)));
        QCOMPARE(r.inflated(-2, -2), (Rect{12, 22, 28, 23}));
        QCOMPARE(r.offset(1, -1), (Rect{11, 19, 31, 24}));
    }
};

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
