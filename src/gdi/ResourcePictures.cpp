#include "gdi/ResourcePictures.h"

#include <QHash>

namespace Gdi {

QImage resourcePicture(const char *name)
{
    static QHash<QByteArray, QImage> cache;
    const QByteArray key(name);
    auto it = cache.constFind(key);
    if (it == cache.constEnd()) {
        // The pixel tables ship as XPM; drawn pictures as PNG.
        QImage image(QStringLiteral(":/pictures/%1.xpm").arg(QString::fromLatin1(name)));
        if (image.isNull()) {
            image.load(QStringLiteral(":/pictures/%1.png").arg(QString::fromLatin1(name)));
        }
        it = cache.insert(key, image.convertToFormat(QImage::Format_RGB32));
    }
    return *it;
}

} // namespace Gdi
