#pragma once

#include "worldmap/editing/shapetool.h"

namespace tessel {

// "Rectangle": draws the border of the dragged rectangle.
class RectangleTool : public ShapeTool {
public:
    MapToolId id() const override { return MapToolId::Rectangle; }

protected:
    MapEditKind kind() const override { return MapEditKind::Rectangle; }
    std::vector<QPoint> cells(QPoint anchor, QPoint end) const override;
};

}  // namespace tessel
