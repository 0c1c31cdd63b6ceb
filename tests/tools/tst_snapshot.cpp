#include "Snapshot.h"
#include "app/Application.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

struct Run
{
    int code = -1;
    QString out;
    QString err;
};

Run snap(const QStringList &args)
{
    Run r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = Snapshot::runAll(args, out, err);
    out.flush();
    err.flush();
    return r;
}

} // namespace

class TestSnapshot : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { configureApplication(*qApp); }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown action") << QStringList{QStringLiteral("--shoot")} << QStringLiteral("unknown action");
        QTest::newRow("missing value") << QStringList{QStringLiteral("--topic")} << QStringLiteral("needs a value");
        QTest::newRow("bad screen") << QStringList{QStringLiteral("--screen"), QStringLiteral("wide")}
                                    << QStringLiteral("bad screen size");
        QTest::newRow("topic out of range")
            << QStringList{QStringLiteral("--topic"), QStringLiteral("17")} << QStringLiteral("outside 1..16");
        QTest::newRow("topic not a number")
            << QStringList{QStringLiteral("--topic"), QStringLiteral("x")} << QStringLiteral("whole number");
        QTest::newRow("unknown control") << QStringList{QStringLiteral("--text"), QStringLiteral("NoSuchLabel")}
                                         << QStringLiteral("no control named");
        QTest::newRow("unknown menu item")
            << QStringList{QStringLiteral("--menu"), QStringLiteral("Nothing1")} << QStringLiteral("no menu item");
        QTest::newRow("set without value")
            << QStringList{QStringLiteral("--set"), QStringLiteral("MainPC")} << QStringLiteral("NAME=VALUE");
        QTest::newRow("set on a non-control")
            << QStringList{QStringLiteral("--set"), QStringLiteral("MainPC=1")} << QStringLiteral("not a control");
        QTest::newRow("press without position")
            << QStringList{QStringLiteral("--press"), QStringLiteral("MainPC")} << QStringLiteral("needs a position");
        QTest::newRow("link in a non-browser")
            << QStringList{QStringLiteral("--link"), QStringLiteral("MainPC=index.htm")}
            << QStringLiteral("not a text browser");
        QTest::newRow("pdf without .pdf")
            << QStringList{QStringLiteral("--pdf"), QStringLiteral("/tmp/out.txt")} << QStringLiteral("not a .pdf");
        QTest::newRow("refused try: link")
            << QStringList{QStringLiteral("--link"), QStringLiteral("Viewer=try:6?NoSuchHsb=2")}
            << QStringLiteral("refused the link");
        QTest::newRow("zoom between steps")
            << QStringList{QStringLiteral("--zoom"), QStringLiteral("110")} << QStringLiteral("not one of");
        QTest::newRow("not a chart") << QStringList{QStringLiteral("--series"), QStringLiteral("MainPC=/tmp/x.csv")}
                                     << QStringLiteral("not a chart");
    }
    void badArguments()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const Run r = snap(args);
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
    }

    void topicAndCaption()
    {
        const Run r = snap({QStringLiteral("--text"), QStringLiteral("caption"), QStringLiteral("--topic"),
                            QStringLiteral("3"), QStringLiteral("--text"), QStringLiteral("caption"),
                            QStringLiteral("--text"), QStringLiteral("MenuBtn")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("caption=Waves\ncaption=Waves [diffraction grating]\nMenuBtn=index\n"));
    }

    void menuItemsRunTheirHandlers()
    {
        // The About box is opened and closed again; the topic follows the menu.
        const Run r = snap({QStringLiteral("--menu"), QStringLiteral("About1"), QStringLiteral("--menu"),
                            QStringLiteral("Polarization1"), QStringLiteral("--text"), QStringLiteral("caption")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("caption=Waves [Polarization]\n"));
    }

    void grabTheWindowForAScreenSize()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("window.png"));
        const Run r = snap({QStringLiteral("--screen"), QStringLiteral("1024,768"), QStringLiteral("--grab"),
                            QStringLiteral("MainFrm=") + file});
        QCOMPARE(r.code, 0);
        const QImage image(file);
        QCOMPARE(image.size(), QSize(800, 600));
    }

    // On a maximised 1920 x 1080 screen at 200%, a picture as shown is its
    // surface with every pixel a 2 x 2 block, exactly.
    void grabOnScreenAtTwiceTheSize_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("picture");
        QTest::newRow("fringes") << 1 << "FringePic";
        QTest::newRow("ripple tank") << 12 << "Rippic";
        QTest::newRow("gamma") << 10 << "GammaPic";
    }
    void grabOnScreenAtTwiceTheSize()
    {
        QFETCH(int, topic);
        QFETCH(QString, picture);
        QTemporaryDir dir;
        const QString drawn = dir.filePath(QStringLiteral("drawn.png"));
        const QString shown = dir.filePath(QStringLiteral("shown.png"));
        const Run r = snap({QStringLiteral("--screen"), QStringLiteral("1920,1080"), QStringLiteral("--maximize"),
                            QStringLiteral("--topic"), QString::number(topic), QStringLiteral("--zoom"),
                            QStringLiteral("200"), QStringLiteral("--grab"), picture + QLatin1Char('=') + drawn,
                            QStringLiteral("--grab-screen"), picture + QLatin1Char('=') + shown});
        QCOMPARE(r.code, 0);
        const QImage surface = QImage(drawn).convertToFormat(QImage::Format_RGB32);
        const QImage screen = QImage(shown).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(screen, surface.scaled(surface.size() * 2));
    }

    void seriesOfAChart()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("dif.csv"));
        const Run r = snap({QStringLiteral("--topic"), QStringLiteral("2"), QStringLiteral("--set"),
                            QStringLiteral("DifNslitsHsb=3"), QStringLiteral("--series"),
                            QStringLiteral("DifChart=") + file});
        QCOMPARE(r.code, 0);
        QFile csv(file);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(csv.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.first(), QStringLiteral("series,index,x,y"));
        QCOMPARE(lines.size(), 1 + 1801); // no envelope series
        QCOMPARE(lines[1].section(QLatin1Char(','), 0, 2), QStringLiteral("0,0,-90"));
    }

    // Printing the standing-wave page through its preview writes a PDF that
    // carries the page's picture.
    void printTopicToPdf()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("out.pdf"));
        const Run r = snap({QStringLiteral("--pdf"), file, QStringLiteral("--topic"), QStringLiteral("6"),
                            QStringLiteral("--menu"), QStringLiteral("Printtopic1")});
        QCOMPARE(r.code, 0);
        QFile pdf(file);
        QVERIFY2(pdf.open(QIODevice::ReadOnly), qPrintable(r.err));
        QVERIFY(pdf.readAll().contains("/Subtype /Image"));
    }

    // Links followed in the text pane and in the help window, and the page
    // each then shows.
    void followLinks()
    {
        const Run r = snap({QStringLiteral("--link"), QStringLiteral("Viewer=STATWAVE.HTM"), QStringLiteral("--text"),
                            QStringLiteral("Viewer"), QStringLiteral("--text"), QStringLiteral("caption"),
                            QStringLiteral("--menu"), QStringLiteral("Contents1"), QStringLiteral("--link"),
                            QStringLiteral("HelpBrowser=gamma.html#top"), QStringLiteral("--text"),
                            QStringLiteral("HelpBrowser")});
        QCOMPARE(r.code, 0);
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].startsWith(QStringLiteral("Viewer=")) && lines[0].endsWith(QStringLiteral("STATWAVE.HTM")),
                 qPrintable(lines[0]));
        QCOMPARE(lines[1], QStringLiteral("caption=Waves [stationary waves]"));
        QVERIFY2(lines[2].startsWith(QStringLiteral("HelpBrowser=qthelp://"))
                     && lines[2].endsWith(QStringLiteral("/gamma.html#top")),
                 qPrintable(lines[2]));
    }

    void clicksReachButtons()
    {
        // Index on the start page is disabled; forward too; "print" is a plain click.
        const Run r = snap({QStringLiteral("--topic"), QStringLiteral("9"), QStringLiteral("--click"),
                            QStringLiteral("MenuBtn"), QStringLiteral("--text"), QStringLiteral("caption")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("caption=Waves [damped SHM]\n"));
    }

    // The ripple tank's animation runs until stopped, inside its start click:
    // the script goes on while it runs, the waves move during a wait, a bad
    // action still exits 2, and the end of the script stops the animation.
    void scriptGoesOnWhileAnAnimationRuns()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("first.png"));
        const QString later = dir.filePath(QStringLiteral("later.png"));
        const Run r = snap({QStringLiteral("--topic"), QStringLiteral("12"), QStringLiteral("--click"),
                            QStringLiteral("rpStartBtn"), QStringLiteral("--wait"), QStringLiteral("200"),
                            QStringLiteral("--grab"), QStringLiteral("Rippic=") + first, QStringLiteral("--wait"),
                            QStringLiteral("200"), QStringLiteral("--grab"), QStringLiteral("Rippic=") + later});
        QCOMPARE(r.code, 0);
        QVERIFY(QImage(first) != QImage(later));
        const Run bad = snap({QStringLiteral("--topic"), QStringLiteral("12"), QStringLiteral("--click"),
                              QStringLiteral("rpStartBtn"), QStringLiteral("--click"), QStringLiteral("NoSuchButton")});
        QCOMPARE(bad.code, 2);
        QVERIFY2(bad.err.contains(QStringLiteral("no control named")), qPrintable(bad.err));
    }
};

QTEST_MAIN(TestSnapshot)
#include "tst_snapshot.moc"
