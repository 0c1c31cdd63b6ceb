#include "gdi/PaintBox.h"

#include "gdi/ScreenReader.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

// The image a raster painter writes into, when it writes into one.
QImage *rasterImage(const QPainter &p)
{
    QPaintEngine *engine = p.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice()
        || engine->paintDevice()->devType() != QInternal::Image) {
        return nullptr;
    }
    return static_cast<QImage *>(engine->paintDevice());
}

// Writes `width` pixels of a row shown at `factor` pixels per source pixel:
// `lead` pixels of the first source pixel (the block may start left of the
// row), then whole blocks, then what of the last block fits.
template<int Factor>
void expandRow(const quint32 *source, quint32 *row, int width, int lead, int factor = Factor)
{
    quint32 *const end = row + width;
    const int first = std::min(lead, width);
    std::fill_n(row, first, *source++);
    row += first;
    while (end - row >= factor) {
        if constexpr (Factor > 0) {
            // A block's row as one store of 8 or 16 bytes.
            std::array<quint32, Factor> block;
            block.fill(*source);
            std::memcpy(row, block.data(), sizeof block);
        } else {
            std::fill_n(row, factor, *source);
        }
        row += factor;
        ++source;
    }
    if (row < end) { // (else `source` is past the row's last pixel)
        std::fill(row, end, *source);
    }
}

// Shows `surface` on `target` with each pixel an exact `factor` x `factor`
// block, its top left at `origin` (device pixels), inside `clip` only. It
// writes what the painter's own unsmoothed scaling would (device pixel x
// shows surface pixel (x - origin.x) / factor) at the speed of a copy: a
// block's colour is written once per row, with no division per pixel, and
// the block's further rows are copies of its first. At 400% this is the bulk
// of an animation's frame.
void drawBlocks(const QImage &surface, int factor, QPoint origin, QImage &target, const QRegion &clip)
{
    const QRegion shown = clip.intersected(QRect(origin, surface.size() * factor) & target.rect());
    for (const QRect &r : shown) {
        const int firstColumn = (r.left() - origin.x()) / factor;
        const int lead = origin.x() + (firstColumn + 1) * factor - r.left();
        const auto bytes = size_t(r.width()) * sizeof(quint32);
        const quint32 *blockTop = nullptr;
        int blockRow = -1;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            quint32 *row = reinterpret_cast<quint32 *>(target.scanLine(y)) + r.left();
            const int sourceRow = (y - origin.y()) / factor;
            if (sourceRow == blockRow) {
                std::memcpy(row, blockTop, bytes);
                continue;
            }
            blockRow = sourceRow;
            blockTop = row;
            const quint32 *source = reinterpret_cast<const quint32 *>(surface.constScanLine(sourceRow)) + firstColumn;
            switch (factor) {
            case 2:
                expandRow<2>(source, row, r.width(), lead);
                break;
            case 3:
                expandRow<3>(source, row, r.width(), lead);
                break;
            case 4:
                expandRow<4>(source, row, r.width(), lead);
                break;
            default:
                expandRow<0>(source, row, r.width(), lead, factor);
            }
        }
    }
}

// The block size when `p` can take the surface, shown at `zoom`, as exact
// blocks written straight into its image, else 0: opaque pixels copied (no
// opacity, blending or clip of the painter's own), a device transform that
// only moves by whole pixels and scales evenly by a ratio that makes whole
// blocks, and an image of 32-bit opaque-compatible pixels this painter alone
// holds.
int blockFactor(const QPainter &p, const QImage *target, const QImage &surface, qreal zoom)
{
    const QTransform &t = p.deviceTransform();
    const qreal factor = t.m11() * zoom;
    const bool fits = target && target->isDetached() && surface.format() == QImage::Format_RGB32
                      && (target->format() == QImage::Format_RGB32
                          || target->format() == QImage::Format_ARGB32_Premultiplied)
                      && !p.hasClipping() && p.opacity() == 1
                      && p.compositionMode() == QPainter::CompositionMode_SourceOver && t.type() <= QTransform::TxScale
                      && t.m22() == t.m11() && t.dx() == std::round(t.dx()) && t.dy() == std::round(t.dy())
                      && factor >= 2 && std::abs(factor - std::round(factor)) <= 1e-9;
    return fits ? int(std::round(factor)) : 0;
}

} // namespace

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
    ensureSurface();
    ensurePainted();
    m_canvas->end();
    return m_surface;
}

void PaintBox::invalidate()
{
    m_dirty = true;
    m_refresh.request();
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
    QImage *target = rasterImage(p);
    if (const int factor = blockFactor(p, target, m_surface, m_zoom)) {
        const QTransform &t = p.deviceTransform();
        const QRegion systemClip = p.paintEngine()->systemClip();
        drawBlocks(m_surface, factor, QPoint(int(t.dx()), int(t.dy())), *target,
                   systemClip.isEmpty() ? QRegion(target->rect()) : systemClip);
    } else if (m_zoom == 1) {
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
