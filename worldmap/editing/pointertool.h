#pragma once

#include "worldmap/editing/maptool.h"

// "Pointer": outlines the cell under the cursor. While it is active the
// view tints the cells that hold triggers; picking a trigger by clicking
// comes with the triggers list it selects in.
class PointerTool : public MapTool {
public:
    MapToolId id() const override { return MapToolId::Pointer; }
    void handle(MapEvent event, const MapCell& cell, MapEditSession& session) override;
    bool outlinesHoverCell() const override { return true; }
};
