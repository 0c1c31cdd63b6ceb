#include "shell/Splash.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

TSplashFrm::TSplashFrm(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashFrm"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(400, 273);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    // The picture is 400 by 276; the window shows its top 273 rows.
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("SplashImage"));
    picture->setPixmap(QPixmap(QStringLiteral(":/images/splash.jpg")));
    picture->setGeometry(0, 0, 400, 276);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

void TSplashFrm::showNow()
{
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
