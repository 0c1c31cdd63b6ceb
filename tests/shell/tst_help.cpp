#include "shell/HelpSystem.h"
#include "shell/HelpWindow.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

namespace {
QString collection()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Vardel.qhc");
}
} // namespace

class TestHelp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Every F1 context number leads to the page of its own topic.
    void everyContextHasAPage_data()
    {
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("title");
        const std::pair<int, const char *> pages[] = {
            {1000, "Corvane Help"},
            {1130, "Young's double slits"},
            {1060, "Multiple slit diffraction"},
            {1030, "Diffraction grating (spectrometer)"},
            {1080, "Transverse and longitudinal waves"},
            {1090, "Sound waves"},
            {1110, "Standing waves"},
            {1100, "Speed of sound measurement"},
            {1120, "Superposition of waves"},
            {1020, "Damped SHM"},
            {1010, "Absorption of gamma rays"},
            {1140, "Wave mathematics"},
            {1070, "Ripple tank models"},
            {1050, "Hydrogen emission spectrum"},
            {1040, "Forced oscillations and resonance"},
            {1160, "Electromagnetic waves"},
            {1170, "Polarization"},
        };
        for (const auto &[context, title] : pages) {
            QTest::addRow("%d", context) << context << QString::fromUtf8(title);
        }
    }
    void everyContextHasAPage()
    {
        QFETCH(int, context);
        QFETCH(QString, title);
        HelpWindow window(collection());
        QVERIFY(window.isValid());
        const QUrl url = window.urlForContext(context);
        QVERIFY(url.isValid());
        const QString html = QString::fromUtf8(window.engine()->fileData(url));
        QVERIFY2(html.contains(QStringLiteral("<h1>") + title + QStringLiteral("</h1>")), qPrintable(url.toString()));
    }

    void showContextDisplaysThePage()
    {
        QtHelpSystem help(collection());
        help.showContext(1160);
        QVERIFY(help.window());
        QVERIFY(help.window()->isVisible());
        QVERIFY(help.window()->currentPage().toString().endsWith(QStringLiteral("emwaves.html")));
        QVERIFY(help.window()->browser()->toPlainText().contains(QStringLiteral("Electromagnetic waves")));
        help.showContents();
        QVERIFY(help.window()->currentPage().toString().endsWith(QStringLiteral("index.html")));
        help.quit();
        QVERIFY(!help.window()->isVisible());
    }

    void unknownContextFallsBackToTheContents()
    {
        HelpWindow window(collection());
        window.showContext(4242);
        QVERIFY(window.currentPage().toString().endsWith(QStringLiteral("index.html")));
    }

    // The search dialog: typing part of a keyword narrows the index to it.
    void partialKeySearch()
    {
        QtHelpSystem help(collection());
        help.searchPartialKey();
        HelpWindow *window = help.window();
        QHelpIndexModel *model = window->engine()->indexModel();
        QTRY_VERIFY(model->rowCount() > 20);
        window->indexFilter()->setText(QStringLiteral("malus"));
        QTRY_COMPARE(model->rowCount(), 1);
        QCOMPARE(model->data(model->index(0, 0)).toString(), QStringLiteral("Malus's law"));
        QTest::keyClick(window->indexFilter(), Qt::Key_Return);
        QTRY_VERIFY(window->currentPage().toString().endsWith(QStringLiteral("polarization.html")));
    }

    // The translated help's index lists its own language's words, and a word
    // opens the page in that language.
    void translatedIndexSpeaksItsLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("keyword");
        QTest::newRow("de") << QStringLiteral("de") << QStringLiteral("nulleff") << QStringLiteral("Nulleffekt");
        QTest::newRow("es") << QStringLiteral("es") << QStringLiteral("recuento de f")
                            << QStringLiteral("recuento de fondo");
    }
    void translatedIndexSpeaksItsLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, typed);
        QFETCH(QString, keyword);
        QtHelpSystem help(QCoreApplication::applicationDirPath() + QStringLiteral("/help/%1/Vardel.qhc").arg(language));
        help.searchPartialKey();
        HelpWindow *window = help.window();
        QHelpIndexModel *model = window->engine()->indexModel();
        QTRY_VERIFY(model->rowCount() > 20);
        window->indexFilter()->setText(typed);
        QTRY_COMPARE(model->rowCount(), 1);
        QCOMPARE(model->data(model->index(0, 0)).toString(), keyword);
        QTest::keyClick(window->indexFilter(), Qt::Key_Return);
        QTRY_VERIFY(window->currentPage().toString().endsWith(QStringLiteral("gamma.html")));
        QVERIFY(window->browser()->toPlainText().contains(keyword, Qt::CaseInsensitive));
    }

    // A link between help pages opens in the help window, with back, forward
    // and home as a help viewer has.
    void linksOpenInTheHelpWindow()
    {
        HelpWindow window(collection());
        QVERIFY(window.isValid());
        window.showContents();
        const QUrl contents = window.currentPage();
        QVERIFY(contents.toString().endsWith(QStringLiteral("index.html")));
        auto *back = window.findChild<QToolButton *>(QStringLiteral("HelpBackBtn"));
        auto *forward = window.findChild<QToolButton *>(QStringLiteral("HelpFwdBtn"));
        auto *home = window.findChild<QToolButton *>(QStringLiteral("HelpHomeBtn"));
        QVERIFY(back && forward && home);
        QVERIFY(!back->isEnabled());

        window.followLink(QUrl(QStringLiteral("gamma.html")));
        QCOMPARE(window.currentPage().fileName(), QStringLiteral("gamma.html"));
        QCOMPARE(window.currentPage().scheme(), QStringLiteral("qthelp"));
        QVERIFY(window.browser()->toPlainText().contains(QStringLiteral("gamma"), Qt::CaseInsensitive));
        QVERIFY(back->isEnabled());

        back->click();
        QCOMPARE(window.currentPage(), contents);
        QVERIFY(forward->isEnabled());
        QTest::keyClick(window.browser(), Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(window.currentPage().fileName(), QStringLiteral("gamma.html"));
        QTest::keyClick(window.browser(), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(window.currentPage(), contents);
        window.followLink(QUrl(QStringLiteral("sound.html")));
        home->click();
        QCOMPARE(window.currentPage(), contents);
    }

    // Broken help files in a copy of the program folder: each gives a message
    // naming the file, and nothing is created or changed beside the program.
    void brokenHelpFilesSaySo_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("damage"); // 0 removed, 1 truncated, 2 garbage
        QTest::newRow("collection missing") << QStringLiteral("Vardel.qhc") << 0;
        QTest::newRow("collection truncated") << QStringLiteral("Vardel.qhc") << 1;
        QTest::newRow("collection garbage") << QStringLiteral("Vardel.qhc") << 2;
        QTest::newRow("help missing") << QStringLiteral("Vardel.qch") << 0;
        QTest::newRow("help truncated") << QStringLiteral("Vardel.qch") << 1;
    }
    void brokenHelpFilesSaySo()
    {
        QFETCH(QString, file);
        QFETCH(int, damage);
        QTemporaryDir program;
        const QDir from(QCoreApplication::applicationDirPath());
        for (const QString &name : {QStringLiteral("Vardel.qhc"), QStringLiteral("Vardel.qch")}) {
            QVERIFY(QFile::copy(from.filePath(name), program.filePath(name)));
        }
        const QString damaged = program.filePath(file);
        if (damage == 0) {
            QVERIFY(QFile::remove(damaged));
        } else {
            QFile f(damaged);
            QVERIFY(f.open(QIODevice::ReadWrite));
            if (damage == 1) {
                QVERIFY(f.resize(f.size() / 2));
            } else {
                QVERIFY(f.resize(0));
                f.write(QByteArray(4096, 'x'));
            }
        }
        const auto listing = [&program] {
            QStringList entries;
            for (const QFileInfo &info :
                 QDir(program.path()).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
                entries << QStringLiteral("%1 %2 %3")
                               .arg(info.fileName())
                               .arg(info.size())
                               .arg(info.lastModified().toMSecsSinceEpoch());
            }
            return entries;
        };
        const QStringList before = listing();

        QtHelpSystem help(program.filePath(QStringLiteral("Vardel.qhc")));
        help.showContents();
        help.showContext(1130);
        help.searchPartialKey();
        HelpWindow *window = help.window();
        QVERIFY(window->isVisible());
        QVERIFY(!window->isValid());
        auto *message = window->findChild<QLabel *>(QStringLiteral("HelpMessage"));
        QVERIFY(message->isVisible());
        QVERIFY2(message->text().contains(file), qPrintable(message->text()));
        help.quit();
        QCOMPARE(listing(), before);
    }

    void missingCollectionSaysSo()
    {
        HelpWindow window(QStringLiteral("/nonexistent/Vardel.qhc"));
        QVERIFY(!window.isValid());
        window.showContext(1130); // shows the window with its message; no crash
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
