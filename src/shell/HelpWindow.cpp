#include "shell/HelpWindow.h"

#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// A browser that reads its pages and pictures out of the help engine.
class HelpBrowser : public QTextBrowser
{
public:
    HelpBrowser(QHelpEngine *engine, QWidget *parent)
        : QTextBrowser(parent)
        , m_engine(engine)
    {
        setOpenExternalLinks(true);
    }

    QVariant loadResource(int type, const QUrl &name) override
    {
        if (name.scheme() == QLatin1String("qthelp")) {
            return m_engine->fileData(name);
        }
        return QTextBrowser::loadResource(type, name);
    }

private:
    QHelpEngine *m_engine;
};

} // namespace

HelpWindow::HelpWindow(const QString &collectionFile, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Corvane Help"));
    resize(760, 560);

    m_engine = new QHelpEngine(collectionFile, this);
    m_engine->setReadOnly(true);
    m_valid = QFileInfo::exists(collectionFile) && m_engine->setupData();

    auto *splitter = new QSplitter(this);
    m_tabs = new QTabWidget(splitter);
    m_tabs->addTab(m_engine->contentWidget(), tr("&Contents"));

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
    indexLayout->addWidget(m_engine->indexWidget());
    m_tabs->addTab(indexPage, tr("&Index"));

    m_browser = new HelpBrowser(m_engine, splitter);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 530});

    m_message = new QLabel(this);
    m_message->setWordWrap(true);
    m_message->setVisible(!m_valid);
    m_message->setText(tr("The help file \"%1\" could not be opened. Reinstall Corvane to restore it.")
                           .arg(QFileInfo(collectionFile).fileName()));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_message);
    layout->addWidget(splitter);

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

HelpWindow::~HelpWindow() = default;

QUrl HelpWindow::urlForContext(int context) const
{
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
