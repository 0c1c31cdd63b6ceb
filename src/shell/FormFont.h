#pragma once

class QWidget;

// Every window sets its font to 8-point Arial when it is created: a pixel
// height of MulDiv(8, screen pixels per inch, 72), 11 pixels on a 96-dpi screen.
int formFontPixelHeight(int pixelsPerInch);
void setFormFont(QWidget *form);
