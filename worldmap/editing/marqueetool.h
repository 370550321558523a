#pragma once

#include "worldmap/editing/maptool.h"

namespace tessel {

// "Marquee": dragging selects a rectangle and lifts its cells into the
// floating block (the map keeps tile 255 under it); pressing again puts a
// floating block back where it was lifted, and a click without a drag
// clears the selection.
class MarqueeTool : public MapTool {
public:
    MapToolId id() const override { return MapToolId::Marquee; }
    void handle(MapEvent event, const MapCell& cell, MapEditSession& session) override;
    bool framesRubberBand() const override { return true; }

private:
    bool pressed_ = false;
    bool dragged_ = false;
};

}  // namespace tessel
