#include "gdi/PaintBox.h"

#include "gdi/ScreenReader.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

PaintBox::PaintBox(QWidget *parent)
    : QWidget(parent)
{
    ScreenReader::markAsPicture(this);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    recreateSurface(QSize(1, 1));
}

PaintBox::~PaintBox() = default;

void PaintBox::recreateSurface(QSize size)
{
    if (m_canvas) {
        m_canvas->end();
    }
    // What no picture covers shows the page behind, as on a transparent control.
    QImage next(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    next.fill(palette().color(QPalette::Window));
    if (!m_surface.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, m_surface);
    }
    m_surface = std::move(next);
    // The canvas keeps its pen, brush and font across a resize.
    auto canvas = std::make_unique<Gdi::Canvas>(&m_surface);
    if (m_canvas) {
        canvas->pen = m_canvas->pen;
        canvas->brush = m_canvas->brush;
        canvas->font = m_canvas->font;
        canvas->moveTo(m_canvas->penPos().x(), m_canvas->penPos().y());
    }
    canvas->setChangeCallback([this] {
        if (!m_inPaint) {
            m_refresh.request();
        }
    });
    m_canvas = std::move(canvas);
}

void PaintBox::ensureSurface()
{
    if (m_surface.isNull()) {
        recreateSurface(pictureSize());
        m_dirty = true;
    }
}

QSize PaintBox::pictureSize() const
{
    return m_zoom == 1 ? size() : QSize(qRound(width() / m_zoom), qRound(height() / m_zoom));
}

void PaintBox::setZoom(qreal zoom)
{
    if (zoom <= 0 || zoom == m_zoom) {
        return;
    }
    m_zoom = zoom;
    if (!m_surface.isNull() && pictureSize() != m_surface.size()) {
        recreateSurface(pictureSize());
        m_dirty = true;
    }
    update();
}

QPoint PaintBox::toSurface(QPointF position) const
{
    // A surface pixel covers `zoom` screen pixels; any of them is that pixel.
    return m_zoom == 1 ? position.toPoint()
                       : QPoint(int(std::floor(position.x() / m_zoom)), int(std::floor(position.y() / m_zoom)));
}

Gdi::Canvas &PaintBox::canvas()
{
    ensureSurface();
    return *m_canvas;
}

const QImage &PaintBox::surface()
{
    if (m_surface.isNull()) {
        ensureSurface();
        ensurePainted();
    }
    m_canvas->end();
    return m_surface;
}

void PaintBox::invalidate()
{
    m_dirty = true;
    update();
}

void PaintBox::ensurePainted()
{
    if (!m_dirty) {
        return;
    }
    m_dirty = false;
    m_inPaint = true;
    Q_EMIT paint();
    m_inPaint = false;
}

void PaintBox::paintEvent(QPaintEvent *)
{
    ensureSurface();
    ensurePainted();
    m_canvas->end();
    m_refresh.shown();
    QPainter p(this);
    // The picture keeps one pixel per logical pixel, as its drawing rules
    // need. When the device pixels per picture pixel (screen ratio times zoom)
    // are a whole number, each becomes an exact square block; at a fractional
    // number (1.5) blocks would alternate between one and two pixels and make
    // strokes uneven, so the picture is scaled smoothly instead.
    const qreal scale = devicePixelRatioF() * m_zoom;
    p.setRenderHint(QPainter::SmoothPixmapTransform, std::abs(scale - std::round(scale)) > 1e-9);
    if (m_zoom == 1) {
        p.drawImage(0, 0, m_surface);
    } else {
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(m_surface.size()) * m_zoom), m_surface);
    }
    // Once the keyboard has moved the focus (as the style's own focus frames
    // do), a picture with the focus shows a frame in the highlight colour. It
    // is drawn on the screen only; the surface, which is printed and copied,
    // never holds it.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void PaintBox::setKeyHandler(KeyHandler handler)
{
    m_keys = std::move(handler);
    setFocusPolicy(m_keys ? Qt::StrongFocus : Qt::NoFocus);
}

void PaintBox::keyPressEvent(QKeyEvent *event)
{
    if (!m_keys || !m_keys(*event)) {
        QWidget::keyPressEvent(event);
    }
}

void PaintBox::keyReleaseEvent(QKeyEvent *event)
{
    if (!m_keys || !m_keys(*event)) {
        QWidget::keyReleaseEvent(event);
    }
}

void PaintBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_surface.isNull() && pictureSize() != m_surface.size()) {
        recreateSurface(pictureSize());
        m_dirty = true;
    }
}

void PaintBox::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_dirty = true;
}

void PaintBox::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Shown again, the picture is drawn afresh from its page's state anyway;
    // meanwhile the pictures of the topics not shown hold no pixels.
    m_canvas->end();
    m_surface = QImage();
    m_dirty = true;
}

void PaintBox::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = toSurface(event->position());
    Q_EMIT mouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void PaintBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = toSurface(event->position());
    Q_EMIT mouseMove(event->buttons(), event->modifiers(), p.x(), p.y());
}

void PaintBox::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint p = toSurface(event->position());
    Q_EMIT mouseUp(event->button(), event->modifiers(), p.x(), p.y());
}

QPoint PaintBox::confinePointer(QPoint position)
{
    const QSize picture = pictureSize();
    const QPoint clamped(std::clamp(position.x(), 0, picture.width() - 1),
                         std::clamp(position.y(), 0, picture.height() - 1));
    if (clamped != position) {
        QCursor::setPos(mapToGlobal((QPointF(clamped) * m_zoom).toPoint()));
    }
    return clamped;
}
