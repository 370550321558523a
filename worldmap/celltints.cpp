#include "worldmap/celltints.h"

#include "worldmap/worldmap.h"

namespace tessel {

void CellTints::build(const WorldMap& map, bool showTriggers, std::optional<QPoint> selectedTriggerCell)
{
    width_ = map.width;
    height_ = map.height;
    tints_.assign(std::size_t(width_ * height_), quint8(CellTint::None));
    std::vector<bool> decided(tints_.size(), false);
    for (const MapTrigger& trigger : map.triggers) {
        if (trigger.x >= width_ || trigger.y >= height_)
            continue;
        const std::size_t cell = std::size_t(trigger.y * width_ + trigger.x);
        if (decided[cell])
            continue;  // the first trigger at a cell decides
        decided[cell] = true;
        const bool selected = selectedTriggerCell && *selectedTriggerCell == QPoint(trigger.x, trigger.y);
        if (selected)
            tints_[cell] = quint8(CellTint::SelectedTrigger);
        else if (showTriggers)
            tints_[cell] = quint8(trigger.kind == MapTrigger::Event ? CellTint::EventTrigger : CellTint::EntranceTrigger);
    }
}

}  // namespace tessel
