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
        // The index, the topic pages and their answers pages.
        for (const QString &page : QDir(htmlDir()).entryList({QStringLiteral("*.htm")}, QDir::Files)) {
            QTest::addRow("%s", qPrintable(page)) << page;
        }
        QVERIFY(QDir(htmlDir()).entryList({QStringLiteral("*.htm")}, QDir::Files).size() >= 2 * Topics::Count + 1);
    }

    // Every link leads somewhere and every picture loads.
    void pages()
    {
        QFETCH(QString, page);
        const QString html = read(htmlDir() + page);
        QVERIFY2(!html.isEmpty(), qPrintable(page));
        for (const QString &href : matches(html, QStringLiteral("href=\"([^\"]+)\""))) {
            if (href.startsWith(QLatin1String("try:"))) {
                continue; // followed through the window by the text pane's test
            }
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

    // A teaching page has its sections, at least 600 words, two pictures shown
    // at least at their file's width (their labels stay sharp) and two links
    // that set the simulation up; its answers are on a page of their own, so
    // that the topic prints as a worksheet. The index reaches every topic.
    void topicPagesHaveTheirParts()
    {
        const QString index = read(htmlDir() + QStringLiteral("index.htm"));
        for (int t = 1; t <= Topics::Count; ++t) {
            const QString page = Topics::topicPage(t);
            const QString html = read(htmlDir() + page);
            for (const char *part :
                 {"What the simulation shows", "The physics", "A worked example", "Common misconceptions",
                  "An experiment", "Using the page", "Things to try", "Questions", "Where the model simplifies"}) {
                QVERIFY2(html.contains(QString::fromLatin1(part)), qPrintable(page + QStringLiteral(": ") + part));
            }
            QVERIFY2(!html.contains(QStringLiteral("name=\"answers\"")), qPrintable(page));
            const QStringList answers = matches(html, QStringLiteral("href=\"([^\"#]*-ANS\\.HTM)\""));
            QVERIFY2(!answers.isEmpty() && !read(htmlDir() + answers.constFirst()).isEmpty(), qPrintable(page));

            QString text = html;
            text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
            const qsizetype words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size();
            QVERIFY2(words >= 600, qPrintable(QStringLiteral("%1: %2 words").arg(page).arg(words)));

            const QStringList pictures = matches(html, QStringLiteral("(<img[^>]*>)"));
            QVERIFY2(pictures.size() >= 2, qPrintable(page));
            for (const QString &tag : pictures) {
                const QString src = matches(tag, QStringLiteral("src=\"([^\"]+)\"")).value(0);
                const QSize file = QImage(htmlDir() + src).size();
                const QStringList shown = matches(tag, QStringLiteral("width=\"(\\d+)\""));
                QVERIFY2(shown.isEmpty() || shown.constFirst().toInt() >= file.width(), qPrintable(tag));
            }
            QVERIFY2(matches(html, QStringLiteral("href=\"(try:[^\"]+)\"")).size() >= 2, qPrintable(page));
            QVERIFY(index.contains(page));
        }
    }

    // Every page of the program is translated into each language the program
    // speaks, with the English page's links, pictures and anchors: the links
    // resolve from the language's folder, falling back to the shared files.
    void translatedPages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("Spanish") << QStringLiteral("es");
    }
    void translatedPages()
    {
        QFETCH(QString, language);
        const QString folder = htmlDir() + language + QLatin1Char('/');
        const QString linkOrPicture = QStringLiteral("(?:href|src|name)=\"([^\"]*)\"");
        for (const QString &page : QDir(htmlDir()).entryList({QStringLiteral("*.htm")}, QDir::Files)) {
            const QString translated = read(folder + page);
            QVERIFY2(!translated.isEmpty(), qPrintable(language + QLatin1Char('/') + page));
            QCOMPARE(matches(translated, linkOrPicture), matches(read(htmlDir() + page), linkOrPicture));
            QVERIFY2(translated.contains(QStringLiteral("charset=\"utf-8\""))
                         || translated.contains(QStringLiteral("charset=utf-8")),
                     qPrintable(page));
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
