#pragma once

#include "worldmap/editing/maptool.h"

namespace tessel {

// "Pickup Tile": makes the tile under the cursor the current tile.
class PickupTool : public MapTool {
public:
    MapToolId id() const override { return MapToolId::PickupTile; }
    void handle(MapEvent event, const MapCell& cell, MapEditSession& session) override;
    bool outlinesHoverCell() const override { return true; }
};

}  // namespace tessel
