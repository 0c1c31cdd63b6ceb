#include "shell/ButtonIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>
#include <utility>

namespace ButtonIcons {

namespace {

constexpr int Size = 20;

void drawArrow(QPainter &p, bool right)
{
    QPainterPath path;
    // A block arrow across the middle of the icon.
    const QPolygonF shape{{2, 8}, {11, 8}, {11, 3}, {18, 10}, {11, 17}, {11, 12}, {2, 12}};
    path.addPolygon(shape);
    path.closeSubpath();
    if (!right) {
        p.translate(Size, 0);
        p.scale(-1, 1);
    }
    p.setBrush(QColor(40, 120, 40));
    p.drawPath(path);
}

QPixmap draw(Kind kind, bool enabled)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 30), 1));
    switch (kind) {
    case Kind::Index: {
        // A house: the way home to the index page.
        p.setBrush(QColor(200, 60, 40));
        p.drawPolygon(QPolygonF{{2, 10}, {10, 2}, {18, 10}});
        p.setBrush(QColor(250, 240, 210));
        p.drawRect(QRectF(4.5, 10, 11, 8));
        p.setBrush(QColor(120, 80, 40));
        p.drawRect(QRectF(8.5, 13, 3, 5));
        break;
    }
    case Kind::Forward:
        drawArrow(p, true);
        break;
    case Kind::Back:
        drawArrow(p, false);
        break;
    case Kind::Copy:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 2.5, 10, 12));
        p.drawRect(QRectF(7.5, 5.5, 10, 12));
        p.drawLine(QPointF(9.5, 9), QPointF(15.5, 9));
        p.drawLine(QPointF(9.5, 12), QPointF(15.5, 12));
        p.drawLine(QPointF(9.5, 15), QPointF(13.5, 15));
        break;
    case Kind::Font: {
        // A serif capital A drawn as strokes: no font is looked up for it,
        // which keeps a second font family out of start-up.
        QPen pen(QColor(20, 20, 120), 2.2);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(4.5, 17), QPointF(10, 2.5));
        p.drawLine(QPointF(10, 2.5), QPointF(15.5, 17));
        p.drawLine(QPointF(6.5, 11.5), QPointF(13.5, 11.5));
        pen.setWidthF(1.2);
        p.setPen(pen);
        p.drawLine(QPointF(2.5, 17), QPointF(7.5, 17));
        p.drawLine(QPointF(12.5, 17), QPointF(17.5, 17));
        break;
    }
    case Kind::Print:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 2.5, 9, 6));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(2.5, 8.5, 15, 7), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 13.5, 9, 5));
        break;
    case Kind::Play:
        p.setBrush(QColor(40, 140, 40));
        p.drawPolygon(QPolygonF{{5, 3}, {17, 10}, {5, 17}});
        break;
    case Kind::Stop:
        p.setBrush(QColor(190, 40, 30));
        p.drawRect(QRectF(4.5, 4.5, 11, 11));
        break;
    case Kind::Reset: {
        // A circular arrow back to the start.
        QPen pen(QColor(30, 80, 160), 2.2);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 4, 12, 12), 60 * 16, 270 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 80, 160));
        p.drawPolygon(QPolygonF{{12, 1}, {17, 5.5}, {11, 8}});
        break;
    }
    case Kind::Magnifier:
        p.setBrush(QColor(220, 235, 255));
        p.drawEllipse(QRectF(2.5, 2.5, 10, 10));
        p.setPen(QPen(QColor(60, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 12), QPointF(17, 17));
        break;
    case Kind::Restore:
        drawArrow(p, false);
        break;
    case Kind::Add:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 140, 40));
        p.drawRect(QRectF(8, 3, 4, 14));
        p.drawRect(QRectF(3, 8, 14, 4));
        break;
    case Kind::Clear: {
        QPen pen(QColor(190, 40, 30), 3, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.drawLine(QPointF(5, 5), QPointF(15, 15));
        p.drawLine(QPointF(15, 5), QPointF(5, 15));
        break;
    }
    case Kind::Series: {
        // A square wave, the series of waves the button adds.
        QPen pen(QColor(20, 20, 120), 1.8);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{{1, 14}, {5, 14}, {5, 5}, {10, 5}, {10, 14}, {15, 14}, {15, 5}, {19, 5}});
        break;
    }
    case Kind::Record:
        p.setBrush(QColor(200, 30, 30));
        p.drawEllipse(QRectF(4.5, 4.5, 11, 11));
        break;
    }
    p.end();
    if (!enabled) {
        QImage grey = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < grey.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(grey.scanLine(y));
            for (int x = 0; x < grey.width(); ++x) {
                const int g = 128 + qGray(line[x]) / 3;
                line[x] = qRgba(g, g, g, qAlpha(line[x]) / 2);
            }
        }
        return QPixmap::fromImage(grey);
    }
    return pixmap;
}

} // namespace

std::optional<Kind> forButton(QStringView objectName)
{
    // Longest endings first: "UnZoomBtn" before "ZoomBtn".
    static const std::array<std::pair<QStringView, Kind>, 10> endings{{
        {u"UnZoomBtn", Kind::Restore},
        {u"StartBtn", Kind::Play},
        {u"StopBtn", Kind::Stop},
        {u"ResetBtn", Kind::Reset},
        {u"ZoomBtn", Kind::Magnifier},
        {u"AddWaveBtn", Kind::Add},
        {u"ClearBtn", Kind::Clear},
        {u"ClearListBtn", Kind::Clear},
        {u"SquareBtn", Kind::Series},
        {u"RecordBtn", Kind::Record},
    }};
    for (const auto &[ending, kind] : endings) {
        if (objectName.endsWith(ending)) {
            return kind;
        }
    }
    return std::nullopt;
}

QIcon icon(Kind kind)
{
    QIcon result;
    result.addPixmap(draw(kind, true), QIcon::Normal);
    result.addPixmap(draw(kind, false), QIcon::Disabled);
    return result;
}

} // namespace ButtonIcons
