#pragma once

#include "Canvas.h"

#include <QImage>
#include <QWidget>

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
    // The surface exactly as drawn, one pixel per logical pixel.
    const QImage &surface();

    // Requests the paint handler before the next display.
    void invalidate();
    // Runs the paint handler now if a redraw is pending.
    void ensurePainted();

    // Keeps a dragged pointer on the picture: returns the position clamped to
    // the control and, where the platform allows, moves the pointer back there.
    QPoint confinePointer(QPoint position);

Q_SIGNALS:
    void paint();
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void recreateSurface(QSize size);

    QImage m_surface;
    std::unique_ptr<Gdi::Canvas> m_canvas;
    bool m_dirty = true;
    bool m_inPaint = false;
};
