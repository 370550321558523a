#include "tests/support/recordingcellsink.h"

#include "worldmap/worldmap.h"

#include <algorithm>
#include <map>

namespace tessel {

namespace {

bool rowOrder(const RecordingCellSink::Change& a, const RecordingCellSink::Change& b)
{
    return a.cell.y() != b.cell.y() ? a.cell.y() < b.cell.y() : a.cell.x() < b.cell.x();
}

}  // namespace

std::optional<RecordingCellSink::Change> RecordingCellSink::Step::at(QPoint cell) const
{
    for (const Change& change : changes)
        if (change.cell == cell)
            return change;
    return std::nullopt;
}

void RecordingCellSink::store(const std::vector<MapCellWrite>& writes, MapEditKind kind, bool startsStep)
{
    ++stores_;
    if (startsStep || !newestIsOpen_)
        steps_.push_back({});
    newestIsOpen_ = true;
    Step& step = steps_.back();
    step.name = mapEditName(kind);

    // The last tile written to each cell, row by row.
    std::map<std::pair<int, int>, int> written;
    for (const MapCellWrite& write : writes) {
        const QPoint cell = write.cell;
        if (cell.x() >= 0 && cell.y() >= 0 && cell.x() < map_.width && cell.y() < map_.height)
            written[{cell.y(), cell.x()}] = write.tile;
    }
    std::vector<Change> merged;
    auto known = step.changes.begin();
    for (const auto& [key, tile] : written) {
        const QPoint cell(key.second, key.first);
        while (known != step.changes.end() && rowOrder(*known, Change{cell}))
            merged.push_back(*known++);
        if (known != step.changes.end() && known->cell == cell)
            merged.push_back({cell, (known++)->before, tile});
        else
            merged.push_back({cell, map_.tileAt(cell.x(), cell.y()), tile});
        map_.setTile(cell.x(), cell.y(), tile);
    }
    merged.insert(merged.end(), known, step.changes.end());
    std::erase_if(merged, [](const Change& c) { return c.before == c.after; });
    step.changes = std::move(merged);
    if (step.changes.empty()) {
        steps_.pop_back();
        newestIsOpen_ = false;
    }
}

void RecordingCellSink::undoNewest()
{
    if (steps_.empty())
        return;
    for (const Change& change : steps_.back().changes)
        map_.setTile(change.cell.x(), change.cell.y(), change.before);
    steps_.pop_back();
    newestIsOpen_ = false;
}

}  // namespace tessel
