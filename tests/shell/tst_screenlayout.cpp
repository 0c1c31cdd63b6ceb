#include "shell/ScreenLayout.h"

#include <QTest>
#include <QWidget>

class TestScreenLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void arrange_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("workArea");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<int>("pageWidth");
        QTest::newRow("640 wide: small screen")
            << QSize(640, 480) << QRect(0, 0, 640, 440) << 1 << true << QRect(0, 0, 640, 440) << 330;
        QTest::newRow("641 wide: normal")
            << QSize(641, 480) << QRect(0, 0, 641, 440) << 2 << false << QRect(0, 0, 641, 440) << 460;
        QTest::newRow("work area exactly 800")
            << QSize(800, 600) << QRect(0, 0, 800, 560) << 2 << false << QRect(0, 0, 800, 560) << 460;
        QTest::newRow("work area with a side panel")
            << QSize(1024, 768) << QRect(100, 0, 800, 768) << 2 << false << QRect(100, 0, 800, 768) << 460;
        // 801 / 2 - 400 = 0 and 600 / 2 - 300 = 0.
        QTest::newRow("work area 801") << QSize(801, 600) << QRect(0, 0, 801, 560) << 2 << false
                                       << QRect(0, 0, 800, 600) << 460;
        QTest::newRow("1024 by 768") << QSize(1024, 768) << QRect(0, 0, 1024, 728) << 2 << false
                                     << QRect(112, 84, 800, 600) << 460;
        QTest::newRow("odd sizes divide toward zero")
            << QSize(1025, 769) << QRect(0, 0, 1025, 729) << 2 << false << QRect(112, 84, 800, 600) << 460;
    }
    void arrange()
    {
        QFETCH(QSize, screen);
        QFETCH(QRect, workArea);
        QFETCH(int, mode);
        QFETCH(bool, maximised);
        QFETCH(QRect, bounds);
        QFETCH(int, pageWidth);
        const ScreenArrangement a = arrangeForScreen({screen, workArea});
        QCOMPARE(a.screenMode, mode);
        QCOMPARE(a.maximised, maximised);
        QCOMPARE(a.bounds, bounds);
        QCOMPARE(a.mainPCWidth, pageWidth);
    }

    void controlSizes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("expected");
        // Start geometry of the stand-ins: GratingPic (10, 40) 280x280, GratingHsb
        // (5, 500) 100x17, HSpecPic (4, 50) 350x300, EMWavePic (8, 9) 380x380,
        // EMWaveHsb (8, 400) 380x16, PolarPic (5, 6) 380x380.
        QTest::newRow("small GratingPic") << 1 << "GratingPic" << QRect(10, 40, 250, 250);
        QTest::newRow("small GratingHsb") << 1 << "GratingHsb" << QRect(10, 295, 250, 17);
        QTest::newRow("small HSpecPic") << 1 << "HSpecPic" << QRect(4, 50, 350, 280);
        QTest::newRow("small EMWavePic") << 1 << "EMWavePic" << QRect(2, 2, 350, 350);
        QTest::newRow("small EMWaveHsb") << 1 << "EMWaveHsb" << QRect(2, 360, 350, 14);
        QTest::newRow("small PolarPic") << 1 << "PolarPic" << QRect(5, 6, 350, 350);
        QTest::newRow("normal GratingPic") << 2 << "GratingPic" << QRect(10, 40, 300, 300);
        QTest::newRow("normal GratingHsb") << 2 << "GratingHsb" << QRect(10, 345, 300, 17);
        QTest::newRow("normal HSpecPic") << 2 << "HSpecPic" << QRect(4, 50, 350, 365);
        QTest::newRow("normal EMWavePic as laid out") << 2 << "EMWavePic" << QRect(8, 9, 380, 380);
        QTest::newRow("normal EMWaveHsb as laid out") << 2 << "EMWaveHsb" << QRect(8, 400, 380, 16);
        QTest::newRow("normal PolarPic as laid out") << 2 << "PolarPic" << QRect(5, 6, 380, 380);
    }
    void controlSizes()
    {
        QFETCH(int, mode);
        QFETCH(QString, name);
        QFETCH(QRect, expected);
        QWidget root;
        const auto make = [&root](const char *objectName, QRect geometry) {
            auto *w = new QWidget(&root);
            w->setObjectName(QString::fromLatin1(objectName));
            w->setGeometry(geometry);
        };
        make("GratingPic", QRect(10, 40, 280, 280));
        make("GratingHsb", QRect(5, 500, 100, 17));
        make("HSpecPic", QRect(4, 50, 350, 300));
        make("EMWavePic", QRect(8, 9, 380, 380));
        make("EMWaveHsb", QRect(8, 400, 380, 16));
        make("PolarPic", QRect(5, 6, 380, 380));
        applyTopicControlSizes(&root, mode);
        QCOMPARE(root.findChild<QWidget *>(name)->geometry(), expected);
    }

    void missingControlsAreSkipped()
    {
        QWidget root;
        applyTopicControlSizes(&root, 1);
        QVERIFY(root.children().isEmpty());
    }
};

QTEST_MAIN(TestScreenLayout)
#include "tst_screenlayout.moc"
