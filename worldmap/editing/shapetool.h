#pragma once

#include "worldmap/editing/maptool.h"
#include "worldmap/editing/mapeditkind.h"

#include <QPoint>

#include <vector>

namespace tessel {

// A tool that draws a shape dragged from an anchor cell: pressing sets the
// anchor, dragging stretches the rubber band over both cells, releasing
// stores the current tile in every cell of the shape as one undo step
// (a shape that changes no cell leaves none). The right button cancels
// the drag.
class ShapeTool : public MapTool {
public:
    void handle(MapEvent event, const MapCell& cell, MapEditSession& session) override;
    bool paints() const override { return true; }

protected:
    virtual MapEditKind kind() const = 0;
    // The cells of the shape from anchor to end, in the order they are stored.
    virtual std::vector<QPoint> cells(QPoint anchor, QPoint end) const = 0;
    // Whether the cells are previewed with the current tile while dragging.
    virtual bool previewsTiles() const { return true; }

private:
    void stretch(QPoint end, MapEditSession& session);
    void finish(MapEditSession& session);

    QPoint end_;
    bool dragging_ = false;
};

}  // namespace tessel
