#include "worldmap/editing/maptool.h"

#include "worldmap/editing/mapeditsession.h"

namespace tessel {

void MapTool::hover(const MapCell& cell, MapEditSession& session)
{
    session.setHoverCell(QRect(cell.visible, QSize(1, 1)));
}

}  // namespace tessel
