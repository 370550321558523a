#pragma once

#include "worldmap/editing/shapetool.h"

namespace tessel {

// "Line": draws a straight line of cells from the anchor to the cell
// where the button is released.
class LineTool : public ShapeTool {
public:
    MapToolId id() const override { return MapToolId::Line; }

protected:
    MapEditKind kind() const override { return MapEditKind::Line; }
    std::vector<QPoint> cells(QPoint anchor, QPoint end) const override;
};

}  // namespace tessel
