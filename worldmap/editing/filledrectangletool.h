#pragma once

#include "worldmap/editing/shapetool.h"

namespace tessel {

// "Filled Rectangle": fills the dragged rectangle, row by row, left to
// right. The selection does not limit it.
class FilledRectangleTool : public ShapeTool {
public:
    MapToolId id() const override { return MapToolId::FilledRectangle; }
    bool framesRubberBand() const override { return true; }

protected:
    MapEditKind kind() const override { return MapEditKind::FilledRectangle; }
    std::vector<QPoint> cells(QPoint anchor, QPoint end) const override;
    bool previewsTiles() const override { return false; }
};

}  // namespace tessel
