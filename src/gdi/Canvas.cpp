#include "gdi/Canvas.h"

#include "gdi/Palette.h"

#include "gdi/GdiMath.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QSet>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace Gdi {

namespace {

// Cell height (ascent + descent) of a family per pixel of em height. Arial and
// its metric twin Liberation Sans have 1.117: a "cell height 12" font is an
// 11-pixel em.
double cellPerEm(const QString &family)
{
    static QHash<QString, double> cache;
    auto it = cache.constFind(family);
    if (it != cache.constEnd()) {
        return *it;
    }
    QFont probe(family);
    probe.setPixelSize(1000);
    const QFontMetricsF metrics(probe);
    const double ratio = (metrics.ascent() + metrics.descent()) / 1000.0;
    const double value = ratio > 0.5 ? ratio : 1.0;
    cache.insert(family, value);
    return value;
}

// The last pixel a GDI line from `from` to `to` paints: one step short of `to`
// along the major axis, the minor axis rounded on the exact line.
QPoint lastPixelBefore(QPoint from, QPoint to)
{
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const int steps = std::max(std::abs(dx), std::abs(dy));
    const double t = double(steps - 1) / steps;
    return {from.x() + roundHalfEven(dx * t), from.y() + roundHalfEven(dy * t)};
}

// The pixels a segment from (0, 0) to `d` paints with `pen`, found once by
// drawing it. A segment between whole pixels paints the same pixels wherever
// it lies (drawing moved by whole pixels moves every pixel with it; a
// one-pixel line only while both its ends are on the picture, as the edges
// clip it to a different line), and a wave drawn as a polyline has a few
// dozen different segments among its hundreds.
const std::vector<QPoint> &segmentPixels(const QPen &pen, QPoint d)
{
    const int pad = int(std::ceil(pen.widthF())) + 1;
    const quint64 key = quint64(d.x() + 512) | quint64(d.y() + 512) << 11 | quint64(pad) << 22
                        | quint64(pen.capStyle()) << 32;
    thread_local QHash<quint64, std::vector<QPoint>> segments;
    auto found = segments.constFind(key);
    if (found == segments.constEnd()) {
        if (segments.size() >= 4096) {
            segments.clear();
        }
        QImage image(std::abs(d.x()) + 2 * pad + 1, std::abs(d.y()) + 2 * pad + 1, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        const QPoint origin(pad + std::max(0, -d.x()), pad + std::max(0, -d.y()));
        QPainter stroke(&image);
        stroke.setPen(pen);
        if (d.isNull()) {
            stroke.drawPoint(origin);
        } else {
            stroke.drawLine(origin, origin + d);
        }
        stroke.end();
        std::vector<QPoint> pixels;
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(line[x]) != 0) {
                    pixels.emplace_back(QPoint(x, y) - origin);
                }
            }
        }
        found = segments.emplace(key, std::move(pixels));
    }
    return *found;
}

} // namespace

Canvas::Canvas(QPaintDevice *device)
    : m_device(device)
{ }

Canvas::Canvas(QPainter *painter)
    : m_device(painter->device())
    , m_external(painter)
{ }

Canvas::~Canvas()
{
    end();
}

int Canvas::pixelsPerInch() const
{
    return m_device->logicalDpiY();
}

void Canvas::setFontSize(int points)
{
    font.height = -mulDiv(points, pixelsPerInch(), 72);
}

QFont Canvas::qFont() const
{
    QFont f(font.name);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    if (font.height < 0) {
        f.setPixelSize(-font.height);
        return f;
    }
    // A positive height is the character cell, ascent plus descent. The
    // substitute fonts' metrics round differently from the original's, so the
    // size from the family's proportions is stepped down until the cell is no
    // taller than asked, and a label never outgrows the room made for it.
    int em = std::max(1, roundHalfEven(font.height / cellPerEm(font.name)));
    f.setPixelSize(em);
    while (em > 1 && QFontMetrics(f).height() > font.height) {
        f.setPixelSize(--em);
    }
    return f;
}

QPainter &Canvas::painter()
{
    if (m_external) {
        return *m_external;
    }
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(m_device);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return *m_painter;
}

void Canvas::end()
{
    m_painter.reset();
}

void Canvas::changed()
{
    if (m_changed) {
        m_changed();
    }
}

void Canvas::applyPen(bool forLine)
{
    QPainter &p = painter();
    if (pen.style == PenStyle::Clear) {
        p.setPen(Qt::NoPen);
    } else {
        QPen qpen(Palette::shown(pen.color), pen.width <= 1 ? 1 : pen.width);
        if (pen.width > 1) {
            qpen.setCapStyle(Qt::RoundCap);
            qpen.setJoinStyle(Qt::RoundJoin);
        } else {
            // A one-pixel line is drawn to its last pixel inclusive; segment()
            // has already stopped it one pixel short where GDI does.
            qpen.setCapStyle(forLine ? Qt::SquareCap : Qt::FlatCap);
            qpen.setJoinStyle(Qt::MiterJoin);
        }
        if (pen.style == PenStyle::Dot) {
            qpen.setCapStyle(Qt::FlatCap);
            qpen.setDashPattern({3, 3});
        }
        p.setPen(qpen);
    }
    p.setCompositionMode(pen.mode == PenMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                  : QPainter::CompositionMode_SourceOver);
}

void Canvas::applyBrush()
{
    painter().setBrush(brush.style == BrushStyle::Clear ? QBrush(Qt::NoBrush) : QBrush(Palette::shown(brush.color)));
}

void Canvas::segment(QPoint from, QPoint to)
{
    if (from == to || pen.style == PenStyle::Clear) {
        return;
    }
    QPainter &p = painter();
    // On the program's own pictures a solid copying pen's segments are set
    // from their pixels found once (see segmentPixels).
    QImage *own = pen.style == PenStyle::Solid && pen.mode == PenMode::Copy ? ownImage() : nullptr;
    const auto short_ = [](QPoint d) { return std::abs(d.x()) <= 500 && std::abs(d.y()) <= 500; };
    if (pen.width > 1) {
        if (own && short_(to - from)) {
            setPixels(segmentPixels(p.pen(), to - from), from);
        } else {
            p.drawLine(from, to);
        }
    } else if (pen.style == PenStyle::Dot) {
        // A flat-capped dashed line stops short at its far end, close to GDI.
        p.drawLine(from, to);
    } else {
        const QPoint last = lastPixelBefore(from, to);
        if (own && short_(last - from) && own->rect().contains(from) && own->rect().contains(last)) {
            setPixels(segmentPixels(p.pen(), last - from), from);
        } else if (last == from) {
            p.drawPoint(from);
        } else {
            p.drawLine(from, last);
        }
    }
}

void Canvas::moveTo(int x, int y)
{
    m_penPos = {x, y};
}

void Canvas::lineTo(int x, int y)
{
    applyPen(true);
    segment(m_penPos, {x, y});
    m_penPos = {x, y};
    changed();
}

void Canvas::polyline(std::span<const QPoint> points)
{
    if (points.size() < 2) {
        return;
    }
    applyPen(true);
    // Each segment leaves out its end point, which the next one starts with, so
    // every vertex is painted once and an XOR polyline erases cleanly.
    for (std::size_t i = 1; i < points.size(); ++i) {
        segment(points[i - 1], points[i]);
    }
    changed();
}

void Canvas::polygon(std::span<const QPoint> points)
{
    if (points.size() < 2) {
        return;
    }
    applyPen(false);
    applyBrush();
    QPainter &p = painter();
    p.drawPolygon(points.data(), int(points.size()), Qt::OddEvenFill);
    // Qt's one-pixel outline can leave out the pixel of a sharp vertex, which
    // GDI always paints. (An XOR outline keeps Qt's pixels, as painting a
    // vertex twice would take it away again.)
    if (pen.style == PenStyle::Solid && pen.width <= 1 && pen.mode == PenMode::Copy && !setPixels(points)) {
        p.drawPoints(points.data(), int(points.size())); // one call: a wave has hundreds of vertices
    }
    changed();
}

void Canvas::rectangle(int left, int top, int right, int bottom)
{
    if (right - left < 1 || bottom - top < 1) {
        return;
    }
    applyPen(false);
    applyBrush();
    // QPainter's outline covers w+1 by h+1 pixels; with no pen its fill covers
    // w by h. Both give GDI's rule with w = right-left-1, h = bottom-top-1.
    painter().drawRect(left, top, right - left - 1, bottom - top - 1);
    changed();
}

void Canvas::roundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    if (right - left < 1 || bottom - top < 1) {
        return;
    }
    applyPen(false);
    applyBrush();
    painter().drawRoundedRect(QRectF(left, top, right - left - 1, bottom - top - 1), ellipseWidth / 2.0,
                              ellipseHeight / 2.0, Qt::AbsoluteSize);
    changed();
}

void Canvas::ellipse(int left, int top, int right, int bottom)
{
    if (right - left < 1 || bottom - top < 1) {
        return;
    }
    applyPen(false);
    applyBrush();
    painter().drawEllipse(left, top, right - left - 1, bottom - top - 1);
    changed();
}

void Canvas::arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4)
{
    if (right - left < 2 || bottom - top < 2) {
        return;
    }
    // An arc is the part of the ellipse in the same box that runs
    // anticlockwise from the radial through (x3, y3) to the radial through
    // (x4, y4). Its pixels are exactly those of the ellipse's outline: the
    // ellipse is drawn clipped to the wedge between the two radials.
    const double cx = (left + right - 1) / 2.0;
    const double cy = (top + bottom - 1) / 2.0;
    const double rx = (right - left) / 2.0;
    const double ry = (bottom - top) / 2.0;
    // Parametric angle of a point seen from the centre, in degrees; screen y
    // grows downward, angles grow anticlockwise.
    const auto angleOf = [&](int x, int y) {
        return std::atan2(-(y - cy) / ry, (x - cx) / rx) * 180.0 / std::numbers::pi;
    };
    const double start = angleOf(x3, y3);
    double span = angleOf(x4, y4) - start;
    while (span <= 0) {
        span += 360.0;
    }
    QPainter &p = painter();
    applyPen(false);
    p.setBrush(Qt::NoBrush);
    const QSize device(m_device->width(), m_device->height());
    const auto wedge = [&] {
        // The wedge reaches beyond the ellipse, its rim in steps of at most
        // 30 degrees (a chord stays within 4% of the rim) so that it holds the
        // whole sector; for an ellipse far larger than the surface it reaches
        // just past the surface's farthest corner, which keeps the clip cheap.
        const double farthest = std::max({std::hypot(cx, cy), std::hypot(device.width() - cx, cy),
                                          std::hypot(cx, device.height() - cy),
                                          std::hypot(device.width() - cx, device.height() - cy)});
        const double reach = std::min(3.0, (farthest + 2) / (0.95 * std::min(rx, ry)));
        QPolygonF corners{QPointF(cx, cy)};
        const int steps = std::max(1, int(std::ceil(span / 30.0)));
        for (int k = 0; k <= steps; ++k) {
            const double a = (start + span * k / steps) * std::numbers::pi / 180.0;
            corners << QPointF(cx + reach * rx * std::cos(a), cy - reach * ry * std::sin(a));
        }
        return QRegion(corners.toPolygon());
    };
    const auto drawClipped = [&](QPainter &on) {
        on.save();
        if (span < 360.0) {
            on.setClipRegion(wedge());
        }
        on.drawEllipse(left, top, right - left - 1, bottom - top - 1);
        on.restore();
    };
    // The same arcs come back frame after frame of an animation (the ripple
    // tank's wave fronts, a whole wavelength of frames apart), so on the
    // program's own pictures an arc seen a second time on a surface of this
    // size has its pixels found, by drawing it in white on black, and from
    // then on set directly. An arc seen once is drawn as it comes: a setting
    // changed by hand draws each arc only once. A few thousand are kept, the
    // lot dropped when full. (An XOR arc is always drawn as it comes: it
    // inverts the pixels it paints an odd number of times, which a set of
    // pixels does not record.)
    if (!ownImage() || pen.mode != PenMode::Copy || pen.style == PenStyle::Clear) {
        drawClipped(p);
        changed();
        return;
    }
    const std::array<int, 13> key{left,
                                  top,
                                  right,
                                  bottom,
                                  x3,
                                  y3,
                                  x4,
                                  y4,
                                  device.width(),
                                  device.height(),
                                  pen.width,
                                  int(pen.style),
                                  int(p.pen().capStyle())};
    constexpr qsizetype kept = 4096;
    thread_local QHash<QByteArray, std::vector<QPoint>> arcs;
    thread_local QSet<QByteArray> seenOnce;
    const QByteArray id(reinterpret_cast<const char *>(key.data()), qsizetype(sizeof key));
    auto pixels = arcs.constFind(id);
    if (pixels == arcs.constEnd()) {
        if (seenOnce.size() >= kept) {
            seenOnce.clear();
        }
        if (!seenOnce.contains(id)) {
            seenOnce.insert(id);
            drawClipped(p);
            changed();
            return;
        }
        seenOnce.remove(id);
        if (arcs.size() >= kept) {
            arcs.clear();
        }
        // One black mask per thread, of the surface's size; only the arc's
        // box is painted, so only the box is cleared again after the scan.
        thread_local QImage mask;
        if (mask.size() != device) {
            mask = QImage(device, QImage::Format_RGB32);
            mask.fill(Qt::black);
        }
        QPainter white(&mask);
        QPen outline = p.pen();
        outline.setColor(Qt::white);
        white.setPen(outline);
        white.setBrush(Qt::NoBrush);
        drawClipped(white);
        white.end();
        std::vector<QPoint> found;
        const QRect box
            = QRect(left, top, right - left, bottom - top).adjusted(-pen.width, -pen.width, pen.width, pen.width)
              & mask.rect();
        for (int y = box.top(); y <= box.bottom(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(mask.scanLine(y));
            for (int x = box.left(); x <= box.right(); ++x) {
                if (qRed(line[x]) != 0) {
                    found.emplace_back(x, y);
                    line[x] = qRgb(0, 0, 0);
                }
            }
        }
        pixels = arcs.emplace(id, std::move(found));
    }
    setPixels(*pixels);
    changed();
}

QImage *Canvas::ownImage() const
{
    if (m_external || m_device->devType() != QInternal::Image) {
        return nullptr;
    }
    auto *image = static_cast<QImage *>(m_device);
    return image->format() == QImage::Format_RGB32 ? image : nullptr;
}

bool Canvas::setPixels(std::span<const QPoint> pixels, QPoint offset)
{
    QImage *image = ownImage();
    if (!image) {
        return false;
    }
    painter(); // painting begun: the picture's pixels are its own
    const QRgb colour = Palette::shown(pen.color).rgb();
    const QRect bounds = image->rect();
    // One detach for the lot: scanLine() checks the image's sharing on every call.
    uchar *bits = image->bits();
    const qsizetype stride = image->bytesPerLine();
    for (const QPoint &pixel : pixels) {
        const QPoint at = pixel + offset;
        if (bounds.contains(at)) {
            reinterpret_cast<QRgb *>(bits + at.y() * stride)[at.x()] = colour;
        }
    }
    return true;
}

void Canvas::fillRect(const Rect &r)
{
    if (r.width() <= 0 || r.height() <= 0) {
        return;
    }
    QPainter &p = painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillRect(r.toQRect(), Palette::shown(brush.color));
    changed();
}

void Canvas::textOut(int x, int y, const QString &text)
{
    QPainter &p = painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QFont f = qFont();
    p.setFont(f);
    const QFontMetrics metrics(f, m_device);
    p.save();
    p.translate(x, y);
    if (font.escapement != 0) {
        p.rotate(-font.escapement / 10.0);
    }
    if (brush.style == BrushStyle::Solid) {
        p.fillRect(QRect(0, 0, metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent()),
                   Palette::shown(brush.color));
    }
    p.setPen(Palette::shown(font.color));
    p.drawText(0, metrics.ascent(), text);
    p.restore();
    changed();
}

int Canvas::textWidth(const QString &text)
{
    return QFontMetrics(qFont(), m_device).horizontalAdvance(text);
}

int Canvas::textHeight(const QString &)
{
    const QFontMetrics metrics(qFont(), m_device);
    return metrics.ascent() + metrics.descent();
}

void Canvas::draw(int x, int y, const QImage &image)
{
    QPainter &p = painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(x, y, image);
    changed();
}

void Canvas::drawEdgeSunken(const Rect &r)
{
    if (r.width() < 2 || r.height() < 2) {
        return;
    }
    QPainter &p = painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const auto hline = [&p](int x0, int x1, int y, const QColor &c) { p.fillRect(QRect(x0, y, x1 - x0 + 1, 1), c); };
    const auto vline = [&p](int x, int y0, int y1, const QColor &c) { p.fillRect(QRect(x, y0, 1, y1 - y0 + 1), c); };
    const int l = r.left;
    const int t = r.top;
    const int rr = r.right - 1;
    const int b = r.bottom - 1;
    // Outer ring: shadow on top and left, highlight on bottom and right.
    hline(l, rr - 1, t, EdgeColors::outerShadow);
    vline(l, t, b - 1, EdgeColors::outerShadow);
    hline(l, rr, b, EdgeColors::outerHighlight);
    vline(rr, t, b, EdgeColors::outerHighlight);
    // Inner ring, one pixel in: dark shadow top and left, light bottom and right.
    hline(l + 1, rr - 2, t + 1, EdgeColors::innerDarkShadow);
    vline(l + 1, t + 1, b - 2, EdgeColors::innerDarkShadow);
    hline(l + 1, rr - 1, b - 1, EdgeColors::innerLight);
    vline(rr - 1, t + 1, b - 1, EdgeColors::innerLight);
    changed();
}

namespace {

// An animation makes a bitmap of the same size for every frame; a few
// finished ones are kept for the next, which saves the allocator handing
// fresh pages to the process (and the processor clearing them) every frame.
std::vector<QImage> &spareImages()
{
    thread_local std::vector<QImage> spare;
    return spare;
}

} // namespace

Bitmap::Bitmap(int width, int height)
{
    const QSize size(std::max(1, width), std::max(1, height));
    std::vector<QImage> &spare = spareImages();
    const auto same = std::find_if(spare.begin(), spare.end(), [size](const QImage &i) { return i.size() == size; });
    if (same != spare.end()) {
        m_image = std::make_unique<QImage>(std::move(*same));
        spare.erase(same);
    } else {
        m_image = std::make_unique<QImage>(size, QImage::Format_RGB32);
    }
    m_image->fill(Qt::white);
    m_canvas = std::make_unique<Canvas>(m_image.get());
}

Bitmap::~Bitmap()
{
    m_canvas.reset();
    // An image still shared with a copy would be copied on its next change
    // anyway; only one held here alone is worth keeping.
    std::vector<QImage> &spare = spareImages();
    if (m_image->isDetached() && spare.size() < 4) {
        spare.push_back(std::move(*m_image));
    }
}

const QImage &Bitmap::image()
{
    m_canvas->end();
    return *m_image;
}

int Bitmap::width() const
{
    return m_image->width();
}

int Bitmap::height() const
{
    return m_image->height();
}

} // namespace Gdi
