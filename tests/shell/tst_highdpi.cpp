// Corvane on a high-resolution screen. CTest runs this at device pixel ratios
// 1, 1.5 and 2 (QT_SCALE_FACTOR): every page keeps its layout in logical
// pixels, every picture fills its place on the screen, at whole ratios each
// picture pixel becomes an exact block of screen pixels, and the charts are
// drawn at the screen's own resolution.
#include "MainFrmFixture.h"
#include "app/Application.h"
#include "chart/Chart.h"
#include "gdi/PaintBox.h"

#include <QApplication>
#include <QPixmap>

#include <cmath>

namespace {

double ratio()
{
    return qApp->devicePixelRatio();
}

bool wholeRatio()
{
    return std::abs(ratio() - std::round(ratio())) < 1e-9;
}

// Columns of `image` whose pixels differ from the column before, along row y:
// a measure of how much detail a picture shows.
int edgesAlongRow(const QImage &image, int y)
{
    int edges = 0;
    for (int x = 1; x < image.width(); ++x) {
        edges += image.pixel(x, y) != image.pixel(x - 1, y) ? 1 : 0;
    }
    return edges;
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        configureApplication(*qApp);
        qInfo("device pixel ratio %g", ratio());
        const QByteArray wanted = qgetenv("QT_SCALE_FACTOR");
        if (!wanted.isEmpty()) {
            QCOMPARE(ratio(), wanted.toDouble());
        }
    }

    void pictures_data()
    {
        QTest::addColumn<int>("topic");
        for (int topic = 1; topic <= Topics::Count; ++topic) {
            QTest::newRow(qPrintable(Topics::menuCaption(topic))) << topic;
        }
    }

    void pictures()
    {
        QFETCH(int, topic);
        Fixture f;
        f.chooseTopic(topic);
        QWidget *page = f.window->findChild<QStackedWidget *>(QStringLiteral("MainPC"))->currentWidget();
        QTest::qWait(20);
        for (PaintBox *box : page->findChildren<PaintBox *>()) {
            if (!box->isVisible()) {
                continue;
            }
            const QImage surface = box->surface();
            // The drawing surface keeps one pixel per logical pixel, whatever the screen.
            QCOMPARE(surface.size(), box->size());
            const QPixmap shown = box->grab();
            QCOMPARE(shown.devicePixelRatio(), ratio());
            const QImage screen = shown.toImage().convertToFormat(QImage::Format_RGB32);
            // The picture fills its place on the screen.
            QCOMPARE(screen.size(), (QSizeF(box->size()) * ratio()).toSize());
            if (wholeRatio()) {
                // Each picture pixel becomes an exact block of screen pixels.
                const QImage blocks = surface.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                          .convertToFormat(QImage::Format_RGB32);
                QVERIFY2(screen == blocks, qPrintable(box->objectName()));
            } else {
                // Smoothly scaled: the same picture, without uneven strokes.
                const QImage smooth = surface.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                          .convertToFormat(QImage::Format_RGB32);
                int far = 0;
                for (int y = 0; y < screen.height(); ++y) {
                    for (int x = 0; x < screen.width(); ++x) {
                        const QRgb a = screen.pixel(x, y);
                        const QRgb b = smooth.pixel(x, y);
                        const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                                std::abs(qBlue(a) - qBlue(b))});
                        far += d > 64 ? 1 : 0;
                    }
                }
                QVERIFY2(far < screen.width() * screen.height() / 50, qPrintable(box->objectName()));
            }
        }
    }

    // A chart draws its lines and text at the screen's resolution, so at a
    // ratio of 2 it shows more detail than its logical size holds.
    void chartsAtScreenResolution()
    {
        Fixture f;
        f.chooseTopic(9);
        auto *chart = f.window->findChild<Chart *>(QStringLiteral("SHMChart"));
        chart->replotNow();
        const QImage screen = chart->grab().toImage();
        QCOMPARE(screen.size(), (QSizeF(chart->size()) * ratio()).toSize());
        if (ratio() >= 2) {
            const QImage logical = screen.scaled(chart->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
            const QImage doubled = logical.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
            QVERIFY2(screen != doubled, "the chart is a magnified low-resolution picture");
            const int y = screen.height() / 2;
            QVERIFY(edgesAlongRow(screen, y) > 0);
        }
    }

    // The page layout is in logical pixels: the same at every ratio.
    void layoutInLogicalPixels()
    {
        Fixture f;
        f.chooseTopic(1);
        QCOMPARE(f.window->findChild<QWidget *>(QStringLiteral("FringePic"))->size(), QSize(410, 55));
        QCOMPARE(f.window->findChild<QWidget *>(QStringLiteral("YDSpic"))->size(), QSize(370, 133));
    }
};

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
