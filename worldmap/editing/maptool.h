#pragma once

#include "worldmap/editing/maptoolids.h"

namespace tessel {

class MapEditSession;

// One tool of the map editor: turns the view's events into changes of the
// session (and through it of the map).
class MapTool {
public:
    virtual ~MapTool() = default;
    virtual MapToolId id() const = 0;
    virtual void handle(MapEvent event, const MapCell& cell, MapEditSession& session) = 0;
    // Whether the view outlines the cell under the cursor for this tool.
    virtual bool outlinesHoverCell() const { return false; }
    // Whether the view frames the rubber band while it is dragged.
    virtual bool framesRubberBand() const { return false; }
    // Whether the tool changes the map: such tools put a floating block back first.
    virtual bool paints() const { return false; }

protected:
    // Outlines the visible cell under the cursor (code 7 of the hover tools).
    static void hover(const MapCell& cell, MapEditSession& session);
};

}  // namespace tessel
