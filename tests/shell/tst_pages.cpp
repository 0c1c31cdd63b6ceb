#include "app/TopicRegistry.h"
#include "shell/BigPic.h"
#include "shell/HtmlViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

namespace {

QString htmlDir()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/HTML/");
}

QString read(const QString &path)
{
    QFile file(HtmlViewer::resolvePath(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList matches(const QString &text, const QString &pattern)
{
    QStringList found;
    auto it = QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption).globalMatch(text);
    while (it.hasNext()) {
        found << it.next().captured(1);
    }
    return found;
}

} // namespace

class TestPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pages_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("index") << QStringLiteral("index.htm");
        for (int t = 1; t <= Topics::Count; ++t) {
            QTest::addRow("%s", Topics::info(t).textPage) << Topics::topicPage(t);
        }
    }

    // Every link leads somewhere and every picture loads.
    void pages()
    {
        QFETCH(QString, page);
        const QString html = read(htmlDir() + page);
        QVERIFY2(!html.isEmpty(), qPrintable(page));
        for (const QString &href : matches(html, QStringLiteral("href=\"([^\"]+)\""))) {
            if (href.startsWith(QLatin1Char('$'))) {
                const QString path = BigPic::picturePath(htmlDir() + QStringLiteral("images"), href);
                QVERIFY2(!path.isEmpty(), qPrintable(href));
                QVERIFY2(!QImage(HtmlViewer::resolvePath(path)).isNull(), qPrintable(href));
                continue;
            }
            const QString file = href.section(QLatin1Char('#'), 0, 0);
            const QString anchor = href.section(QLatin1Char('#'), 1);
            const QString target = file.isEmpty() ? html : read(htmlDir() + file);
            QVERIFY2(!target.isEmpty(), qPrintable(page + QStringLiteral(" -> ") + href));
            if (!anchor.isEmpty()) {
                QVERIFY2(target.contains(QStringLiteral("name=\"%1\"").arg(anchor)), qPrintable(href));
            }
        }
        for (const QString &src : matches(html, QStringLiteral("<img[^>]*src=\"([^\"]+)\""))) {
            QVERIFY2(!QImage(HtmlViewer::resolvePath(htmlDir() + src)).isNull(), qPrintable(src));
        }
        // Every picture has a text alternative for a screen reader.
        for (const QString &tag : matches(html, QStringLiteral("(<img[^>]*>)"))) {
            QVERIFY2(tag.contains(QLatin1String(" alt=\"")), qPrintable(page + QStringLiteral(": ") + tag));
        }
    }

    // The teaching pages have their parts, and every topic's page is reached from the index.
    void topicPagesHaveTheirParts()
    {
        const QString index = read(htmlDir() + QStringLiteral("index.htm"));
        for (int t = 1; t <= Topics::Count; ++t) {
            const QString html = read(htmlDir() + Topics::topicPage(t));
            for (const char *part : {"What the simulation shows", "The physics", "Using the page", "Things to try",
                                     "Questions", "Answers"}) {
                QVERIFY2(html.contains(QString::fromLatin1(part)), qPrintable(Topics::topicPage(t)));
            }
            QVERIFY(index.contains(Topics::topicPage(t)));
        }
    }

    void startPicturesExist()
    {
        QCOMPARE(QImage(htmlDir() + QStringLiteral("images/WaveSplash.jpg")).size(), QSize(420, 480));
        QCOMPARE(QImage(htmlDir() + QStringLiteral("images/S_WaveSplash.jpg")).size(), QSize(310, 354));
    }
};

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
