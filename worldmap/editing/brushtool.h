#pragma once

#include "worldmap/editing/maptool.h"

#include <QPoint>

#include <vector>

namespace tessel {

// "Brush": paints the current tile into single cells. The first cell a
// stroke changes starts an undo step and the others join it as they are
// painted, also the cells the mouse skipped between two moves. A cell that
// already holds the tile, or lies outside the selection, is left alone.
// With a stamp the session holds, every cell of the stroke gets the whole
// stamp (its top-left there), shown under the cursor before it is painted.
class BrushTool : public MapTool {
public:
    MapToolId id() const override { return MapToolId::Brush; }
    void handle(MapEvent event, const MapCell& cell, MapEditSession& session) override;
    bool outlinesHoverCell() const override { return true; }
    bool paints() const override { return true; }

private:
    // The cells of one event, stored together.
    void paint(const std::vector<QPoint>& cells, MapEditSession& session);

    QPoint last_;
    bool stroking_ = false;
    int step_ = 0;  // of the stroke, once it changed a cell
};

}  // namespace tessel
