#include "shell/FormFont.h"

#include "gdi/GdiMath.h"

#include <QFont>
#include <QWidget>

int formFontPixelHeight(int pixelsPerInch)
{
    return Gdi::mulDiv(8, pixelsPerInch, 72);
}

void setFormFont(QWidget *form)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(formFontPixelHeight(form->logicalDpiY()));
    form->setFont(f);
}
