#include "shell/HelpWindow.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A browser that reads its pages and pictures out of the help engine. Links are
// handed to the window, which keeps help pages here and sends web and mail
// links to the desktop.
class HelpBrowser : public QTextBrowser
{
public:
    HelpBrowser(QHelpEngine *engine, QWidget *parent)
        : QTextBrowser(parent)
        , m_engine(engine)
    {
        setOpenLinks(false);
        setOpenExternalLinks(false);
    }

    QVariant loadResource(int type, const QUrl &name) override
    {
        if (name.scheme() == QLatin1String("qthelp")) {
            return m_engine ? QVariant(m_engine->fileData(name)) : QVariant();
        }
        return QTextBrowser::loadResource(type, name);
    }

private:
    QHelpEngine *m_engine;
};

// Reads a header field of an SQLite file (big-endian).
quint32 bigEndian(const QByteArray &bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i) {
        value = (value << 8) | quint8(bytes.at(at + i));
    }
    return value;
}

// True when the file is a regular SQLite database whose length is at least the
// page size times the page count its header records: a truncated or foreign
// file fails. Only reads the file.
bool looksWhole(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3\0"))) {
        return false;
    }
    quint64 pageSize = bigEndian(header, 16, 2);
    if (pageSize == 1) {
        pageSize = 65536;
    }
    const quint64 pageCount = bigEndian(header, 28, 4);
    if (pageSize < 512 || pageCount == 0) {
        return false;
    }
    return quint64(info.size()) >= pageSize * pageCount;
}

} // namespace

QString HelpWindow::problemWith(const QString &collectionFile)
{
    if (!looksWhole(collectionFile)) {
        return collectionFile;
    }
    return {};
}

HelpWindow::HelpWindow(const QString &collectionFile, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Corvane Help"));
    resize(760, 560);

    // The engine is only opened on a whole collection: opened on a missing
    // path it would create an empty file beside the program.
    QString broken = problemWith(collectionFile);
    if (broken.isEmpty()) {
        m_engine = new QHelpEngine(collectionFile, this);
        m_engine->setReadOnly(true);
        if (!m_engine->setupData()) {
            broken = collectionFile;
        } else {
            // The collection names the compressed help files it draws on.
            QStringList files;
            for (const QString &ns : m_engine->registeredDocumentations()) {
                files << m_engine->documentationFileName(ns);
            }
            if (files.isEmpty()) {
                files << QFileInfo(collectionFile).path() + QLatin1Char('/')
                             + QFileInfo(collectionFile).completeBaseName() + QStringLiteral(".qch");
            }
            for (const QString &file : std::as_const(files)) {
                if (!looksWhole(file)) {
                    broken = file;
                    break;
                }
            }
        }
    }
    m_valid = broken.isEmpty();
    if (!m_valid) {
        delete m_engine;
        m_engine = nullptr;
    }

    auto *splitter = new QSplitter(this);
    m_tabs = new QTabWidget(splitter);
    m_tabs->addTab(m_engine ? static_cast<QWidget *>(m_engine->contentWidget()) : new QWidget, tr("&Contents"));

    auto *indexPage = new QWidget;
    auto *indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(4, 4, 4, 4);
    auto *prompt = new QLabel(tr("&Type the first letters of the word you are looking for:"), indexPage);
    prompt->setWordWrap(true);
    m_filter = new QLineEdit(indexPage);
    m_filter->setObjectName(QStringLiteral("HelpIndexFilter"));
    prompt->setBuddy(m_filter);
    indexLayout->addWidget(prompt);
    indexLayout->addWidget(m_filter);
    if (m_engine) {
        indexLayout->addWidget(m_engine->indexWidget());
    }
    m_tabs->addTab(indexPage, tr("&Index"));

    m_browser = new HelpBrowser(m_engine, splitter);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 530});

    // Back, forward and home, as a help viewer has; Alt+Left and Alt+Right
    // also work anywhere in the window.
    auto *bar = new QHBoxLayout;
    const auto toolButton = [this, bar](const char *name, const QString &caption, const QString &tip,
                                        const QKeySequence &key) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(caption);
        b->setToolTip(tip);
        if (!key.isEmpty()) {
            b->setShortcut(key);
        }
        bar->addWidget(b);
        return b;
    };
    m_back = toolButton("HelpBackBtn", tr("back"), tr("Back (Alt+Left)"), QKeySequence(Qt::ALT | Qt::Key_Left));
    m_forward = toolButton("HelpFwdBtn", tr("forward"), tr("Forward (Alt+Right)"),
                           QKeySequence(Qt::ALT | Qt::Key_Right));
    m_home = toolButton("HelpHomeBtn", tr("home"), tr("The help contents page"), QKeySequence());
    bar->addStretch(1);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    m_home->setEnabled(m_valid);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QToolButton::clicked, this, [this] { showPage(urlForContext(1000)); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("HelpMessage"));
    m_message->setWordWrap(true);
    m_message->setVisible(!m_valid);
    m_message->setText(tr("The help file \"%1\" is missing or damaged and could not be opened. "
                          "Reinstall Corvane to restore it.")
                           .arg(QDir::toNativeSeparators(broken)));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_message);
    layout->addLayout(bar);
    layout->addWidget(splitter);

    if (!m_engine) {
        return;
    }
    connect(m_engine->contentWidget(), &QHelpContentWidget::linkActivated, this, &HelpWindow::showPage);
    connect(m_engine->indexWidget(), &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink &document, const QString &) { showPage(document.url); });
    connect(m_engine->indexWidget(), &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink> &documents, const QString &) {
                if (!documents.isEmpty()) {
                    showPage(documents.first().url);
                }
            });
    connect(m_filter, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_engine->indexWidget()->filterIndices(text); });
    connect(m_filter, &QLineEdit::returnPressed, m_engine->indexWidget(), &QHelpIndexWidget::activateCurrentItem);
}

void HelpWindow::followLink(const QUrl &link)
{
    const QUrl url = m_browser->source().resolved(link);
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto")) {
        QDesktopServices::openUrl(url);
        return;
    }
    if (scheme == QLatin1String("qthelp") && m_engine) {
        if (url.path() == m_browser->source().path() && url.hasFragment()) {
            m_browser->setSource(url);
            return;
        }
        if (!m_engine->findFile(url).isValid()) {
            return;
        }
        m_browser->setSource(url);
    }
}

HelpWindow::~HelpWindow() = default;

QUrl HelpWindow::urlForContext(int context) const
{
    if (!m_engine) {
        return {};
    }
    const QList<QHelpLink> links = m_engine->documentsForIdentifier(QString::number(context));
    return links.isEmpty() ? QUrl() : links.first().url;
}

void HelpWindow::showPage(const QUrl &url)
{
    if (url.isValid()) {
        m_browser->setSource(url);
    }
}

QUrl HelpWindow::currentPage() const
{
    return m_browser->source();
}

void HelpWindow::bringToFront()
{
    show();
    raise();
    activateWindow();
}

void HelpWindow::showContext(int context)
{
    const QUrl url = urlForContext(context);
    if (!url.isValid()) {
        showContents();
        return;
    }
    m_tabs->setCurrentIndex(0);
    showPage(url);
    bringToFront();
}

void HelpWindow::showContents()
{
    m_tabs->setCurrentIndex(0);
    // Context 1000 is the start page of the help.
    showPage(urlForContext(1000));
    bringToFront();
}

void HelpWindow::showIndex()
{
    m_tabs->setCurrentIndex(1);
    if (!m_browser->source().isValid()) {
        showPage(urlForContext(1000));
    }
    bringToFront();
    m_filter->setFocus();
    m_filter->selectAll();
}
