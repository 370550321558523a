#include "document/setmapcellscommand.h"

#include "document/cff3doc.h"
#include "document/parts/worldmappart.h"
#include "worldmap/worldmap.h"

#include <algorithm>

namespace tessel {

SetMapCellsCommand::SetMapCellsCommand(CFF3Doc& doc, int map, const std::vector<MapCellWrite>& writes,
                                       const QString& text, quint64 step)
    : QUndoCommand(text), doc_(doc), map_(map), step_(step)
{
    const WorldMap* record = worldMapOf(doc_, map_);
    if (record) {
        changes_.reserve(writes.size());
        for (const MapCellWrite& write : writes) {
            const QPoint cell = write.cell;
            if (cell.x() < 0 || cell.y() < 0 || cell.x() >= record->width || cell.y() >= record->height)
                continue;
            const quint8 before = quint8(record->tileAt(cell.x(), cell.y()));
            changes_.push_back({quint32(cell.y() * record->width + cell.x()), before, write.tile});
        }
        // A cell written twice keeps its last tile.
        std::stable_sort(changes_.begin(), changes_.end(),
                         [](const Change& a, const Change& b) { return a.index < b.index; });
        const auto last = std::unique(changes_.rbegin(), changes_.rend(),
                                      [](const Change& a, const Change& b) { return a.index == b.index; });
        changes_.erase(changes_.begin(), last.base());
        std::erase_if(changes_, [](const Change& c) { return c.before == c.after; });
    }
    // Nothing to change: the stack drops the command (after letting it name a step it joins).
    setObsolete(changes_.empty());
}

quint64 SetMapCellsCommand::newStep()
{
    static quint64 last = 0;
    return ++last;
}

void SetMapCellsCommand::apply(Side side)
{
    WorldMap* record = worldMapOf(doc_, map_);
    if (!record || changes_.empty())
        return;
    QRect cells;
    for (const Change& change : changes_) {
        const int x = int(change.index % quint32(record->width));
        const int y = int(change.index / quint32(record->width));
        record->setTile(x, y, side == Side::After ? change.after : change.before);
        cells |= QRect(x, y, 1, 1);
    }
    doc_.notifyChanged({worldMapPartOf(doc_, map_), RecordRef(RecordKind::MapCell, map_), WorldMapPart::kCellsField, cells});
}

void SetMapCellsCommand::redo()
{
    apply(Side::After);
}

void SetMapCellsCommand::undo()
{
    apply(Side::Before);
}

bool SetMapCellsCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const SetMapCellsCommand*>(other);
    if (next->step_ != step_ || next->map_ != map_)
        return false;
    // Both lists are in cell order: a cell in both keeps its first tile
    // before and takes the newer one after.
    std::vector<Change> merged;
    merged.reserve(changes_.size() + next->changes_.size());
    auto mine = changes_.begin();
    auto theirs = next->changes_.begin();
    while (mine != changes_.end() || theirs != next->changes_.end()) {
        if (theirs == next->changes_.end() || (mine != changes_.end() && mine->index < theirs->index)) {
            merged.push_back(*mine++);
        } else if (mine == changes_.end() || theirs->index < mine->index) {
            merged.push_back(*theirs++);
        } else {
            merged.push_back({mine->index, mine->before, theirs->after});
            ++mine;
            ++theirs;
        }
    }
    std::erase_if(merged, [](const Change& c) { return c.before == c.after; });
    changes_ = std::move(merged);
    setText(next->text());
    setObsolete(changes_.empty());
    return true;
}

}  // namespace tessel
