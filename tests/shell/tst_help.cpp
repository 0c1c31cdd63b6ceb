#include "shell/HelpSystem.h"
#include "shell/HelpWindow.h"

#include <QCoreApplication>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>

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
