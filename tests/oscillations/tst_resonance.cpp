#include "chart/Chart.h"
#include "gdi/PaintBox.h"
#include "oscillations/Resonance.h"
#include "oscillations/ResonancePage.h"
#include "shell/Session.h"

#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "TestSupport.h"
#include <QTimer>

#include <numbers>

using Resonance::ResonanceAmplitude;

class TestResonance : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // At w0 = 10 pi the amplitude is 1500 / (2 b w0); at w = 0, 1500 / w0^2.
    void amplitudes_data()
    {
        QTest::addColumn<double>("w");
        QTest::addColumn<int>("damping");
        QTest::addColumn<double>("amplitude");
        const double w0 = 10 * std::numbers::pi;
        QTest::newRow("resonance, least damping") << w0 << 25 << 9.549296585513721;
        QTest::newRow("resonance, start damping") << w0 << 100 << 2.3873241463784303;
        QTest::newRow("resonance, most damping") << w0 << 200 << 1.1936620731892151;
        QTest::newRow("at rest") << 0.0 << 100 << 1.5198177546776845;
        QTest::newRow("1 Hz, start damping") << 2 * std::numbers::pi << 100 << 1.5694004119645093;
    }
    void amplitudes()
    {
        QFETCH(double, w);
        QFETCH(int, damping);
        QFETCH(double, amplitude);
        QVERIFY(std::abs(ResonanceAmplitude(w, damping) - amplitude) < 1e-9);
    }

    void curve()
    {
        const auto points = Resonance::responseCurve(100);
        QCOMPARE(int(points.size()), 101);
        QCOMPARE(points.front().x(), 0.0);
        QVERIFY(std::abs(points.front().y() - 1.5198177546776845) < 1e-9);
        QVERIFY(std::abs(points.back().x() - 10) < 1e-12);
        QVERIFY(std::abs(points[50].x() - 5) < 1e-12);
    }

    void picture()
    {
        QImage image(50, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            Gdi::Canvas c(&image);
            Resonance::DrawResonator(c, 50, 300, 0);
        }
        // x = 0: the mass at Mid = 135, springs above and below.
        QCOMPARE(image.pixel(15, 135), qRgb(255, 0, 0));
        bool springBelow = false;
        for (int y = 145; y < 258; ++y) {
            springBelow = springBelow || image.pixel(15, y) == qRgb(0, 0, 0);
        }
        QVERIFY(springBelow);
    }

    void page()
    {
        Session session;
        ResonancePage page(session);
        page.resize(450, 500);
        page.startUp();
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("ResDampLabel"))->text(), QStringLiteral("damping 1.00"));
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("DriverLabel"))->text(),
                 QStringLiteral("driving frequency 4.70 Hz"));
        Chart *chart = page.chart();
        QCOMPARE(chart->count(page.curveSeries()), 101);
        QVERIFY(std::abs(chart->point(page.markerSeries(), 0).x() - 4.7) < 1e-12);
        // The marker follows both sliders.
        page.findChild<QScrollBar *>(QStringLiteral("DriverHsb"))->setValue(50);
        page.findChild<QScrollBar *>(QStringLiteral("ResDampingHsb"))->setValue(25);
        QVERIFY(std::abs(chart->point(page.markerSeries(), 0).y() - 9.549296585513721) < 1e-9);
        QVERIFY(std::abs(chart->maxY(page.curveSeries()) - 9.549296585513721) < 1e-9);
    }

    // At resonance with damping 25 the animation swings 0.75 x 9.55 = 7.16.
    void animationAmplitude()
    {
        Session session;
        ResonancePage page(session);
        page.resize(450, 500);
        page.startUp();
        page.show();
        page.findChild<QScrollBar *>(QStringLiteral("DriverHsb"))->setValue(50);
        page.findChild<QScrollBar *>(QStringLiteral("ResDampingHsb"))->setValue(25);
        QSignalSpy frames(&page, &ResonancePage::frameDrawn);
        auto *stop = page.findChild<QPushButton *>(QStringLiteral("ResStopBtn"));
        // 200 frames are one period at 5 Hz (1 ms each); stop after more than that.
        auto *poll = new QTimer(&page);
        connect(poll, &QTimer::timeout, &page, [&] {
            if (frames.size() > 220) {
                stop->click();
            }
        });
        poll->start(5);
        page.ResStartBtnClick();
        double peak = 0;
        for (const QList<QVariant> &frame : frames) {
            peak = std::max(peak, std::abs(frame.at(0).toDouble()));
        }
        QVERIFY(std::abs(peak - 0.75 * 9.549296585513721) < 1e-9);
        QVERIFY(page.findChild<QPushButton *>(QStringLiteral("ResStartBtn"))->isEnabled());
        QVERIFY(!stop->isEnabled());
        // Stopped: the mass is drawn at rest (Mid of the paint box).
        auto *pic = page.findChild<PaintBox *>(QStringLiteral("ResPic"));
        QCOMPARE(pic->surface().pixel(15, Resonance::restCentre(pic->height())), qRgb(255, 0, 0));
    }

    void printedPage()
    {
        Session session;
        ResonancePage page(session);
        page.resize(450, 500);
        page.startUp();
        const QString out = printedText([&page](QPrinter &p, QString *e) { return page.printChart(p, e); });
        QVERIFY(out.contains(QStringLiteral("Graph of amplitude v driving frequency")));
        QVERIFY(out.contains(QStringLiteral("driving frequency (Hz)")));
    }
};

QTEST_MAIN(TestResonance)
#include "tst_resonance.moc"
