#include "app/TopicCatalogue.h"

#include <QTest>

#include <set>

class TestTopicCatalogue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void table_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QString>("menuCaption");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("textPage");
        QTest::addColumn<int>("width");
        const auto add = [](int t, const char *item, const char *menu, const char *page, const char *caption,
                            const char *text, int width) {
            QTest::addRow("topic %d", t) << t << QString::fromLatin1(item) << QString::fromLatin1(menu)
                                         << QString::fromLatin1(page) << QString::fromLatin1(caption)
                                         << QString::fromLatin1(text) << width;
        };
        add(1, "Youngsdoubleslits1", "Young's double slits", "YDStab", "Waves [Young's double slit experiment]",
            "YDS.HTM", 430);
        add(2, "Multipleslitdiffraction1", "Multiple slit diffraction", "DifTab", "Waves [multiple slit interference]",
            "MULTISLIT.HTM", 440);
        add(3, "Spectrometer1", "Diffraction grating (spectrometer)", "GratingTab", "Waves [diffraction grating]",
            "GRATING.HTM", 440);
        add(4, "Transverseandlongitudinalwaves1", "Transverse and longitudinal waves", "TnvsLongTab",
            "Waves [longitudinal and transverse waves]", "TLWAVE.HTM", 380);
        add(5, "Soundwaves1", "Sound waves", "SoundTab", "Waves [sound waves]", "SOUND.HTM", 420);
        add(6, "Standingwaves1", "Standing waves", "StatWaveTab", "Waves [stationary waves]", "STATWAVE.HTM", 490);
        add(7, "Speedofsound1", "Speed of sound measurement", "SndSpeedTab", "Waves [speed of sound in air]",
            "SNDSPEED.HTM", 400);
        add(8, "Superpositionofwaves1", "Superposition of waves", "SumWaveTab", "Waves [superposition of waves]",
            "SUPERWAVE.HTM", 470);
        add(9, "DampedSHM1", "Damped SHM", "SHMtab", "Waves [damped SHM]", "DAMPSHM.HTM", 450);
        add(10, "Absorptionofgammarays1", "Absorption of gamma rays", "GammaTab", "Waves [Absorption of gamma rays]",
            "GAMMA.HTM", 450);
        add(11, "Auxilliarycircle1", "Wave mathematics", "AuxCircleTab", "Waves [Wave mathematics]", "AUXCIRCLE.HTM",
            420);
        add(12, "Rippletankmodel1", "Ripple tank models", "RippleTab",
            "Waves [Interference and diffraction in ripple tanks]", "RIPPLE.HTM", 410);
        add(13, "Hydrogenemissionspectrum1", "Hydrogen emission spectrum", "SpectraTab",
            "Waves [Hydrogen emission spectrum]", "HSPECTRUM.HTM", 450);
        add(14, "Forcedoscilations1", "Forced oscillations", "ResonanceTab",
            "Waves [Forced oscillations and resonance]", "RESONANCE.HTM", 450);
        add(15, "EMWaves1", "Electromagnetic waves", "EMWaveTab", "Waves [Electromagnetic waves]", "EM_WAVES.HTM", 410);
        add(16, "Polarization1", "Polarization", "PolarTab", "Waves [Polarization]", "POLARIZATION.HTM", 410);
    }
    void table()
    {
        QFETCH(int, topic);
        QFETCH(QString, menuItem);
        QFETCH(QString, menuCaption);
        QFETCH(QString, page);
        QFETCH(QString, caption);
        QFETCH(QString, textPage);
        QFETCH(int, width);
        const Topics::TopicInfo &info = Topics::info(topic);
        QCOMPARE(QString::fromLatin1(info.menuItem), menuItem);
        QCOMPARE(Topics::menuCaption(topic), menuCaption);
        QCOMPARE(QString::fromLatin1(info.page), page);
        QCOMPARE(Topics::caption(topic), caption);
        QCOMPARE(Topics::topicPage(topic), textPage);
        QCOMPARE(Topics::initTopicWidths()[std::size_t(topic - 1)], width);
    }

    void captionsOutsideTheTable()
    {
        QCOMPARE(Topics::caption(0), QStringLiteral("Waves"));
        QVERIFY(Topics::caption(17).isEmpty());
        QVERIFY(Topics::caption(-1).isEmpty());
    }

    void menuOrderListsEveryTopicOnce()
    {
        const std::array<int, 16> expected{10, 9, 3, 15, 14, 13, 2, 16, 12, 4, 5, 7, 6, 8, 1, 11};
        QCOMPARE(Topics::MenuOrder, expected);
        const std::set<int> distinct(Topics::MenuOrder.begin(), Topics::MenuOrder.end());
        QCOMPARE(int(distinct.size()), 16);
    }

    void pageTopic_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain name") << "YDS.HTM" << 0 << 1;
        QTest::newRow("lower case with anchor") << "yds.htm#fringes" << 5 << 1;
        QTest::newRow("mixed case") << "Polarization.Htm" << 0 << 16;
        QTest::newRow("windows path") << "C:\\Corvane\\HTML\\gamma.htm" << 0 << 10;
        QTest::newRow("unix path") << "/opt/corvane/HTML/EM_WAVES.HTM" << 3 << 15;
        QTest::newRow("after a colon") << "file:DAMPSHM.HTM" << 0 << 9;
        QTest::newRow("anchor only changes nothing") << "#top" << 7 << 7;
        QTest::newRow("index page") << "index.htm" << 4 << 4;
        QTest::newRow("page outside the table") << "glossary.htm" << 12 << 12;
        QTest::newRow("picture link") << "$fringes.gif" << 2 << 2;
        QTest::newRow("longer extension") << "MULTISLIT.HTML" << 6 << 6;
        QTest::newRow("name inside a longer name") << "XYDS.HTM" << 6 << 6;
        QTest::newRow("empty") << "" << 8 << 8;
    }
    void pageTopic()
    {
        QFETCH(QString, url);
        QFETCH(int, current);
        QFETCH(int, expected);
        QCOMPARE(Topics::pageTopic(url, current), expected);
    }

    void helpContexts_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<int>("context");
        const int contexts[] = {1130, 1060, 1030, 1080, 1090, 1110, 1100, 1120,
                                1020, 1010, 1140, 1070, 1050, 1040, 1160, 1170};
        for (int t = 1; t <= 16; ++t) {
            QTest::addRow("topic %d", t) << t << contexts[t - 1];
        }
        QTest::newRow("start page") << 0 << 0;
    }
    void helpContexts()
    {
        QFETCH(int, topic);
        QFETCH(int, context);
        QCOMPARE(Topics::helpContext(topic), context);
    }

    void animationMenu_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<bool>("nonPolar");
        QTest::addColumn<bool>("visible");
        for (int t : {4, 6, 9, 11, 12, 13, 14}) {
            QTest::addRow("topic %d animates", t) << t << false << true;
        }
        for (int t : {0, 1, 2, 3, 5, 7, 8, 10, 15}) {
            QTest::addRow("topic %d does not", t) << t << false << false;
        }
        QTest::newRow("polarizer picture") << 16 << false << false;
        QTest::newRow("unpolarized light") << 16 << true << true;
        QTest::newRow("panel flag ignored elsewhere") << 15 << true << false;
    }
    void animationMenu()
    {
        QFETCH(int, topic);
        QFETCH(bool, nonPolar);
        QFETCH(bool, visible);
        QCOMPARE(Topics::animationMenuVisible(topic, nonPolar), visible);
    }
};

QTEST_APPLESS_MAIN(TestTopicCatalogue)
#include "tst_topiccatalogue.moc"
