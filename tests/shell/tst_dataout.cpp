// What a student takes away for a report: chart numbers for a spreadsheet
// (the table's layout, and Graph > "Copy data" and "Save data..." through the
// window on every chart topic) and the printed simulation.
#include "MainFrmFixture.h"
#include "app/MainFrm.h"
#include "app/TopicRegistry.h"
#include "chart/Chart.h"
#include "chart/ChartData.h"
#include "oscillations/GammaPage.h"
#include "shell/ResultsTable.h"
#include "shell/TopicPage.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(QList<ChartData::Series>)

class TestDataOut : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void layout_data()
    {
        QTest::addColumn<QList<ChartData::Series>>("series");
        QTest::addColumn<QString>("csv");
        QTest::newRow("shared x: one x column")
            << QList<ChartData::Series>{{QStringLiteral("displacement"), {{0, 1.5}, {0.25, -2}}},
                                        {QStringLiteral("velocity"), {{0, 0}, {0.25, 3e-7}}}}
            << QStringLiteral("time (s),displacement,velocity\r\n0,1.5,0\r\n0.25,-2,3e-07\r\n");
        QTest::newRow("separate x: two columns each, padded")
            << QList<ChartData::Series>{{QStringLiteral("a"), {{1, 2}}}, {QStringLiteral("b, c"), {{5, 6}, {7, 8}}}}
            << QStringLiteral("a x,a y,b, c x,b, c y\r\n1,2,5,6\r\n,,7,8\r\n")
                   .replace(QStringLiteral("b, c x,b, c y"), QStringLiteral("\"b, c x\",\"b, c y\""));
    }
    void layout()
    {
        QFETCH(QList<ChartData::Series>, series);
        QFETCH(QString, csv);
        QCOMPARE(ChartData::csv(ChartData::table(QStringLiteral("time (s)"), series, QLocale::c())), csv);
    }

    // Every point of every series of the four chart topics, as the chart
    // holds it; under a decimal-comma desktop the clipboard has commas, the
    // file always points.
    void copyAndSaveThroughTheWindow_data()
    {
        QTest::addColumn<int>("topic");
        QTest::newRow("multiple slits") << 2;
        QTest::newRow("superposition") << 8;
        QTest::newRow("damped SHM") << 9;
        QTest::newRow("resonance") << 14;
    }
    void copyAndSaveThroughTheWindow()
    {
        QFETCH(int, topic);
        const QLocale desktop;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(desktop); });
        Fixture f;
        f.chooseTopic(topic);
        Chart *chart = f.window->page(topic)->chart();
        chart->replotNow();
        f.window->Graph1Click();
        auto *copy = f.window->findChild<QAction *>(QStringLiteral("CopyData1"));
        QVERIFY(copy->isEnabled());
        copy->trigger();
        const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);

        QTemporaryDir dir;
        f.dialogs->saveTo = dir.filePath(QStringLiteral("data.csv"));
        f.window->findChild<QAction *>(QStringLiteral("SaveData1"))->trigger();
        QFile file(f.dialogs->saveTo);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList rows = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), lines.size());

        // Each non-empty series' points, in the table's columns.
        const QLocale german(QLocale::German);
        const bool shared = lines.constFirst().split(QLatin1Char('\t')).size() < 2 * chart->seriesCount();
        int column = 1; // the first y column
        for (int s = 0; s < chart->seriesCount(); ++s) {
            if (chart->count(s) == 0) {
                continue;
            }
            for (int i = 0; i < chart->count(s); ++i) {
                const QStringList pasted = lines[i + 1].split(QLatin1Char('\t'));
                const QStringList saved = rows[i + 1].split(QLatin1Char(','));
                const QPointF p = chart->point(s, i);
                bool ok = false;
                QVERIFY(qAbs(german.toDouble(pasted[column], &ok) - p.y()) <= 1e-6 * std::max(1.0, qAbs(p.y())));
                QVERIFY(ok);
                QVERIFY(qAbs(saved[column].toDouble(&ok) - p.y()) <= 1e-6 * std::max(1.0, qAbs(p.y())));
                QVERIFY(ok);
                const int xColumn = shared ? 0 : column - 1;
                QVERIFY(qAbs(saved[xColumn].toDouble() - p.x()) <= 1e-6 * std::max(1.0, qAbs(p.x())));
            }
            column += shared ? 1 : 2;
        }
        QVERIFY(!QGuiApplication::clipboard()->text().contains(QLatin1Char('.')));
    }

    // A file that cannot be written: a message naming it, and no file, whole or half.
    void saveWhereNothingCanBeWritten_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("a folder that does not exist") << false;
        QTest::newRow("a read-only folder") << true;
    }
    void saveWhereNothingCanBeWritten()
    {
        QFETCH(bool, readOnly);
        Fixture f;
        f.chooseTopic(8);
        QTemporaryDir dir;
        const QString folder = readOnly ? dir.path() : dir.filePath(QStringLiteral("missing"));
        if (readOnly) {
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
            if (QFile probe(dir.filePath(QStringLiteral("probe"))); probe.open(QIODevice::WriteOnly)) {
                QSKIP("this user can write into read-only folders");
            }
        }
        const auto writable = qScopeGuard(
            [&] { QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        f.dialogs->saveTo = QDir(folder).filePath(QStringLiteral("data.csv"));
        f.window->SaveDataClick();
        QCOMPARE(f.dialogs->errors.size(), 1);
        QVERIFY(f.dialogs->errors[0].contains(QStringLiteral("data.csv")));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    // A finished gamma count adds a row of its settings and its count, which
    // Graph > "Copy data" hands out; "clear" empties the table.
    void gammaCountsAreRecorded()
    {
        Fixture f;
        f.chooseTopic(10);
        auto *page = static_cast<GammaPage *>(f.window->page(10));
        f.window->findChild<QScrollBar *>(QStringLiteral("GmtHsb"))->setValue(837);
        f.window->findChild<QScrollBar *>(QStringLiteral("ThickHsb"))->setValue(3);
        f.window->Graph1Click();
        QVERIFY(!f.window->findChild<QAction *>(QStringLiteral("CopyData1"))->isEnabled()); // nothing counted yet
        f.window->findChild<QAbstractButton *>(QStringLiteral("CountStartBtn"))->click(); // one simulated minute
        QCOMPARE(page->results()->rowCount(), 1);
        const QVariantList row = page->results()->rows().constFirst();
        QCOMPARE(row.mid(0, 5), (QVariantList{837, 3, QStringLiteral("no"), 60, page->count()}));
        QCOMPARE(row[5].toDouble(), page->count() / 60.0);

        f.window->Graph1Click();
        auto *copy = f.window->findChild<QAction *>(QStringLiteral("CopyData1"));
        QVERIFY(copy->isEnabled());
        copy->trigger();
        const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[1].startsWith(QStringLiteral("837\t3\tno\t60\t%1\t").arg(page->count())));

        f.window->findChild<QAbstractButton *>(QStringLiteral("GammaResultsClearBtn"))->click();
        QCOMPARE(page->results()->rowCount(), 0);
        f.window->Graph1Click();
        QVERIFY(!copy->isEnabled());
    }

    // The gamma chart finds the physics in the counts: behind 4 mm of absorber
    // the rate has fallen to e^(-0.346 x 4), so the fit's half-value thickness
    // is ln 2 / 0.346 = 2.00 mm; at twice the distance a quarter of the rate,
    // 10 per second at 1 m for this source. All six columns of the table show.
    void gammaChartFitsTheReadings()
    {
        Fixture f;
        f.chooseTopic(10);
        const auto set = [&f](const char *name, int value) {
            f.window->findChild<QAbstractSlider *>(QString::fromLatin1(name))->setValue(value);
        };
        auto *count = f.window->findChild<QAbstractButton *>(QStringLiteral("CountStartBtn"));
        set("AbsorberHsb", 0);
        set("ThickHsb", 0);
        for (const int distance : {600, 300}) {
            set("GmtHsb", distance);
            count->click();
        }
        auto *chart = f.window->findChild<Chart *>(QStringLiteral("GammaChart"));
        auto *label = f.window->findChild<QLabel *>(QStringLiteral("GammaFitLabel"));
        const auto shown = [label](const char *pattern) {
            const QRegularExpressionMatch match = QRegularExpression(QString::fromLatin1(pattern)).match(label->text());
            return match.hasMatch() ? match.captured(1).toDouble() : -1.0;
        };
        f.window->findChild<QCheckBox *>(QStringLiteral("GammaFitChk"))->click();
        QCOMPARE(chart->count(0), 2);
        QVERIFY(chart->count(1) > 0);
        QVERIFY2(qAbs(shown("([0-9.]+) per second at 1 m") - 10) < 0.3, qPrintable(label->text()));

        set("ThickHsb", 4);
        count->click();
        f.window->findChild<QGroupBox *>(QStringLiteral("GammaPlotRG"))->findChildren<QRadioButton *>()[1]->click();
        QCOMPARE(chart->count(0), 2); // at 300 mm, the latest distance
        QVERIFY2(qAbs(shown("half-value thickness ([0-9.]+) mm") - 2.0) < 0.1, qPrintable(label->text()));

        auto *view = f.window->findChild<QTableView *>(QStringLiteral("GammaResultsView"));
        QVERIFY(view->horizontalHeader()->length() <= view->viewport()->width());
    }

    // A reading recorded on the other measurement pages: the settings and
    // what the screen shows, checked against the physics (sound at 330 m/s:
    // 300 Hz has a wavelength of 110 cm, so 80 cm lags 262 degrees; 650 nm on
    // 300 lines per mm has its first order at 11.2 degrees, the nearest line
    // to a telescope at 10 degrees).
    void readingsAreRecorded_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QVariantList>("row");
        QTest::newRow("speed of sound") << 7 << QStringList{QStringLiteral("SndSpkHsb=1200")} << "SndRecordBtn"
                                        << QVariantList{300, 80.0, 262.0};
        QTest::newRow("grating") << 3
                                 << QStringList{QStringLiteral("GratingHsb=100"), QStringLiteral("GratingWLhsb=650")}
                                 << "GratingRecordBtn" << QVariantList{650, 300, 10.0, 1};
    }
    void readingsAreRecorded()
    {
        QFETCH(int, topic);
        QFETCH(QStringList, settings);
        QFETCH(QString, record);
        QFETCH(QVariantList, row);
        Fixture f;
        f.chooseTopic(topic);
        for (const QString &setting : std::as_const(settings)) {
            const QStringList parts = setting.split(QLatin1Char('='));
            f.window->findChild<QAbstractSlider *>(parts[0])->setValue(parts[1].toInt());
        }
        auto *button = f.window->findChild<QAbstractButton *>(record);
        button->click();
        button->click();
        ResultsTable *results = f.window->page(topic)->results();
        QCOMPARE(results->rowCount(), 2);
        for (int column = 0; column < row.size(); ++column) {
            QCOMPARE(results->rows().constLast()[column].toDouble(), row[column].toDouble());
        }
        f.window->findChild<QAbstractButton *>(results->objectName() + QStringLiteral("ClearBtn"))->click();
        QCOMPARE(results->rowCount(), 0);
    }

    // The printed sheet names the topic and says what every control is set to.
    void printSimulation()
    {
        Fixture f;
        f.chooseTopic(1);
        f.window->setPageZoom(150); // printed the same at any zoom
        QTemporaryDir dir;
        f.dialogs->printToFile = dir.filePath(QStringLiteral("simulation.pdf"));
        auto *print = f.window->findChild<QAction *>(QStringLiteral("Printsimulation1"));
        print->trigger();
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {f.dialogs->printToFile, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(20000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        for (const QString &expected : {Topics::caption(1), QStringLiteral("0.50 mm"),
                                        QStringLiteral("set slit separation: 50 (of 10 to 100)")}) {
            QVERIFY2(printed.contains(expected), qPrintable(printed));
        }
    }
};

QTEST_MAIN(TestDataOut)
#include "tst_dataout.moc"
