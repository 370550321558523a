#include "worldmap/editing/pointertool.h"

void PointerTool::handle(MapEvent event, const MapCell& cell, MapEditSession& session)
{
    if (event == MapEvent::Hover)
        hover(cell, session);
}
