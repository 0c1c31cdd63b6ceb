#pragma once

#include "shell/Session.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>

#include <functional>
#include <optional>

class QAbstractSlider;
class QSlider;

// Waits in the event loop, so the processor idles while events are handled.
// Returns false if `context` was destroyed meanwhile.
bool waitInEventLoop(int milliseconds, QObject *context);

// Paces an animation loop. A frame lasts 0.4 ms per unit of the speed setting
// (20 ms at 50, 40 ms at 100) and never less than 4 ms, so that the motion stays
// visible on a fast machine. The rest of each frame is spent in the event loop:
// the processor idles, and clicks, paints and menu commands are handled inside
// the running frame, as the loop's stop flag expects.
class FramePacer
{
public:
    // The object whose handler runs the loop; when it is destroyed during a
    // wait, endFrame() returns false and the loop must return at once.
    explicit FramePacer(QObject *context);

    static int periodMicroseconds(int speed);

    // Waits out the rest of the frame for this speed, then handles every
    // pending event. Returns false if the context was destroyed meanwhile.
    bool endFrame(int speed);

private:
    QPointer<QObject> m_context;
    QElapsedTimer m_clock;
};

// The animation of a topic whose position is a slider: each frame the loop's
// own counter steps on by one (back to the minimum past the maximum) and is
// set on the slider, whose change handler draws the frame; the frame delay uses
// `speed()`, read at every frame. With `waitFirst` the delay comes before the
// frame is shown. Runs until the stop flag is set, or the slider is destroyed.
void animateSlider(Session &session, QAbstractSlider *slider, const std::function<int()> &speed,
                   bool waitFirst = false);

// The "set speed" dialog. The track bar runs from slow (left) to fast (right):
// position p shows the stored speed s = 100 - p.
class TAnimSpdFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TAnimSpdFrm(QWidget *parent = nullptr);

    QSlider *trackBar() const { return m_bar; }
    void setSpeed(int speed);
    int speed() const;

private:
    QSlider *m_bar;
};
