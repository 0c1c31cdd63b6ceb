#pragma once

#include <QElapsedTimer>
#include <QObject>
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

// Paints a whole window at most once per display refresh while `active`
// says so (an animation runs). An animation that moves a scroll bar and
// rewrites labels every few milliseconds would otherwise have the window
// repainted, and sent to the display, after every step; the controls changed
// in between are painted together at the next refresh instead.
class WindowPacer : public QObject
{
public:
    WindowPacer(QWidget *window, std::function<bool()> active);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::function<bool()> m_active;
    QElapsedTimer m_sincePainted;
    QTimer m_nextRefresh;
    bool m_due = false;
};

// The time between two display refreshes of the screen `widget` is on, in
// milliseconds (60 Hz where the screen does not say).
int refreshInterval(const QWidget *widget);
