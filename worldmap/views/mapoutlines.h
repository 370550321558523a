#pragma once

#include <QRect>

class QPainter;

namespace tessel {

// The frames a map view draws over its cells, seen on any tiles.
namespace mapoutlines {

// Two pixels, dark outside and light inside: the cell under the cursor,
// a rubber band, a paste about to land.
void drawDragFrame(QPainter& painter, const QRect& rect);
// Four pixels, black outside and yellow inside: a cell shown on request
// ("Go to Destination").
void drawLocatedFrame(QPainter& painter, const QRect& rect);

}  // namespace mapoutlines

}  // namespace tessel
