#include "worldmap/editing/rectangletool.h"

#include "worldmap/editing/celllines.h"
#include "worldmap/editing/mapeditsession.h"

namespace tessel {

std::vector<QPoint> RectangleTool::cells(QPoint anchor, QPoint end) const
{
    return cellsOnBorder(MapEditSession::spanning(anchor, end));
}

}  // namespace tessel
