#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

class QWidget;

// Shows a picture at most once per display refresh. An animation may change
// a picture every few milliseconds; the screen shows about 60 a second, so
// a change made sooner than a refresh after the last showing waits for the
// next one. Every change still reaches the picture; only showing is paced.
class RefreshPacer
{
public:
    // `show` asks for the picture to be shown (an update or a replot).
    RefreshPacer(QWidget *owner, std::function<void()> show);

    // The picture changed: shown at once, or at the next refresh.
    void request();
    // The picture has just been shown.
    void shown() { m_sinceShown.start(); }

private:
    QWidget *m_owner;
    std::function<void()> m_show;
    QElapsedTimer m_sinceShown;
    QTimer m_nextRefresh;
};
