#include "shell/HtmlViewer.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextImageFormat>

HtmlViewer::HtmlViewer(QWidget *parent)
    : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("Viewer"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(10);
    document()->setDefaultFont(f);
    setDefaultBackground(Qt::white);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        const QString href = url.toString();
        if (m_hotSpot && m_hotSpot(href)) {
            return;
        }
        followLink(url);
    });
}

QString HtmlViewer::resolvePath(const QString &path)
{
    if (path.isEmpty() || QFileInfo::exists(path)) {
        return path;
    }
    const QString clean = QDir::cleanPath(path);
    const bool absolute = clean.startsWith(QLatin1Char('/'));
    const QStringList parts = clean.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QStringLiteral(".");
    for (const QString &part : parts) {
        const QString direct = QDir(current).filePath(part);
        if (QFileInfo::exists(direct)) {
            current = direct;
            continue;
        }
        const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        const auto match = std::find_if(entries.cbegin(), entries.cend(), [&part](const QString &entry) {
            return entry.compare(part, Qt::CaseInsensitive) == 0;
        });
        if (match == entries.cend()) {
            return path;
        }
        current = QDir(current).filePath(*match);
    }
    return absolute || path.startsWith(QLatin1String("./")) ? current : current.mid(2);
}

bool HtmlViewer::loadFile(const QString &path, QString *error)
{
    const QString resolved = resolvePath(path);
    QFile file(resolved);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = tr("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), file.errorString());
        }
        return false;
    }
    const QByteArray bytes = file.readAll();
    // Pages are plain HTML in Latin-1 or UTF-8; a page that declares no charset
    // is taken as UTF-8 when it decodes cleanly, else as Latin-1.
    QString html = QString::fromUtf8(bytes);
    if (html.contains(QChar::ReplacementCharacter)) {
        html = QString::fromLatin1(bytes);
    }
    document()->setBaseUrl(QUrl::fromLocalFile(QFileInfo(resolved).absolutePath() + QLatin1Char('/')));
    setHtml(html);
    m_currentFile = QFileInfo(resolved).absoluteFilePath();
    Q_EMIT pageLoaded(m_currentFile);
    return true;
}

void HtmlViewer::showNothing()
{
    clear();
    m_currentFile.clear();
}

QVariant HtmlViewer::loadResource(int type, const QUrl &name)
{
    if (name.isLocalFile() || name.isRelative()) {
        const QUrl absolute = name.isRelative() ? document()->baseUrl().resolved(name) : name;
        if (absolute.isLocalFile()) {
            QFile file(resolvePath(absolute.toLocalFile()));
            if (file.open(QIODevice::ReadOnly)) {
                return file.readAll();
            }
            return {};
        }
    }
    return QTextBrowser::loadResource(type, name);
}

void HtmlViewer::followLink(const QUrl &url)
{
    const QString fragment = url.fragment();
    QUrl target = url;
    target.setFragment(QString());
    if (!target.isEmpty()) {
        const QUrl absolute = document()->baseUrl().resolved(target);
        if (!absolute.isLocalFile() || !loadFile(absolute.toLocalFile())) {
            return;
        }
    }
    if (!fragment.isEmpty()) {
        scrollToAnchor(fragment);
    }
}

int HtmlViewer::position() const
{
    return verticalScrollBar()->value();
}

void HtmlViewer::setPosition(int position)
{
    verticalScrollBar()->setValue(position);
}

int HtmlViewer::selectionLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void HtmlViewer::copySelection()
{
    copy();
}

int HtmlViewer::defaultFontSize() const
{
    return document()->defaultFont().pointSize();
}

void HtmlViewer::setDefaultFontSize(int points)
{
    QFont f = document()->defaultFont();
    f.setPointSize(points);
    document()->setDefaultFont(f);
}

QColor HtmlViewer::defaultBackground() const
{
    return palette().color(QPalette::Base);
}

void HtmlViewer::setDefaultBackground(const QColor &colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, colour);
    setPalette(pal);
}

void HtmlViewer::reload()
{
    const int position = this->position();
    if (!m_currentFile.isEmpty() && loadFile(m_currentFile)) {
        setPosition(position);
    }
}

QImage HtmlViewer::pictureAt(QPoint viewportPosition) const
{
    const QTextCursor cursor = cursorForPosition(viewportPosition);
    // The character under the mouse may be on either side of the cursor.
    for (int offset : {0, 1}) {
        QTextCursor probe(document());
        probe.setPosition(std::min(cursor.position() + offset, document()->characterCount() - 1));
        const QTextCharFormat format = probe.charFormat();
        if (format.isImageFormat()) {
            const QVariant resource = document()->resource(QTextDocument::ImageResource,
                                                           QUrl(format.toImageFormat().name()));
            QImage image = qvariant_cast<QImage>(resource);
            if (image.isNull()) {
                image.loadFromData(resource.toByteArray());
            }
            if (!image.isNull()) {
                return image;
            }
        }
    }
    return {};
}

void HtmlViewer::contextMenuEvent(QContextMenuEvent *event)
{
    Q_EMIT rightClicked(event->globalPos(), pictureAt(event->pos()));
}

void HtmlViewer::mouseReleaseEvent(QMouseEvent *event)
{
    QTextBrowser::mouseReleaseEvent(event);
    Q_EMIT mouseUp();
}
