#pragma once

#include <QDialog>

// The About box: the program's picture, name and version.
class TAboutFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutFrm(QWidget *parent = nullptr);
};
