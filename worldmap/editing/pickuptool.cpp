#include "worldmap/editing/pickuptool.h"

#include "worldmap/editing/mapeditsession.h"

namespace tessel {

void PickupTool::handle(MapEvent event, const MapCell& cell, MapEditSession& session)
{
    switch (event) {
    case MapEvent::Press:
    case MapEvent::Drag:
        // The tile the user sees, also over a floating block.
        session.setCurrentTile(session.shownTileAt(cell.map));
        break;
    case MapEvent::Hover: hover(cell, session); break;
    default: break;
    }
}

}  // namespace tessel
