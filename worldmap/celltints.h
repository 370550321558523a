#pragma once

#include "worldmap/celltint.h"

#include <QPoint>

#include <optional>
#include <vector>

namespace tessel {

struct WorldMap;

// The tint of every cell of a map for one paint. The first trigger at a
// cell decides its kind. The selected trigger's cell is tinted whenever a
// trigger lies on it; the other trigger cells only while the Pointer tool
// is active.
class CellTints {
public:
    void build(const WorldMap& map, bool showTriggers, std::optional<QPoint> selectedTriggerCell);

    CellTint at(int column, int row) const
    {
        if (column < 0 || row < 0 || column >= width_ || row >= height_)
            return CellTint::None;
        return CellTint(tints_[std::size_t(row * width_ + column)]);
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<quint8> tints_;
};

}  // namespace tessel
