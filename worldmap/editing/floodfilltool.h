#pragma once

#include "worldmap/editing/maptool.h"

namespace tessel {

// "Flood Fill": gives the current tile to the clicked cell and every cell
// joined to it side by side that holds the same tile, within the selection
// when there is one, as one undo step.
class FloodFillTool : public MapTool {
public:
    MapToolId id() const override { return MapToolId::FloodFill; }
    void handle(MapEvent event, const MapCell& cell, MapEditSession& session) override;
    bool outlinesHoverCell() const override { return true; }
    bool paints() const override { return true; }
};

}  // namespace tessel
