#include "MainFrmFixture.h"
#include "app/Application.h"
#include "app/TopicRegistry.h"
#include "shell/BigPic.h"
#include "shell/HtmlViewer.h"
#include "shell/JumpObject.h"
#include "shell/PrintPreview.h"

#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace {

// Pages written by a test live inside the program's pages folder: the pane
// shows nothing from anywhere else.
struct ScratchPages : QTemporaryDir
{
    explicit ScratchPages(const Fixture &f)
        : QTemporaryDir(f.window->session().htmlDir + QStringLiteral("scratch-XXXXXX"))
    { }
};

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

// A page of `pages` printed pages, each after the first starting on a new sheet.
QString writePages(const QTemporaryDir &dir, int pages)
{
    QString html = QStringLiteral("<html><body>");
    for (int i = 1; i <= pages; ++i) {
        html += QStringLiteral("<p style=\"%1\">Page %2 of the worksheet.</p>")
                    .arg(i > 1 ? QStringLiteral("page-break-before: always") : QString())
                    .arg(i);
    }
    html += QStringLiteral("</body></html>");
    return writeFile(dir.filePath(QStringLiteral("PAGES.HTM")), html.toUtf8());
}

// A page long enough to scroll.
QString writeLongPage(const QTemporaryDir &dir, int paragraphs)
{
    QString html = QStringLiteral("<html><body><h2>Long page</h2>");
    for (int i = 0; i < paragraphs; ++i) {
        html += QStringLiteral("<p>Paragraph %1: waves carry energy from place to place without carrying the "
                               "medium along with them; each particle oscillates about its own position.</p>")
                    .arg(i);
    }
    html += QStringLiteral("</body></html>");
    return writeFile(dir.filePath(QStringLiteral("LONG.HTM")), html.toUtf8());
}

int pdfPages(const QString &file)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {file});
    info.waitForFinished(20000);
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    for (const QString &line : out.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Pages:"))) {
            return line.mid(6).trimmed().toInt();
        }
    }
    return -1;
}

// Runs `check` on the modal window a command opens, then closes it.
template<typename Window, typename Check>
void onModal(QObject *context, Check check)
{
    QTimer::singleShot(0, context, [check] {
        auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
        QVERIFY(window);
        check(window);
        window->close();
    });
}

} // namespace

class TestTextPane : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { configureApplication(*qApp); }

    // A click on a link to a page that is not there names the page in an error
    // box; the page shown, the topic and the history stay as they were.
    // A "try:" link switches topic and sets the page up as a user would; one
    // with any fault changes nothing and says what is wrong.
    void tryLinks_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("fault"); // empty when the link is followed
        QTest::newRow("controls and a menu item")
            << QStringLiteral("try:8?menu=N1440degrees1&spFrequencyHsb=20&spAmpHsb=30") << QString();
        QTest::newRow("two sliders") << QStringLiteral("try:10?GmtHsb=400&ThickHsb=3") << QString();
        QTest::newRow("unknown control") << QStringLiteral("try:10?GmtHsb=400&NoSuchHsb=3")
                                         << QStringLiteral("NoSuchHsb");
        QTest::newRow("value out of range")
            << QStringLiteral("try:10?GmtHsb=400&ThickHsb=11") << QStringLiteral("0 to 10");
        QTest::newRow("not a number") << QStringLiteral("try:10?ThickHsb=three") << QStringLiteral("three");
        QTest::newRow("no such topic") << QStringLiteral("try:17?ThickHsb=3") << QStringLiteral("topic number");
        QTest::newRow("unknown menu item") << QStringLiteral("try:8?menu=Nothing1") << QStringLiteral("Nothing1");
        QTest::newRow("button on another page")
            << QStringLiteral("try:10?click=StartBtn") << QStringLiteral("StartBtn");
    }
    void tryLinks()
    {
        QFETCH(QString, link);
        QFETCH(QString, fault);
        Fixture f;
        f.chooseTopic(6);
        QVERIFY(f.window->textPane()->viewerHotSpotClick(QStringLiteral("GAMMA.HTM"))); // leaves one history entry
        const int entries = f.window->history().count();
        Q_EMIT f.window->viewer()->anchorClicked(QUrl(link));
        if (fault.isEmpty()) {
            QVERIFY(f.dialogs->errors.isEmpty());
            const int topic = link.mid(4, link.indexOf(QLatin1Char('?')) - 4).toInt();
            QCOMPARE(f.window->session().currentTopic, topic);
            QCOMPARE(f.window->history().count(), entries + 1);
            for (const QString &step : link.section(QLatin1Char('?'), 1).split(QLatin1Char('&'))) {
                const QString name = step.section(QLatin1Char('='), 0, 0);
                const int value = step.section(QLatin1Char('='), 1).toInt();
                if (auto *slider = f.window->findChild<QAbstractSlider *>(name)) {
                    QCOMPARE(slider->value(), value);
                }
            }
        } else {
            QCOMPARE(f.dialogs->errors.size(), 1);
            QVERIFY2(f.dialogs->errors.constFirst().contains(fault), qPrintable(f.dialogs->errors.constFirst()));
            QCOMPARE(f.window->session().currentTopic, 10);
            QCOMPARE(f.window->history().count(), entries);
            QCOMPARE(f.window->findChild<QAbstractSlider *>(QStringLiteral("GmtHsb"))->value(), 500);
        }
    }

    // A link moves a slider as a drag would, so the page's limits hold: the
    // detector stops behind the 5 mm absorber instead of passing it.
    void tryLinkKeepsThePageLimits()
    {
        Fixture f;
        Q_EMIT f.window->viewer()->anchorClicked(QUrl(QStringLiteral("try:10?AbsorberHsb=400&GmtHsb=200")));
        QVERIFY(f.dialogs->errors.isEmpty());
        QCOMPARE(f.window->findChild<QAbstractSlider *>(QStringLiteral("AbsorberHsb"))->value(), 400);
        QCOMPARE(f.window->findChild<QAbstractSlider *>(QStringLiteral("GmtHsb"))->value(), 405);
    }

    // In another language the pane shows a page from the language's folder
    // where there is one, and falls back to the English page by page: a link
    // from the translated page to an untranslated one, and its pictures.
    void languageFolderFallsBackPageByPage()
    {
        Fixture f;
        ScratchPages dir(f);
        const QString language = QFileInfo(dir.path()).fileName();
        writeFile(dir.filePath(QStringLiteral("GAMMA.HTM")),
                  "<html><body><h2>Absorption von Gammastrahlung</h2><img src=\"images/WaveSplash.jpg\" alt=\"x\">"
                  "<a href=\"YDS.HTM\">Doppelspalt</a></body></html>");
        HtmlViewer *viewer = f.window->viewer();
        viewer->setLanguageFolder(language);
        const QString root = f.window->session().htmlDir;
        QVERIFY(viewer->loadFile(root + QStringLiteral("GAMMA.HTM")));
        QCOMPARE(QFileInfo(viewer->currentFile()).absolutePath(), QFileInfo(dir.path()).canonicalFilePath());
        QVERIFY(viewer->toPlainText().contains(QStringLiteral("Gammastrahlung")));
        const QVariant picture = viewer->document()->resource(
            QTextDocument::ImageResource,
            viewer->document()->baseUrl().resolved(QUrl(QStringLiteral("images/WaveSplash.jpg"))));
        QVERIFY(!picture.isNull());
        QVERIFY(viewer->followLink(QUrl(QStringLiteral("YDS.HTM"))));
        QCOMPARE(QFileInfo(viewer->currentFile()).fileName(), QStringLiteral("YDS.HTM"));
        QCOMPARE(QFileInfo(viewer->currentFile()).absolutePath(), QFileInfo(root).canonicalFilePath());
    }

    // Every "try:" link the pages carry is accepted through the window: it
    // shows its topic and no error box.
    void everyPageTryLinkIsAccepted()
    {
        Fixture f;
        const QDir html(f.window->session().htmlDir);
        int followed = 0;
        for (const QString &page : html.entryList({QStringLiteral("*.htm")}, QDir::Files)) {
            QFile file(html.filePath(page));
            QVERIFY(file.open(QIODevice::ReadOnly));
            auto links = QRegularExpression(QStringLiteral("href=\"(try:[^\"]+)\""))
                             .globalMatch(QString::fromUtf8(file.readAll()));
            while (links.hasNext()) {
                const QString link = links.next().captured(1).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
                Q_EMIT f.window->viewer()->anchorClicked(QUrl(link));
                QVERIFY2(f.dialogs->errors.isEmpty(), qPrintable(page + QStringLiteral(": ") + link));
                const int topic = link.mid(4, link.indexOf(QLatin1Char('?')) - 4).toInt();
                QVERIFY2(f.window->session().currentTopic == topic, qPrintable(link));
                ++followed;
            }
        }
        QVERIFY(followed >= 2 * Topics::Count);
    }

    // The printed topic carries every picture its page shows.
    void printedTopicKeepsItsPictures()
    {
        Fixture f;
        f.chooseTopic(9);
        const QString html = f.window->viewer()->toHtml();
        const qsizetype pictures = html.count(QStringLiteral("<img"));
        QVERIFY(pictures > 0);
        QTemporaryDir out;
        f.dialogs->printToFile = out.filePath(QStringLiteral("topic.pdf"));
        auto preview = TPrntPrevFrm::create(f.window.get(), f.window->viewer(), f.dialogs.get());
        preview->PrintBtnClick();
        QProcess list;
        list.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), f.dialogs->printToFile});
        QVERIFY(list.waitForFinished());
        // Two heading lines, then one line per picture.
        const QStringList lines
            = QString::fromLocal8Bit(list.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size() - 2, pictures);
    }

    void linkToAMissingPage_data()
    {
        QTest::addColumn<QString>("link");
        QTest::newRow("page") << QStringLiteral("NOWHERE.HTM");
        QTest::newRow("page with anchor") << QStringLiteral("nowhere.htm#part");
        QTest::newRow("folder") << QStringLiteral("images/");
    }
    void linkToAMissingPage()
    {
        QFETCH(QString, link);
        Fixture f;
        f.chooseTopic(6);
        HtmlViewer *viewer = f.window->viewer();
        const QString shown = viewer->currentFile();
        const int entries = f.window->history().count();
        Q_EMIT viewer->anchorClicked(QUrl(link));
        QCOMPARE(f.dialogs->errors.size(), 1);
        QVERIFY2(f.dialogs->errors.constFirst().contains(link.section(QLatin1Char('#'), 0, 0), Qt::CaseInsensitive),
                 qPrintable(f.dialogs->errors.constFirst()));
        QCOMPARE(viewer->currentFile(), shown);
        QCOMPARE(f.window->history().count(), entries);
        QCOMPARE(f.window->session().currentTopic, 6);
    }

    void picturePaths_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("a picture") << "$fringes.png" << true;
        QTest::newRow("parent folder") << "$../YDS.HTM" << false;
        QTest::newRow("absolute") << "$/etc/passwd" << false;
        QTest::newRow("another folder") << "$sub/picture.png" << false;
        QTest::newRow("windows path") << "$..\\\\secret.png" << false;
        QTest::newRow("drive") << "$C:picture.png" << false;
        QTest::newRow("empty") << "$" << false;
    }
    void picturePaths()
    {
        QFETCH(QString, link);
        QFETCH(bool, allowed);
        const QString path = BigPic::picturePath(QStringLiteral("/x/HTML/images"), link);
        QCOMPARE(!path.isEmpty(), allowed);
        if (allowed) {
            QCOMPARE(path, QStringLiteral("/x/HTML/images/fringes.png"));
        }
    }

    // A picture link opens a window just the size of its picture; the topic and
    // the history stay.
    void pictureLinkOpensTheMagnifiedPicture()
    {
        Fixture f;
        f.chooseTopic(3);
        QSize size;
        QString caption;
        onModal<TBigPicFrm>(f.window.get(), [&](TBigPicFrm *window) {
            size = window->size();
            caption = window->windowTitle();
        });
        QVERIFY(f.window->textPane()->viewerHotSpotClick(QStringLiteral("$WaveSplash.jpg")));
        QCOMPARE(size, QSize(420, 480));
        QCOMPARE(caption, QStringLiteral(" "));
        QCOMPARE(f.window->session().currentTopic, 3);
        QCOMPARE(f.window->history().count(), 0);
        QVERIFY(f.dialogs->errors.isEmpty());
    }

    // The link as the pane reports a click on it, through QUrl.
    void clickedPictureLink()
    {
        Fixture f;
        QSize size;
        onModal<TBigPicFrm>(f.window.get(), [&](TBigPicFrm *window) { size = window->size(); });
        Q_EMIT f.window->viewer()->anchorClicked(QUrl(QStringLiteral("$yds-geometry-large.png")));
        QCOMPARE(size, QSize(560, 412));
        QVERIFY(f.window->viewer()->currentFile().endsWith(QStringLiteral("index.htm")));
        // A "£" link is swallowed: the page stays.
        Q_EMIT f.window->viewer()->anchorClicked(QUrl(QStringLiteral("\u00a3note")));
        QVERIFY(f.window->viewer()->currentFile().endsWith(QStringLiteral("index.htm")));
    }

    void pictureLinksOutsideTheFolderAreRefused()
    {
        Fixture f;
        QVERIFY(f.window->textPane()->viewerHotSpotClick(QStringLiteral("$../YDS.HTM")));
        QVERIFY(f.window->textPane()->viewerHotSpotClick(QStringLiteral("$missing.png")));
        QCOMPARE(f.dialogs->errors.size(), 2);
        QVERIFY(f.dialogs->errors[0].contains(QStringLiteral("../YDS.HTM")));
        QVERIFY(f.dialogs->errors[1].contains(QStringLiteral("missing.png")));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // Links a hostile or careless page might hold: each is refused with a
    // message, quickly, and the page and history stay as they were.
    void hostileLinksAreRefused_data()
    {
        QTest::addColumn<QByteArray>("page"); // written as scratch PAGE.HTM and linked to, unless empty
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("fault");
        QTest::newRow("a device as a picture")
            << QByteArray("<p>x</p><img src=\"/dev/zero\">") << QString() << "not a file";
        QTest::newRow("a file elsewhere") << QByteArray() << "file:///etc/passwd"
                                          << "only the program's own";
        QTest::newRow("a folder") << QByteArray() << "images"
                                  << "not a file";
        QTest::newRow("20,000 unclosed tables")
            << QByteArray("<table><tr><td>").repeated(20000) << QString() << "nested more than 12";
        QTest::newRow("too large") << QByteArray(2 * 1024 * 1024, ' ') << QString() << "larger than 1 MB";
    }
    void hostileLinksAreRefused()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, link);
        QFETCH(QString, fault);
        Fixture f;
        f.chooseTopic(3);
        const ScratchPages dir(f);
        if (!page.isEmpty()) {
            writeFile(dir.filePath(QStringLiteral("PAGE.HTM")), page);
            link = QDir(f.window->session().htmlDir).relativeFilePath(dir.filePath(QStringLiteral("PAGE.HTM")));
        }
        const QString shown = f.window->viewer()->currentFile();
        Q_EMIT f.window->viewer()->anchorClicked(QUrl(link));
        QCOMPARE(f.dialogs->errors.size(), 1);
        QVERIFY2(f.dialogs->errors[0].contains(fault), qPrintable(f.dialogs->errors[0]));
        QCOMPARE(f.window->viewer()->currentFile(), shown);
        QCOMPARE(f.window->history().count(), 0);
        QCOMPARE(f.window->session().currentTopic, 3);
    }

    // A symbolic link inside the pages' folder may not lead out of it, for a
    // page or for a "$" picture.
    void symbolicLinksStayInside()
    {
        Fixture f;
        QTemporaryDir outside;
        const QString secret = writeFile(outside.filePath(QStringLiteral("secret.htm")), "<p>secret</p>");
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(outside.filePath(QStringLiteral("secret.png"))));
        const ScratchPages dir(f);
        QVERIFY(QFile::link(secret, dir.filePath(QStringLiteral("LINKED.HTM"))));
        const QString imageLink = f.window->session().htmlDir + QStringLiteral("images/scratch-link.png");
        QFile::remove(imageLink);
        QVERIFY(QFile::link(outside.filePath(QStringLiteral("secret.png")), imageLink));
        const auto cleanup = qScopeGuard([&] { QFile::remove(imageLink); });

        QVERIFY(f.window->textPane()->viewerHotSpotClick(
            QDir(f.window->session().htmlDir).relativeFilePath(dir.filePath(QStringLiteral("LINKED.HTM")))));
        QVERIFY(f.window->textPane()->viewerHotSpotClick(QStringLiteral("$scratch-link.png")));
        QCOMPARE(f.dialogs->errors.size(), 2);
        for (const QString &error : std::as_const(f.dialogs->errors)) {
            QVERIFY2(error.contains(QStringLiteral("only the program's own")), qPrintable(error));
        }
        QVERIFY(f.window->viewer()->currentFile().endsWith(QStringLiteral("index.htm")));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void webLinksGoToTheBrowser()
    {
        Fixture f;
        f.chooseTopic(5);
        const QString shown = f.window->viewer()->currentFile();
        QVERIFY(f.window->textPane()->viewerHotSpotClick(QStringLiteral("https://example.org/waves")));
        QVERIFY(f.window->textPane()->viewerHotSpotClick(QStringLiteral("mailto:teacher@example.org")));
        QCOMPARE(f.dialogs->opened.size(), 2);
        QCOMPARE(f.window->viewer()->currentFile(), shown);
        QCOMPARE(f.window->history().count(), 0);
        QCOMPARE(f.window->session().currentTopic, 5);
    }

    // Selecting text enables "copy" on a topic, not on the start page.
    void copyEnabling()
    {
        Fixture f;
        HtmlViewer *viewer = f.window->viewer();
        viewer->selectAll();
        f.window->textPane()->viewerMouseUp();
        QVERIFY(!f.button("CopyBtn")->isEnabled());
        f.chooseTopic(1);
        viewer->selectAll();
        f.window->textPane()->viewerMouseUp();
        QVERIFY(f.button("CopyBtn")->isEnabled());
        f.button("CopyBtn")->click();
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("Young")));
        viewer->setTextCursor(QTextCursor(viewer->document()));
        f.window->textPane()->viewerMouseUp();
        QVERIFY(!f.button("CopyBtn")->isEnabled());
    }

    void pictureMenu()
    {
        Fixture f;
        auto *copy = f.window->findChild<QAction *>(QStringLiteral("CopyImage1"));
        f.window->textPane()->viewerRightClick(QPoint(10, 10), QImage());
        QVERIFY(!copy->isEnabled());
        QVERIFY(f.window->textPane()->pictureImage().isNull());
        QImage picture(12, 8, QImage::Format_RGB32);
        picture.fill(QColor(1, 2, 3));
        auto *menu = f.window->findChild<QMenu *>(QStringLiteral("PicPopUp"));
        f.window->textPane()->viewerRightClick(QPoint(10, 10), picture);
        QVERIFY(copy->isEnabled());
        QTRY_VERIFY(menu->isVisible());
        menu->close();
        f.window->textPane()->CopyImage1Click();
        QCOMPARE(QGuiApplication::clipboard()->image().pixel(0, 0), qRgb(1, 2, 3));
        QCOMPARE(copy->text(), QStringLiteral("&Copy picture to clipboard"));
    }

    void fontSizeReloadsKeepingThePosition()
    {
        Fixture f;
        const ScratchPages dir(f);
        HtmlViewer *viewer = f.window->viewer();
        QVERIFY(viewer->loadFile(writeLongPage(dir, 80)));
        QApplication::processEvents();
        viewer->setPosition(300);
        QCOMPARE(viewer->position(), 300);
        auto *menu = f.window->findChild<QMenu *>(QStringLiteral("FontPopUp"));
        Q_EMIT menu->aboutToShow();
        QVERIFY(f.window->findChild<QAction *>(QStringLiteral("N10point1"))->isChecked());
        QVERIFY(!f.window->findChild<QAction *>(QStringLiteral("N14point1"))->isChecked());
        f.window->findChild<QAction *>(QStringLiteral("N14point1"))->trigger();
        QCOMPARE(viewer->defaultFontSize(), 14);
        QCOMPARE(viewer->position(), 300);
        QVERIFY(viewer->currentFile().endsWith(QStringLiteral("LONG.HTM")));
        Q_EMIT menu->aboutToShow();
        QVERIFY(f.window->findChild<QAction *>(QStringLiteral("N14point1"))->isChecked());
        QVERIFY(!f.window->findChild<QAction *>(QStringLiteral("N10point1"))->isChecked());
    }

    void backgroundChecks()
    {
        Fixture f;
        auto *menu = f.window->findChild<QMenu *>(QStringLiteral("Backgnd1"));
        const auto checked = [menu] {
            Q_EMIT menu->aboutToShow();
            QStringList names;
            for (QAction *a : menu->actions()) {
                if (a->isChecked()) {
                    names << a->objectName();
                }
            }
            return names;
        };
        QCOMPARE(checked(), QStringList{QStringLiteral("WhiteBgn1")});
        f.window->findChild<QAction *>(QStringLiteral("SandBgn1"))->trigger();
        QCOMPARE(f.window->viewer()->defaultBackground(), QColor(255, 224, 193));
        QCOMPARE(checked(), QStringList{QStringLiteral("SandBgn1")});
        QCOMPARE(TextPane::textBackground(1), QColor(255, 255, 191));
        QCOMPARE(TextPane::textBackground(2), QColor(217, 234, 255));
    }

    // Scrolled down a page, "back" first goes to the top; the next one leaves.
    void backScrollsToTopFirst()
    {
        Fixture f;
        const ScratchPages dir(f);
        HtmlViewer *viewer = f.window->viewer();
        const QString longPage = writeLongPage(dir, 80);
        QVERIFY(f.window->textPane()->viewerHotSpotClick(longPage)); // leaving the index for the long page
        QApplication::processEvents();
        viewer->setPosition(250);
        f.window->textPane()->FwdBtnClick(false);
        QCOMPARE(viewer->position(), 0);
        QVERIFY(viewer->currentFile().endsWith(QStringLiteral("LONG.HTM")));
        f.window->textPane()->FwdBtnClick(false);
        QVERIFY(viewer->currentFile().endsWith(QStringLiteral("index.htm")));
        QCOMPARE(f.window->history().count(), 0);
    }

    void previewOfOnePage()
    {
        Fixture f;
        const ScratchPages dir(f);
        QVERIFY(f.window->viewer()->loadFile(writePages(dir, 1)));
        QString label;
        bool prev = true;
        bool next = true;
        onModal<TPrntPrevFrm>(f.window.get(), [&](TPrntPrevFrm *preview) {
            label = preview->findChild<QLabel *>(QStringLiteral("CurPageLabel"))->text();
            prev = preview->findChild<QPushButton *>(QStringLiteral("PrevPageBtn"))->isEnabled();
            next = preview->findChild<QPushButton *>(QStringLiteral("NextPageBtn"))->isEnabled();
        });
        f.button("PrintBtn")->click();
        QCOMPARE(label, QStringLiteral("Page 1 of 1"));
        QVERIFY(!prev);
        QVERIFY(!next);
    }

    // The printed page carries the page's picture (not a broken-image icon),
    // at the same size relative to the page on the screen and on a printer of
    // another resolution: the standing-wave page's coloured figure.
    void previewCarriesThePictures()
    {
        Fixture f;
        f.chooseTopic(6);
        auto preview = TPrntPrevFrm::create(f.window.get(), f.window->viewer(), f.dialogs.get());
        QVERIFY(preview);
        // Green pixels (the figure's standing wave; the text has none) of
        // page 0 drawn on an A4 image at `dpi`.
        const auto greenPixels = [&preview](int dpi) {
            QImage page(dpi * 827 / 100, dpi * 1169 / 100, QImage::Format_RGB32);
            page.setDotsPerMeterX(qRound(dpi / 0.0254));
            page.setDotsPerMeterY(qRound(dpi / 0.0254));
            page.fill(Qt::white);
            {
                QPainter painter(&page);
                preview->pages().drawPage(painter, 0, dpi, dpi);
            }
            int count = 0;
            for (int y = 0; y < page.height(); ++y) {
                for (int x = 0; x < page.width(); ++x) {
                    const QColor c = page.pixelColor(x, y);
                    count += c.hsvSaturation() > 80 && c.hsvHue() >= 90 && c.hsvHue() <= 150 ? 1 : 0;
                }
            }
            return count;
        };
        const int screen = greenPixels(96);
        QVERIFY2(screen > 100, qPrintable(QString::number(screen)));
        // Lines scale in length, not in width: 2.5 times as long at 240 dpi,
        // and up to 2.5 times as thick where the picture is scaled up.
        const int printer = greenPixels(240);
        QVERIFY2(printer > 2 * screen && printer < 8 * screen,
                 qPrintable(QStringLiteral("%1 %2").arg(screen).arg(printer)));
    }

    void previewOfThreePages()
    {
        Fixture f;
        const ScratchPages dir(f);
        QVERIFY(f.window->viewer()->loadFile(writePages(dir, 3)));
        auto preview = TPrntPrevFrm::create(f.window.get(), f.window->viewer(), f.dialogs.get());
        QVERIFY(preview);
        const int pages = preview->pages().pageCount();
        QVERIFY2(pages == 3, qPrintable(QString::number(pages)));
        auto *label = preview->findChild<QLabel *>(QStringLiteral("CurPageLabel"));
        auto *prev = preview->findChild<QPushButton *>(QStringLiteral("PrevPageBtn"));
        auto *next = preview->findChild<QPushButton *>(QStringLiteral("NextPageBtn"));
        QCOMPARE(label->text(), QStringLiteral("Page 1 of 3"));
        QVERIFY(!prev->isEnabled() && next->isEnabled());
        preview->PrevPageBtnClick(); // at the first page: nothing changes
        QCOMPARE(preview->currentPage(), 0);
        next->click();
        next->click();
        QCOMPARE(label->text(), QStringLiteral("Page 3 of 3"));
        QVERIFY(prev->isEnabled() && !next->isEnabled());
        preview->NextPageBtnClick();
        QCOMPARE(preview->currentPage(), 2);

        // The page fits the height (or, zoomed, the width) less 20 pixels.
        const TMetaFilePrinter::Metrics &m = preview->pages().metrics();
        for (int side = 200; side <= 1200; ++side) {
            const QSize fitted = TPrntPrevFrm::panelSize(QSize(600, side), false, 96, m);
            QCOMPARE(fitted.height(), side - 20);
            QVERIFY(std::abs(double(fitted.width()) / fitted.height() - double(m.paper.width()) / m.paper.height())
                    < 0.01);
            QCOMPARE(TPrntPrevFrm::panelSize(QSize(side, 420), true, 96, m).width(), side - 20);
        }

        // Printing all pages, and a range of one.
        QTemporaryDir out;
        f.dialogs->printToFile = out.filePath(QStringLiteral("all.pdf"));
        preview->PrintBtnClick();
        QCOMPARE(pdfPages(f.dialogs->printToFile), 3);
        f.dialogs->printToFile = out.filePath(QStringLiteral("two.pdf"));
        f.dialogs->fromPage = 2;
        f.dialogs->toPage = 2;
        preview->PrintBtnClick();
        QCOMPARE(pdfPages(f.dialogs->printToFile), 1);
        if (qEnvironmentVariableIsSet("CORVANE_KEEP_PREVIEW")) {
            preview->resize(700, 500);
            preview->show();
            QApplication::processEvents();
            preview->grab().save(QStringLiteral("/tmp/preview.png"));
        }
    }
};

QTEST_MAIN(TestTextPane)
#include "tst_textpane.moc"
