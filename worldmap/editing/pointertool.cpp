#include "worldmap/editing/pointertool.h"

#include "worldmap/editing/mapeditsession.h"

namespace tessel {

void PointerTool::handle(MapEvent event, const MapCell& cell, MapEditSession& session)
{
    switch (event) {
    case MapEvent::Press:
    case MapEvent::Drag: session.notePointed(cell.map); break;
    case MapEvent::Hover: hover(cell, session); break;
    default: break;
    }
}

}  // namespace tessel
