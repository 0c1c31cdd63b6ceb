#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QFileDevice;

// Rules that keep the text pane to its own pages: what a link or a picture may
// name, how large it may be, and which page structures Qt's text layout cannot
// take in reasonable time.
namespace PageSafety {

// Size caps for what the pane reads whole. Our pages are under 20 KB; Qt lays
// out a 1 MB page in a few seconds and a 10 MB one in over a minute, during
// which the window would not answer.
inline constexpr qint64 MaxPageBytes = 1024 * 1024;
inline constexpr qint64 MaxPictureBytes = 32 * 1024 * 1024;
// Deepest nesting of tables a page may have. Qt's layout time doubles with
// each level (about 2 s at 18 on a classroom computer); our pages use 2.
inline constexpr int MaxTableDepth = 12;

// The canonical path of `path` when it is a regular file of at most `maxBytes`
// inside the folder `root` (after every symbolic link is resolved); an empty
// `root` allows any folder. Otherwise an empty string, and `error` says why.
QString checkedFile(const QString &path, const QString &root, qint64 maxBytes, QString *error);

// The whole of an open file, but never more than `maxBytes` even if it grew
// since it was checked. Only what the file holds is allocated: QIODevice's
// read(maxBytes) would reserve the whole cap for every page and picture.
QByteArray readCapped(QFileDevice &file, qint64 maxBytes);

// How deeply the page's tables nest; unclosed tables count as open to the end.
int tableDepth(const QString &html);

// The `src` of every <img> in the page, as written.
QStringList pictureSources(const QString &html);

} // namespace PageSafety
