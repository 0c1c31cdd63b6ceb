#pragma once

#include "gdi/Canvas.h"

#include "gdi/RefreshPacer.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QKeyEvent;

// A picture control that keeps its picture. Handlers draw on its canvas at any
// time (XOR markers included); the surface is shown as drawn. The paint signal
// asks for a full redraw when the surface was never drawn, was resized, or the
// control was shown again or invalidated.
class PaintBox : public QWidget
{
    Q_OBJECT
public:
    explicit PaintBox(QWidget *parent = nullptr);
    ~PaintBox() override;

    // The canvas over the surface. Drawing on it schedules a screen update.
    Gdi::Canvas &canvas();
    // The surface exactly as drawn, one pixel per logical pixel, with any
    // pending redraw done first.
    const QImage &surface();

    // Requests the paint handler before the surface is next shown (at the
    // next display refresh at the latest) or read. An animation whose every
    // step redraws the whole picture from its state can invalidate at each
    // step: steps that are never shown or read are never drawn.
    void invalidate();
    // Runs the paint handler now if a redraw is pending.
    void ensurePainted();

    // Lets a picture that answers the mouse answer keys as well: it then
    // takes the focus from Tab and clicks and shows a focus frame. The handler
    // returns true for the keys it used; the others go on to the page.
    using KeyHandler = std::function<bool(const QKeyEvent &)>;
    void setKeyHandler(KeyHandler handler);

    // Keeps a dragged pointer on the picture: returns the position clamped to
    // the control and, where the platform allows, moves the pointer back there.
    // Positions are surface pixels, as the mouse signals give them.
    QPoint confinePointer(QPoint position);

    // The zoom the control is shown at: the control is `zoom` times the size
    // of its surface, which keeps one pixel per logical pixel, and mouse
    // positions are mapped back to surface pixels.
    void setZoom(qreal zoom);
    qreal zoom() const { return m_zoom; }
    // The surface's size: the control's size without the zoom.
    QSize pictureSize() const;
    int pictureWidth() const { return pictureSize().width(); }
    int pictureHeight() const { return pictureSize().height(); }

Q_SIGNALS:
    void paint();
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void recreateSurface(QSize size);
    QPoint toSurface(QPointF position) const;
    // A hidden picture gives its surface back; it is made again, and drawn
    // through `paint`, when it is shown or drawn on.
    void ensureSurface();

    QImage m_surface;
    std::unique_ptr<Gdi::Canvas> m_canvas;
    KeyHandler m_keys;
    bool m_dirty = true;
    bool m_inPaint = false;
    qreal m_zoom = 1;
    // An animation draws every step on the surface, but the screen shows at
    // most one picture per refresh.
    RefreshPacer m_refresh{this, [this] { update(); }};
};
