#pragma once

#include <QColor>
#include <QFont>
#include <QMetaType>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>
#include <span>

class QImage;
class QPaintDevice;
class QPainter;

namespace Gdi {

// A rectangle in the Windows sense: right and bottom are one past the last
// pixel, so Rect{0, 0, 10, 5} is 10 by 5 pixels.
struct Rect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(QPoint p) const { return p.x() >= left && p.x() < right && p.y() >= top && p.y() < bottom; }
    Rect inflated(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    Rect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    QRect toQRect() const { return {left, top, width(), height()}; }
    friend bool operator==(const Rect &, const Rect &) = default;
};

enum class PenStyle { Solid, Dot, Clear };
enum class PenMode { Copy, Xor };
enum class BrushStyle { Solid, Clear };

struct Pen
{
    QColor color = Qt::black;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
};

struct Brush
{
    QColor color = Qt::white;
    BrushStyle style = BrushStyle::Solid;
};

// A font as the pictures describe it. `height` follows the Windows sign rule:
// negative is the character (em) height in pixels, positive the cell height
// (ascent plus descent), so "cell height 12" is height 12 and "character
// height 11" is height -11.
struct Font
{
    QString name = QStringLiteral("Arial");
    int height = -11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color = Qt::black;
    // Tenths of a degree, anticlockwise: 900 writes upwards, for a rotated axis title.
    int escapement = 0;
};

// The GDI-like drawing surface every picture is drawn through. It reproduces the
// pixel rules the pictures were designed with: Rectangle and Ellipse leave out
// the right and bottom edges, LineTo leaves out its last pixel, FillRect covers
// exactly its rectangle, and XOR drawn twice restores the picture. Shapes are
// drawn without antialiasing; text is smoothed.
//
// The painter is opened on first use and kept until end() or destruction, so
// pen, brush and font persist between calls as on a window's canvas.
class Canvas
{
public:
    explicit Canvas(QPaintDevice *device);
    // A canvas over a painter that is already open (a printer's); the painter
    // stays open when the canvas ends.
    explicit Canvas(QPainter *painter);
    ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    Pen pen;
    Brush brush;
    Font font;

    // Called after every drawing operation (a paint box schedules its update).
    void setChangeCallback(std::function<void()> callback) { m_changed = std::move(callback); }

    // Logical pixels per inch of the device, for point sizes.
    int pixelsPerInch() const;
    // Font size in points, converted with the device's resolution as an
    // 8-point window font is: height = -MulDiv(points, ppi, 72).
    void setFontSize(int points);

    void moveTo(int x, int y);
    void lineTo(int x, int y);
    QPoint penPos() const { return m_penPos; }

    void polyline(std::span<const QPoint> points);
    void polygon(std::span<const QPoint> points);
    void rectangle(int left, int top, int right, int bottom);
    void rectangle(const Rect &r) { rectangle(r.left, r.top, r.right, r.bottom); }
    void roundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    void ellipse(int left, int top, int right, int bottom);
    // Elliptic arc anticlockwise from the radial through (x3, y3) to the radial
    // through (x4, y4), in the ellipse bounded by the rectangle.
    void arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4);
    // Fills exactly the rectangle with the brush colour, whatever the brush style.
    void fillRect(const Rect &r);
    void fillRect(int left, int top, int right, int bottom) { fillRect(Rect{left, top, right, bottom}); }

    // Text with the top left of its cell at (x, y); the brush fills the cell
    // behind it unless the brush is clear ("transparent text").
    void textOut(int x, int y, const QString &text);
    int textWidth(const QString &text);
    int textHeight(const QString &text);

    // Copies a picture with its top left at (x, y).
    void draw(int x, int y, const QImage &image);

    // The sunken double edge around a rectangle, in fixed colours.
    void drawEdgeSunken(const Rect &r);

    // Ends painting so the device can be read or shown; the next call reopens it.
    void end();

    QPaintDevice *device() const { return m_device; }
    QFont qFont() const;

private:
    QPainter &painter();
    void applyPen(bool forLine);
    void applyBrush();
    void segment(QPoint from, QPoint to);
    void changed();
    // The picture this canvas paints where it is one of the program's own
    // (no printer's painter), whose pixels may be set directly.
    QImage *ownImage() const;
    // Sets pixels (moved by `offset`) to the pen's colour straight in that
    // picture, as a copying pen paints them; returns false (and sets
    // nothing) where there is none.
    bool setPixels(std::span<const QPoint> pixels, QPoint offset = {});

    QPaintDevice *m_device;
    std::unique_ptr<QPainter> m_painter;
    QPainter *m_external = nullptr;
    QPoint m_penPos;
    std::function<void()> m_changed;
};

// Colours of the sunken edge (the classic Windows scheme): outer top/left
// shadow, outer bottom/right highlight, inner top/left dark shadow, inner
// bottom/right light.
namespace EdgeColors {
inline const QColor outerShadow{128, 128, 128};
inline const QColor outerHighlight{255, 255, 255};
inline const QColor innerDarkShadow{64, 64, 64};
inline const QColor innerLight{212, 208, 200};
} // namespace EdgeColors

// The face colour of buttons, the background of the pages and charts.
inline const QColor ButtonFace{212, 208, 200};

// A picture of its own size, white at creation, with its canvas: what every
// picture is drawn into before it is copied to its paint box in one step.
class Bitmap
{
public:
    Bitmap(int width, int height);
    ~Bitmap();

    Canvas &canvas() { return *m_canvas; }
    // The finished picture (ends painting first).
    const QImage &image();
    int width() const;
    int height() const;

private:
    std::unique_ptr<QImage> m_image;
    std::unique_ptr<Canvas> m_canvas;
};

} // namespace Gdi

Q_DECLARE_METATYPE(Gdi::Rect)
