#pragma once

#include "worldmap/editing/maptool.h"

#include <QPoint>

namespace tessel {

// "Marquee": dragging selects a rectangle and lifts its cells into the
// floating block (the map keeps tile 255 under it). Pressing inside the
// floating block and dragging moves it (one "Move Selection" step with its
// lifting and drop; the cells it leaves keep tile 255, as after Cut);
// pressing elsewhere puts it down where it is, and a click there without a
// drag clears the selection.
class MarqueeTool : public MapTool {
public:
    MapToolId id() const override { return MapToolId::Marquee; }
    void handle(MapEvent event, const MapCell& cell, MapEditSession& session) override;
    bool framesRubberBand() const override { return true; }

private:
    bool pressed_ = false;
    bool dragged_ = false;
    bool moving_ = false;
    QPoint last_;  // the cell the block was last dragged from
};

}  // namespace tessel
