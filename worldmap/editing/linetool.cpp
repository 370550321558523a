#include "worldmap/editing/linetool.h"

#include "worldmap/editing/celllines.h"

std::vector<QPoint> LineTool::cells(QPoint anchor, QPoint end) const
{
    return cellsOnLine(anchor, end);
}
