#include "worldmap/editing/mapundolist.h"

#include "worldmap/worldmap.h"

QString mapEditName(MapEditKind kind)
{
    switch (kind) {
    case MapEditKind::Brush: return QStringLiteral("Brush");
    case MapEditKind::Line: return QStringLiteral("Line");
    case MapEditKind::Rectangle: return QStringLiteral("Rectangle");
    case MapEditKind::FilledRectangle: return QStringLiteral("Filled Rectangle");
    case MapEditKind::FloodFill: return QStringLiteral("Flood Fill");
    case MapEditKind::Paste: return QStringLiteral("Paste");
    }
    return {};
}

void MapUndoList::append(const UndoRecord& record)
{
    if (steps_ >= kMaxSteps) {
        if (records_.front().startsStep)
            --steps_;
        records_.pop_front();
    }
    records_.push_back(record);
    if (record.startsStep)
        ++steps_;
}

void MapUndoList::record(const UndoRecord& record)
{
    redoSteps_.clear();
    append(record);
}

QRect MapUndoList::undo(WorldMap& map)
{
    QRect changed;
    std::vector<Redone> step;
    while (!records_.empty()) {
        const UndoRecord record = records_.back();
        records_.pop_back();
        if (record.startsStep)
            --steps_;
        if (record.x < map.width && record.y < map.height) {
            step.push_back({record, quint8(map.tileAt(record.x, record.y))});
            map.setTile(record.x, record.y, record.oldTile);
            changed |= QRect(record.x, record.y, 1, 1);
        }
        if (record.startsStep)
            break;
    }
    if (!step.empty())
        redoSteps_.push_back(std::move(step));
    return changed;
}

QRect MapUndoList::redo(WorldMap& map)
{
    if (redoSteps_.empty())
        return {};
    const std::vector<Redone> step = std::move(redoSteps_.back());
    redoSteps_.pop_back();
    QRect changed;
    for (auto redone = step.rbegin(); redone != step.rend(); ++redone) {
        UndoRecord record = redone->record;
        record.oldTile = quint8(map.tileAt(record.x, record.y));
        map.setTile(record.x, record.y, redone->newTile);
        changed |= QRect(record.x, record.y, 1, 1);
        append(record);
    }
    return changed;
}

void MapUndoList::clear()
{
    records_.clear();
    redoSteps_.clear();
    steps_ = 0;
}

QString MapUndoList::undoName() const
{
    return records_.empty() ? QString() : mapEditName(records_.back().kind);
}

QString MapUndoList::redoName() const
{
    return redoSteps_.empty() ? QString() : mapEditName(redoSteps_.back().front().record.kind);
}
