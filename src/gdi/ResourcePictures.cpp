#include "ResourcePictures.h"

#include <QHash>

namespace Gdi {

QImage resourcePicture(const char *name)
{
    static QHash<QByteArray, QImage> cache;
    const QByteArray key(name);
    auto it = cache.constFind(key);
    if (it == cache.constEnd()) {
        QImage image(QStringLiteral(":/pictures/%1.xpm").arg(QString::fromLatin1(name)));
        it = cache.insert(key, image.convertToFormat(QImage::Format_RGB32));
    }
    return *it;
}

} // namespace Gdi
