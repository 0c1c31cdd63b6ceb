// A damaged program folder: whatever state the text pages and their pictures
// are in, the program starts, every topic can be shown, and the text pane shows
// either the topic's own page or nothing; a picture that cannot be shown is
// reported, never a crash or a hang.
#include "MainFrmFixture.h"

#include "app/Application.h"
#include "app/TopicRegistry.h"
#include "shell/HtmlViewer.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

namespace {

enum class Damage {
    None,
    NoHtmlFolder,
    NoIndexPage,
    MissingTopicPage,
    TruncatedPictures,
    GarbagePictures,
    MalformedHtml,
    HugePage,
    ReadOnly
};

bool copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (it.fileInfo().isDir() ? !QDir().mkpath(target) : !QFile::copy(source, target)) {
            return false;
        }
    }
    return true;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QStringList pictures(const QString &htmlDir)
{
    return QDir(htmlDir + QStringLiteral("images"))
        .entryList({QStringLiteral("*.jpg"), QStringLiteral("*.JPG"), QStringLiteral("*.gif"), QStringLiteral("*.GIF"),
                    QStringLiteral("*.png")},
                   QDir::Files);
}

// Damages a copy of the text pages; returns false if the copy could not be made.
bool damage(const QString &htmlDir, Damage kind)
{
    if (kind == Damage::NoHtmlFolder) {
        return true;
    }
    if (!copyFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/HTML"), htmlDir)) {
        return false;
    }
    const QString topicPage = htmlDir + Topics::topicPage(3);
    switch (kind) {
    case Damage::None:
    case Damage::NoHtmlFolder:
        return true;
    case Damage::NoIndexPage:
        return QFile::remove(htmlDir + QStringLiteral("index.htm"));
    case Damage::MissingTopicPage:
        return QFile::remove(topicPage);
    case Damage::TruncatedPictures:
    case Damage::GarbagePictures:
        for (const QString &name : pictures(htmlDir)) {
            const QString path = htmlDir + QStringLiteral("images/") + name;
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                return false;
            }
            QByteArray bytes = file.readAll();
            file.close();
            if (kind == Damage::TruncatedPictures) {
                bytes.truncate(std::min<qsizetype>(bytes.size(), 300)); // header and a little more
            } else {
                // A valid signature followed by noise.
                for (qsizetype i = 16; i < bytes.size(); ++i) {
                    bytes[i] = char((i * 7919) % 251);
                }
            }
            if (!writeFile(path, bytes)) {
                return false;
            }
        }
        return true;
    case Damage::MalformedHtml:
        return writeFile(
            topicPage,
            QByteArrayLiteral(
                "<html><body><table><tr><td><b>Unclosed <i>tags<table><tr><td>"
                "<a href=\"nowhere.htm\"><img src=\"images/none.gif\" width=\"-5\" height=\"99999999\">"
                "<p>&#xFFFFFFFF; &bogus; <a href=\"$../../secret.png\">picture</a>"
                "<font size=\"+99\" color=\"#zzzzzz\">text</font><script>while(1){}</script>\xff\xfe\x00\x01"));
    case Damage::ReadOnly:
        // Nothing may need writing beside the program (undone by the test).
        for (const QString &dir : {htmlDir + QStringLiteral("images"), htmlDir, htmlDir + QStringLiteral("..")}) {
            if (!QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner)) {
                return false;
            }
        }
        return true;
    case Damage::HugePage: {
        QByteArray page = QByteArrayLiteral("<html><body>");
        const QByteArray paragraph = QByteArrayLiteral(
            "<p>A wave carries energy from place to place without carrying the medium with it. "
            "<a href=\"index.htm\">Contents</a> <img src=\"images/none.gif\"></p>\n");
        while (page.size() < 10 * 1024 * 1024) {
            page += paragraph;
        }
        return writeFile(topicPage, page + QByteArrayLiteral("</body></html>"));
    }
    }
    return false;
}

} // namespace

class TestBadData : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { configureApplication(*qApp); }

    void damagedFolder_data()
    {
        QTest::addColumn<Damage>("kind");
        QTest::newRow("intact") << Damage::None;
        QTest::newRow("no HTML folder") << Damage::NoHtmlFolder;
        QTest::newRow("no index page") << Damage::NoIndexPage;
        QTest::newRow("missing topic page") << Damage::MissingTopicPage;
        QTest::newRow("truncated pictures") << Damage::TruncatedPictures;
        QTest::newRow("garbage pictures") << Damage::GarbagePictures;
        QTest::newRow("malformed HTML") << Damage::MalformedHtml;
        QTest::newRow("10 MB page") << Damage::HugePage;
        QTest::newRow("read-only program folder") << Damage::ReadOnly;
    }
    void damagedFolder()
    {
        QFETCH(Damage, kind);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString htmlDir = folder.path() + QStringLiteral("/HTML/");
        const auto writable = qScopeGuard([&] {
            for (const QString &dir : {folder.path(), htmlDir, htmlDir + QStringLiteral("images")}) {
                QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            }
        });
        QVERIFY(damage(htmlDir, kind));

        Fixture f(QSize(1024, 768), folder.path());
        HtmlViewer *viewer = f.window->viewer();
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Waves"));
        const auto showsItsPageOrNothing = [&](const QString &page) {
            const QString shown = viewer->currentFile();
            return shown.isEmpty() ? viewer->document()->isEmpty()
                                   : QFileInfo(shown).fileName().compare(page, Qt::CaseInsensitive) == 0;
        };
        QVERIFY(showsItsPageOrNothing(QStringLiteral("index.htm")));

        for (int topic = 1; topic <= Topics::Count; ++topic) {
            f.chooseTopic(topic);
            QCOMPARE(f.window->windowTitle(), Topics::caption(topic));
            QVERIFY2(showsItsPageOrNothing(Topics::topicPage(topic)), qPrintable(viewer->currentFile()));
            // Paint the pane, pictures and all.
            viewer->viewport()->grab();
        }
        // A page over the size cap is refused at once rather than laid out
        // for a minute: the pane is left empty, as for a missing page.
        const bool pagesGone = kind == Damage::NoHtmlFolder || kind == Damage::MissingTopicPage
                               || kind == Damage::HugePage;
        f.chooseTopic(3);
        QCOMPARE(viewer->currentFile().isEmpty(), pagesGone);

        // Every picture link: shown when it loads, else reported.
        const QStringList names = pictures(htmlDir) << QStringLiteral("missing.gif");
        for (const QString &name : names) {
            const qsizetype errors = f.dialogs->errors.size();
            QTimer::singleShot(0, f.window.get(), [] {
                if (QWidget *w = QApplication::activeModalWidget()) {
                    w->close();
                }
            });
            QVERIFY(f.window->textPane()->viewerHotSpotClick(QLatin1Char('$') + name));
            // A damaged picture may still decode in part (a truncated JPEG
            // shows grey below the break); it must be either shown or reported.
            const qsizetype reported = f.dialogs->errors.size() - errors;
            const bool damaged = kind == Damage::TruncatedPictures || kind == Damage::GarbagePictures;
            QVERIFY2(name == QLatin1String("missing.gif") ? reported == 1 : reported <= (damaged ? 1 : 0),
                     qPrintable(name));
        }

        // Graph > Copy on a chart topic.
        f.chooseTopic(9);
        f.window->findChild<QAction *>(QStringLiteral("Copy1"))->trigger();
        f.chooseTopic(3);

        // The index button and the history still work.
        f.button("MenuBtn")->click();
        QVERIFY(showsItsPageOrNothing(QStringLiteral("index.htm")));
        QCOMPARE(f.window->session().currentTopic, 3);
    }
};

QTEST_MAIN(TestBadData)
#include "tst_baddata.moc"
