#include "worldmap/editing/linetool.h"

#include "worldmap/editing/celllines.h"

namespace tessel {

std::vector<QPoint> LineTool::cells(QPoint anchor, QPoint end) const
{
    return cellsOnLine(anchor, end);
}

}  // namespace tessel
