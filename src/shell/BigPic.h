#pragma once

#include <QDialog>

class QImage;

// The magnified picture of a "$" link: a window just the size of its picture.
class TBigPicFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TBigPicFrm(const QImage &picture, QWidget *parent = nullptr);
};

namespace BigPic {
// The picture file a "$" link names, inside `imagesDir`, or an empty string
// when the name leaves that folder (an absolute path, "..", another folder).
QString picturePath(const QString &imagesDir, const QString &link);
} // namespace BigPic
