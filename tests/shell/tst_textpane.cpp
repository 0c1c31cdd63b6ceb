#include "MainFrmFixture.h"
#include "app/Application.h"
#include "shell/BigPic.h"
#include "shell/HtmlViewer.h"
#include "shell/JumpObject.h"
#include "shell/PrintPreview.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTimer>

namespace {

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
    const QString path = dir.filePath(QStringLiteral("PAGES.HTM"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(html.toUtf8());
    return path;
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
    const QString path = dir.filePath(QStringLiteral("LONG.HTM"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(html.toUtf8());
    return path;
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
        QVERIFY(f.window->viewerHotSpotClick(QStringLiteral("$WaveSplash.jpg")));
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
        Q_EMIT f.window->viewer()->anchorClicked(QUrl(QStringLiteral("$doubleslit.png")));
        QCOMPARE(size, QSize(360, 220));
        QVERIFY(f.window->viewer()->currentFile().endsWith(QStringLiteral("index.htm")));
        // A "£" link is swallowed: the page stays.
        Q_EMIT f.window->viewer()->anchorClicked(QUrl(QStringLiteral("\u00a3note")));
        QVERIFY(f.window->viewer()->currentFile().endsWith(QStringLiteral("index.htm")));
    }

    void pictureLinksOutsideTheFolderAreRefused()
    {
        Fixture f;
        QVERIFY(f.window->viewerHotSpotClick(QStringLiteral("$../YDS.HTM")));
        QVERIFY(f.window->viewerHotSpotClick(QStringLiteral("$missing.png")));
        QCOMPARE(f.dialogs->errors.size(), 2);
        QVERIFY(f.dialogs->errors[0].contains(QStringLiteral("../YDS.HTM")));
        QVERIFY(f.dialogs->errors[1].contains(QStringLiteral("missing.png")));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void webLinksGoToTheBrowser()
    {
        Fixture f;
        f.chooseTopic(5);
        const QString shown = f.window->viewer()->currentFile();
        QVERIFY(f.window->viewerHotSpotClick(QStringLiteral("https://example.org/waves")));
        QVERIFY(f.window->viewerHotSpotClick(QStringLiteral("mailto:teacher@example.org")));
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
        f.window->viewerMouseUp();
        QVERIFY(!f.button("CopyBtn")->isEnabled());
        f.chooseTopic(1);
        viewer->selectAll();
        f.window->viewerMouseUp();
        QVERIFY(f.button("CopyBtn")->isEnabled());
        f.button("CopyBtn")->click();
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("Young")));
        viewer->setTextCursor(QTextCursor(viewer->document()));
        f.window->viewerMouseUp();
        QVERIFY(!f.button("CopyBtn")->isEnabled());
    }

    void pictureMenu()
    {
        Fixture f;
        QAction *copy = f.window->findChild<QAction *>(QStringLiteral("CopyImage1"));
        f.window->viewerRightClick(QPoint(10, 10), QImage());
        QVERIFY(!copy->isEnabled());
        QVERIFY(f.window->pictureImage().isNull());
        QImage picture(12, 8, QImage::Format_RGB32);
        picture.fill(QColor(1, 2, 3));
        auto *menu = f.window->findChild<QMenu *>(QStringLiteral("PicPopUp"));
        f.window->viewerRightClick(QPoint(10, 10), picture);
        QVERIFY(copy->isEnabled());
        QTRY_VERIFY(menu->isVisible());
        menu->close();
        f.window->CopyImage1Click();
        QCOMPARE(QGuiApplication::clipboard()->image().pixel(0, 0), qRgb(1, 2, 3));
        QCOMPARE(copy->text(), QStringLiteral("&Copy picture to clipboard"));
    }

    void fontSizeReloadsKeepingThePosition()
    {
        Fixture f;
        QTemporaryDir dir;
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
        QCOMPARE(TMainFrm::textBackground(1), QColor(255, 255, 191));
        QCOMPARE(TMainFrm::textBackground(2), QColor(217, 234, 255));
    }

    // Scrolled down a page, "back" first goes to the top; the next one leaves.
    void backScrollsToTopFirst()
    {
        Fixture f;
        QTemporaryDir dir;
        HtmlViewer *viewer = f.window->viewer();
        const QString longPage = writeLongPage(dir, 80);
        QVERIFY(!f.window->viewerHotSpotClick(longPage)); // leaving the index for the long page
        QVERIFY(viewer->loadFile(longPage));
        QApplication::processEvents();
        viewer->setPosition(250);
        f.window->FwdBtnClick(false);
        QCOMPARE(viewer->position(), 0);
        QVERIFY(viewer->currentFile().endsWith(QStringLiteral("LONG.HTM")));
        f.window->FwdBtnClick(false);
        QVERIFY(viewer->currentFile().endsWith(QStringLiteral("index.htm")));
        QCOMPARE(f.window->history().count(), 0);
    }

    void previewOfOnePage()
    {
        Fixture f;
        f.chooseTopic(6);
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
        QTemporaryDir dir;
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
        const QSize fitted = TPrntPrevFrm::panelSize(QSize(600, 420), false, 96, m);
        QCOMPARE(fitted.height(), 400);
        QVERIFY(std::abs(double(fitted.width()) / fitted.height() - double(m.paper.width()) / m.paper.height()) < 0.01);
        QCOMPARE(TPrntPrevFrm::panelSize(QSize(600, 420), true, 96, m).width(), 580);

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
