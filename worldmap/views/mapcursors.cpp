#include "worldmap/views/mapcursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>

namespace tessel {

namespace mapcursors {

namespace {

constexpr int kCursorSize = 32;
constexpr int kIconSize = 24;

// Draws a path with a white rim around black strokes, readable on any map.
void outlined(QPainter& p, const QPainterPath& path, qreal width = 1.5, bool fill = false)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, width + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (fill)
        p.setBrush(Qt::black);
    p.drawPath(path);
}

QPixmap blank(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A crosshair with its centre at (11, 11) and a small picture of the tool
// in the bottom-right corner.
QPixmap crosshairWith(const std::function<void(QPainter&)>& badge)
{
    QPixmap pixmap = blank(kCursorSize);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath cross;
    cross.moveTo(11, 1);
    cross.lineTo(11, 8);
    cross.moveTo(11, 14);
    cross.lineTo(11, 21);
    cross.moveTo(1, 11);
    cross.lineTo(8, 11);
    cross.moveTo(14, 11);
    cross.lineTo(21, 11);
    outlined(p, cross, 1);
    p.translate(18, 18);
    badge(p);
    return pixmap;
}

QPainterPath pipette(qreal scale)
{
    // Tip at the bottom-left, bulb at the top-right.
    QPainterPath path;
    path.moveTo(1, 30);
    path.lineTo(4, 24);
    path.lineTo(18, 10);
    path.lineTo(22, 14);
    path.lineTo(8, 28);
    path.closeSubpath();
    path.addEllipse(QPointF(24, 8), 5, 5);
    QTransform t;
    t.scale(scale, scale);
    return t.map(path);
}

QPainterPath brush(qreal scale)
{
    QPainterPath path;
    path.moveTo(1, 30);  // the bristles' tip
    path.cubicTo(2, 24, 5, 21, 9, 20);
    path.lineTo(12, 23);
    path.cubicTo(11, 27, 7, 30, 1, 30);
    path.moveTo(11, 19);
    path.lineTo(27, 3);
    path.lineTo(29, 5);
    path.lineTo(13, 21);
    path.closeSubpath();
    QTransform t;
    t.scale(scale, scale);
    return t.map(path);
}

QPainterPath bucket(qreal scale)
{
    QPainterPath path;
    path.moveTo(10, 10);
    path.lineTo(22, 22);
    path.lineTo(14, 30);
    path.lineTo(2, 18);
    path.closeSubpath();
    path.moveTo(6, 14);
    path.cubicTo(6, 2, 16, 2, 16, 14);
    path.moveTo(24, 20);  // the drip
    path.cubicTo(30, 24, 30, 30, 27, 30);
    path.cubicTo(24, 30, 24, 24, 24, 20);
    QTransform t;
    t.scale(scale, scale);
    return t.map(path);
}

QPixmap toolPixmap(MapToolId tool, int size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 24.0;
    p.scale(s, s);
    switch (tool) {
    case MapToolId::Pointer: {
        QPainterPath arrow;
        arrow.moveTo(6, 2);
        arrow.lineTo(6, 19);
        arrow.lineTo(10, 15);
        arrow.lineTo(13, 22);
        arrow.lineTo(16, 21);
        arrow.lineTo(13, 14);
        arrow.lineTo(18, 14);
        arrow.closeSubpath();
        outlined(p, arrow, 1.2);
        break;
    }
    case MapToolId::PickupTile: outlined(p, pipette(0.75), 1.2); break;
    case MapToolId::Marquee:
        p.setPen(QPen(Qt::black, 1.5, Qt::DashLine));
        p.drawRect(QRectF(3.5, 5.5, 17, 13));
        break;
    case MapToolId::Brush: outlined(p, brush(0.75), 1.2); break;
    case MapToolId::Line:
        p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 20), QPointF(20, 4));
        break;
    case MapToolId::Rectangle:
        p.setPen(QPen(Qt::black, 2));
        p.drawRect(QRectF(4, 6, 16, 12));
        break;
    case MapToolId::FilledRectangle:
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(QColor(90, 140, 90));
        p.drawRect(QRectF(4, 6, 16, 12));
        break;
    case MapToolId::FloodFill: outlined(p, bucket(0.75), 1.2); break;
    }
    return pixmap;
}

QPixmap arrowPixmap(int dx, int dy)
{
    QPixmap pixmap = blank(kCursorSize);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(15.5, 15.5);
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), 2.5, 2.5);
    auto arrowhead = [&path](qreal angle) {
        QTransform t;
        t.rotate(angle);
        QPolygonF head({QPointF(13, 0), QPointF(7, -5), QPointF(7, 5)});
        path.addPolygon(t.map(head));
        path.closeSubpath();
    };
    if (dx == 0 && dy == 0) {
        for (int k = 0; k < 4; ++k)
            arrowhead(90.0 * k);
    } else {
        arrowhead(std::atan2(double(dy), double(dx)) * 180.0 / M_PI);
    }
    outlined(p, path, 1, true);
    return pixmap;
}

}  // namespace

QCursor toolCursor(MapToolId tool)
{
    // The pictures at full size, pointing with their tips.
    auto drawn = [](const QPainterPath& path, int hotX, int hotY) {
        QPixmap pixmap = blank(kCursorSize);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        outlined(p, path);
        return QCursor(pixmap, hotX, hotY);
    };
    switch (tool) {
    case MapToolId::Pointer: return QCursor(Qt::ArrowCursor);
    case MapToolId::PickupTile: return drawn(pipette(1.0), 1, 30);
    case MapToolId::Brush: return drawn(brush(1.0), 1, 30);
    case MapToolId::FloodFill: return drawn(bucket(1.0), 26, 30);
    default: break;
    }
    // The drawing tools aim with a crosshair.
    const QPixmap badge = toolPixmap(tool, 12);
    return QCursor(crosshairWith([&badge](QPainter& p) { p.drawPixmap(0, 0, badge); }), 11, 11);
}

QIcon toolIcon(MapToolId tool)
{
    return QIcon(toolPixmap(tool, kIconSize));
}

QCursor panningCursor(int dx, int dy)
{
    return QCursor(arrowPixmap(dx, dy), 15, 15);
}

QIcon icon(Picture picture)
{
    QPixmap pixmap = blank(kIconSize);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    switch (picture) {
    case Picture::Cut:
        p.drawEllipse(QPointF(7, 18), 3, 3);
        p.drawEllipse(QPointF(17, 18), 3, 3);
        p.drawLine(QPointF(9, 16), QPointF(17, 3));
        p.drawLine(QPointF(15, 16), QPointF(7, 3));
        break;
    case Picture::Copy:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 3.5, 11, 13));
        p.drawRect(QRectF(9.5, 7.5, 11, 13));
        break;
    case Picture::Paste:
        p.setBrush(QColor(200, 160, 100));
        p.drawRect(QRectF(4.5, 4.5, 15, 17));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8.5, 2.5, 7, 4));
        p.drawRect(QRectF(10.5, 10.5, 11, 12));
        break;
    case Picture::GridLines:
        for (int i = 0; i < 4; ++i) {
            p.drawLine(QPointF(3 + 6 * i, 3), QPointF(3 + 6 * i, 21));
            p.drawLine(QPointF(3, 3 + 6 * i), QPointF(21, 3 + 6 * i));
        }
        break;
    case Picture::Overview:
        p.setBrush(QColor(110, 160, 110));
        p.drawRect(QRectF(2.5, 4.5, 19, 15));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::red, 1.5));
        p.drawRect(QRectF(6.5, 8.5, 7, 5));
        break;
    case Picture::HighlightTile:
        // A grid with two cells lit.
        p.setBrush(QColor(120, 230, 120));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(3, 3, 6, 6));
        p.drawRect(QRectF(15, 15, 6, 6));
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 4; ++i) {
            p.drawLine(QPointF(3 + 6 * i, 3), QPointF(3 + 6 * i, 21));
            p.drawLine(QPointF(3, 3 + 6 * i), QPointF(21, 3 + 6 * i));
        }
        break;
    case Picture::TilePalette:
        // Four tiles, one of them framed red.
        for (int i = 0; i < 4; ++i)
            p.fillRect(QRectF(3 + 10 * (i % 2), 3 + 10 * (i / 2), 8, 8),
                       QColor::fromHsv(60 + 50 * i, 120, 200));
        p.setPen(QPen(Qt::red, 1.5));
        p.drawRect(QRectF(12.5, 12.5, 9, 9));
        break;
    case Picture::Triggers:
        // A list with a check mark.
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(10, 6 + 6 * i), QPointF(21, 6 + 6 * i));
        p.setPen(QPen(QColor(40, 120, 220), 2));
        p.drawLine(QPointF(2, 12), QPointF(5, 16));
        p.drawLine(QPointF(5, 16), QPointF(9, 5));
        break;
    case Picture::TileEditor:
        // A pixel grid and a pencil.
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(2.5, 2.5, 14, 14));
        p.fillRect(QRectF(6, 6, 4, 4), QColor(60, 140, 60));
        p.fillRect(QRectF(10, 10, 4, 4), QColor(60, 140, 60));
        p.setPen(QPen(QColor(200, 120, 40), 3));
        p.drawLine(QPointF(12, 20), QPointF(21, 11));
        break;
    }
    return QIcon(pixmap);
}

}  // namespace mapcursors

}  // namespace tessel
