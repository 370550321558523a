#pragma once

#include "worldmap/editing/maptool.h"

namespace tessel {

// "Pointer": outlines the cell under the cursor and reports the cell a
// press or drag points at, where the view's triggers list picks the first
// trigger. While it is active the view tints the cells that hold triggers.
class PointerTool : public MapTool {
public:
    MapToolId id() const override { return MapToolId::Pointer; }
    void handle(MapEvent event, const MapCell& cell, MapEditSession& session) override;
    bool outlinesHoverCell() const override { return true; }
};

}  // namespace tessel
