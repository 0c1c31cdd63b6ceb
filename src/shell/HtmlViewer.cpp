#include "shell/HtmlViewer.h"

#include "shell/Language.h"
#include "shell/PageSafety.h"

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

QString HtmlViewer::inLanguage(const QString &path) const
{
    if (m_root.isEmpty()) {
        return path;
    }
    const QString root = QDir::cleanPath(m_root) + QLatin1Char('/');
    const QString clean = QDir::cleanPath(path);
    if (!clean.startsWith(root)) {
        return path;
    }
    // A page of any language's folder stands for the same page in this one.
    QString relative = clean.mid(root.size());
    QStringList folders{m_language};
    for (const Language::Choice &choice : Language::available()) {
        folders << QString::fromLatin1(choice.code);
    }
    bool inAFolder = false;
    for (const QString &folder : folders) {
        if (!folder.isEmpty() && relative.startsWith(folder + QLatin1Char('/'))) {
            relative = relative.mid(folder.size() + 1);
            inAFolder = true;
            break;
        }
    }
    if (m_language.isEmpty()) {
        return inAFolder ? root + relative : path;
    }
    const QString translated = resolvePath(root + m_language + QLatin1Char('/') + relative);
    return QFileInfo::exists(translated) ? translated : root + relative;
}

bool HtmlViewer::loadFile(const QString &path, QString *error)
{
    const QString fileName = PageSafety::checkedFile(resolvePath(inLanguage(path)), m_root, PageSafety::MaxPageBytes,
                                                     error);
    if (fileName.isEmpty()) {
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = tr("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), file.errorString());
        }
        return false;
    }
    const QByteArray bytes = PageSafety::readCapped(file, PageSafety::MaxPageBytes);
    // Pages are plain HTML in Latin-1 or UTF-8; a page that declares no charset
    // is taken as UTF-8 when it decodes cleanly, else as Latin-1.
    QString html = QString::fromUtf8(bytes);
    if (html.contains(QChar::ReplacementCharacter)) {
        html = QString::fromLatin1(bytes);
    }
    const QUrl base = QUrl::fromLocalFile(QFileInfo(fileName).absolutePath() + QLatin1Char('/'));
    if (const QString fault = pageFault(html, base); !fault.isEmpty()) {
        if (error) {
            *error = fault;
        }
        return false;
    }
    document()->setBaseUrl(base);
    setHtml(html);
    m_currentFile = fileName;
    Q_EMIT pageLoaded(m_currentFile);
    return true;
}

QString HtmlViewer::pageFault(const QString &html, const QUrl &base) const
{
    if (PageSafety::tableDepth(html) > PageSafety::MaxTableDepth) {
        return tr("This page cannot be shown: its tables are nested more than %1 deep.").arg(PageSafety::MaxTableDepth);
    }
    // A picture that is missing shows as a gap, as in any browser; one that
    // names a device, a file outside the pages' folder or a huge file is
    // refused with the page.
    for (const QString &source : PageSafety::pictureSources(html)) {
        const QUrl url = base.resolved(QUrl(source));
        if (!url.isLocalFile()) {
            continue;
        }
        const QString picture = resolvePath(inLanguage(url.toLocalFile()));
        QString why;
        if (QFileInfo::exists(picture)
            && PageSafety::checkedFile(picture, m_root, PageSafety::MaxPictureBytes, &why).isEmpty()) {
            return tr("This page cannot be shown. %1").arg(why);
        }
    }
    return {};
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
            const qint64 cap = type == QTextDocument::ImageResource ? PageSafety::MaxPictureBytes
                                                                    : PageSafety::MaxPageBytes;
            QFile file(PageSafety::checkedFile(resolvePath(inLanguage(absolute.toLocalFile())), m_root, cap, nullptr));
            if (!file.fileName().isEmpty() && file.open(QIODevice::ReadOnly)) {
                return PageSafety::readCapped(file, cap);
            }
            return {};
        }
    }
    return QTextBrowser::loadResource(type, name);
}

bool HtmlViewer::followLink(const QUrl &url, QString *error)
{
    const QString fragment = url.fragment();
    QUrl target = url;
    target.setFragment(QString());
    if (!target.isEmpty()) {
        const QUrl absolute = document()->baseUrl().resolved(target);
        if (!absolute.isLocalFile()) {
            if (error) {
                *error = tr("Cannot open the link \"%1\".").arg(url.toString());
            }
            return false;
        }
        if (!loadFile(absolute.toLocalFile(), error)) {
            return false;
        }
    }
    if (!fragment.isEmpty()) {
        scrollToAnchor(fragment);
    }
    return true;
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
            auto image = qvariant_cast<QImage>(resource);
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
