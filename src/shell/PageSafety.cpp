#include "shell/PageSafety.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace PageSafety {

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("PageSafety", text);
}
} // namespace

QString checkedFile(const QString &path, const QString &root, qint64 maxBytes, QString *error)
{
    const QString shown = QDir::toNativeSeparators(path);
    const auto refuse = [error](const QString &why) {
        if (error) {
            *error = why;
        }
        return QString();
    };
    const QFileInfo info(path);
    QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty()) {
        return refuse(tr("Cannot open file \"%1\". The file does not exist.").arg(shown));
    }
    const QFileInfo target(canonical);
    // Devices, pipes and folders are never pages: reading /dev/zero would not
    // end, and /dev/stdin would wait for ever.
    if (!target.isFile()) {
        return refuse(tr("Cannot open \"%1\": it is not a file.").arg(shown));
    }
    if (!root.isEmpty()) {
        const QString folder = QFileInfo(root).canonicalFilePath();
        if (folder.isEmpty() || !canonical.startsWith(folder + QLatin1Char('/'))) {
            return refuse(tr("Cannot open \"%1\": only the program's own pages and pictures can be shown.").arg(shown));
        }
    }
    if (target.size() > maxBytes) {
        return refuse(tr("Cannot open \"%1\": the file is larger than %2 MB.").arg(shown).arg(maxBytes >> 20));
    }
    return canonical;
}

QByteArray readCapped(QFileDevice &file, qint64 maxBytes)
{
    // A file that grows between size() and read() is cut at what size() said;
    // the cap still bounds it.
    return file.read(std::clamp<qint64>(file.size(), 0, maxBytes));
}

int tableDepth(const QString &html)
{
    static const QRegularExpression tag(QStringLiteral("<\\s*(/?)\\s*table\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    int depth = 0;
    int deepest = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        if (it.next().capturedView(1).isEmpty()) {
            deepest = std::max(deepest, ++depth);
        } else if (depth > 0) {
            --depth;
        }
    }
    return deepest;
}

QStringList pictureSources(const QString &html)
{
    static const QRegularExpression img(
        QStringLiteral("<\\s*img\\b[^>]*?\\bsrc\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList sources;
    for (auto it = img.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        for (int group = 1; group <= 3; ++group) {
            if (m.capturedStart(group) >= 0) {
                sources << m.captured(group);
                break;
            }
        }
    }
    return sources;
}

} // namespace PageSafety
