// Corvane on a machine without a printer, sound or a clipboard owner: the real
// print dialog offers only a PDF file, keys on the sound page play nothing,
// and every other command keeps working.
#include "MainFrmFixture.h"
#include "app/Application.h"
#include "waves/Sound.h"
#include "waves/TonePlayer.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// Real print dialogs; error boxes recorded instead of shown.
class RealPrintDialogs : public MessageBoxDialogs
{
public:
    QStringList errors;
    void error(QWidget *, const QString &text) override { errors << text; }
    QMessageBox::StandardButton confirm(QWidget *, const QString &, QMessageBox::StandardButtons) override
    {
        return QMessageBox::No;
    }
};

// Plays the user in front of whatever modal window comes up: the print
// preview gets its print button pressed once and is then closed; the print
// dialog is cancelled, or sent to `pdfFile` when one is given.
class ModalAnswerer : public QObject
{
public:
    explicit ModalAnswerer(QString pdfFile)
        : m_pdfFile(std::move(pdfFile))
    {
        m_poll.setInterval(20);
        QObject::connect(&m_poll, &QTimer::timeout, this, &ModalAnswerer::answer);
        m_poll.start();
    }
    int printDialogs = 0;
    QStringList destinations; // what the dialog's printer list offered

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QPrintDialog *>(modal)) {
            ++printDialogs;
            if (auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"))) {
                for (int i = 0; i < printers->count(); ++i) {
                    destinations << printers->itemText(i);
                }
            }
            if (m_pdfFile.isEmpty()) {
                dialog->reject();
                return;
            }
            if (auto *file = dialog->findChild<QLineEdit *>(QStringLiteral("filename"))) {
                file->setText(m_pdfFile);
            }
            dialog->accept();
        } else if (modal && modal->objectName() == QLatin1String("PrntPrevFrm")) {
            const QString button = m_previewPrinted ? QStringLiteral("CloseBtn") : QStringLiteral("PrintBtn");
            m_previewPrinted = true;
            // Clicked from a fresh event, so this poll is not nested in the dialog it opens.
            auto *b = modal->findChild<QPushButton *>(button);
            QTimer::singleShot(0, b, &QPushButton::click);
        }
    }

    QString m_pdfFile;
    QTimer m_poll;
    bool m_previewPrinted = false;
};

bool isPdf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-" && file.size() > 1000;
}

} // namespace

class TestNoDevices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        configureApplication(*qApp);
        if (!QPrinterInfo::availablePrinters().isEmpty()) {
            QSKIP("this machine has a printer");
        }
    }

    void printWithoutPrinter_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("toFile");
        // Graph > Print on the damped SHM chart, and File > Print topic, which
        // prints the text pane through its preview.
        QTest::newRow("chart, cancelled") << 9 << "Print1" << false;
        QTest::newRow("chart, to a PDF file") << 9 << "Print1" << true;
        QTest::newRow("topic text, cancelled") << 2 << "Printtopic1" << false;
        QTest::newRow("topic text, to a PDF file") << 2 << "Printtopic1" << true;
    }

    void printWithoutPrinter()
    {
        QFETCH(int, topic);
        QFETCH(QString, command);
        QFETCH(bool, toFile);
        QTemporaryDir dir;
        const QString pdf = toFile ? dir.filePath(QStringLiteral("out.pdf")) : QString();

        auto dialogs = std::make_shared<RealPrintDialogs>();
        TMainFrm::Options options;
        options.screen = ScreenInfo{QSize(1024, 768), QRect(0, 0, 1024, 728)};
        options.dialogs = dialogs;
        options.help = std::make_shared<RecordingHelp>();
        TMainFrm window(options);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.topicAction(topic)->trigger();

        ModalAnswerer answerer(pdf);
        window.findChild<QAction *>(command)->trigger();

        QCOMPARE(answerer.printDialogs, 1);
        // With no printer, the dialog still offers a PDF file.
        QVERIFY(!answerer.destinations.isEmpty());
        QCOMPARE(dialogs->errors, QStringList());
        QCOMPARE(QFile::exists(dir.filePath(QStringLiteral("out.pdf"))), toFile);
        if (toFile) {
            QVERIFY(isPdf(pdf));
        }
        QVERIFY(!QApplication::activeModalWidget());
        // The program goes on as before.
        window.topicAction(4)->trigger();
        QCOMPARE(window.session().currentTopic, 4);
    }

    void soundKeysWithoutAudio()
    {
        if (TonePlayer::audioAvailable()) {
            QSKIP("this machine has a sound output");
        }
        Fixture f;
        f.chooseTopic(5);
        auto *keys = f.window->findChild<QWidget *>(QStringLiteral("KeyPic"));
        auto *frequency = f.window->findChild<QSlider *>(QStringLiteral("FrequencySB"));
        QVERIFY(keys && frequency);
        // Every key pressed and released: nothing to hear, but the page follows the keys.
        for (int key = 0; key < Sound::Keys; ++key) {
            const Gdi::Rect r = Sound::keyRects()[std::size_t(key)];
            const QPoint centre((r.left + r.right) / 2, (r.top + r.bottom) / 2);
            QTest::mousePress(keys, Qt::LeftButton, {}, centre);
            QTest::mouseRelease(keys, Qt::LeftButton, {}, centre);
            QCOMPARE(frequency->value(), key);
        }
        f.chooseTopic(9);
        QCOMPARE(f.window->session().currentTopic, 9);
    }

    void copyWithEmptyClipboard()
    {
        // Nobody owns the clipboard when the program starts.
        QGuiApplication::clipboard()->clear();
        QVERIFY(!QGuiApplication::clipboard()->mimeData()
                || QGuiApplication::clipboard()->mimeData()->formats().isEmpty());
        Fixture f;
        f.chooseTopic(9);
        f.window->findChild<QAction *>(QStringLiteral("Copy1"))->trigger();
        QVERIFY(!QGuiApplication::clipboard()->image().isNull());
        // Closing asks whether to keep the chart on the clipboard; the script says no.
        f.window->close();
        QCOMPARE(f.dialogs->questions.size(), 1);
    }
};

QTEST_MAIN(TestNoDevices)
#include "tst_nodevices.moc"
