#pragma once

#include <QWidget>

// The start-up window: a borderless picture on top of everything, centred on
// the desktop, shown while the main window is built.
class TSplashFrm : public QWidget
{
    Q_OBJECT
public:
    explicit TSplashFrm(QWidget *parent = nullptr);
    // Shows the window and paints it at once, before the event loop runs.
    void showNow();
};
