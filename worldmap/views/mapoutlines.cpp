#include "worldmap/views/mapoutlines.h"

#include <QPainter>

namespace tessel {

namespace mapoutlines {

void drawDragFrame(QPainter& painter, const QRect& rect)
{
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(rect.adjusted(1, 1, -2, -2));
    painter.restore();
}

void drawLocatedFrame(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter.setPen(QPen(QColor(248, 248, 120), 2));
    painter.drawRect(QRectF(rect).adjusted(3, 3, -3, -3));
    painter.restore();
}

}  // namespace mapoutlines

}  // namespace tessel
