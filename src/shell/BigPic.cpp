#include "shell/BigPic.h"

#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

TBigPicFrm::TBigPicFrm(const QImage &picture, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("BigPicFrm"));
    setWindowTitle(QStringLiteral(" "));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *magPic = new QLabel(this);
    magPic->setObjectName(QStringLiteral("MagPic"));
    magPic->setPixmap(QPixmap::fromImage(picture));
    layout->addWidget(magPic);
    // The window's frame and caption come from the desktop around this.
    setFixedSize(picture.size());
}

namespace BigPic {

QString picturePath(const QString &imagesDir, const QString &link)
{
    const QString name = link.startsWith(QLatin1Char('$')) ? link.mid(1) : link;
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name.contains(QLatin1String("..")) || name.contains(QLatin1Char(':')) || QDir::isAbsolutePath(name)) {
        return {};
    }
    return QDir(imagesDir).filePath(name);
}

} // namespace BigPic
