#include "app/TopicRegistry.h"

#include <QTest>

class TestTopicRegistry : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void captionsOutsideTheTable()
    {
        QCOMPARE(Topics::caption(0), QStringLiteral("Waves"));
        QVERIFY(Topics::caption(17).isEmpty());
        QVERIFY(Topics::caption(-1).isEmpty());
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
};

QTEST_APPLESS_MAIN(TestTopicRegistry)
#include "tst_topicregistry.moc"
