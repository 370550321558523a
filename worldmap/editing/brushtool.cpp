#include "worldmap/editing/brushtool.h"

#include "worldmap/editing/celledits.h"
#include "worldmap/editing/celllines.h"
#include "worldmap/editing/mapeditsession.h"
#include "worldmap/worldmap.h"

namespace tessel {

void BrushTool::paint(const std::vector<QPoint>& cells, MapEditSession& session)
{
    if (!session.stamp().isEmpty()) {
        // Each cell of the stroke gets the whole stamp, later ones over earlier ones.
        for (QPoint cell : cells) {
            std::vector<MapCellWrite> writes = celledits::stamp(session.map(), cell, session.stamp(), session.selection());
            if (!writes.empty())
                step_ = session.store(std::move(writes), MapEditKind::Brush, step_);
        }
        return;
    }
    std::vector<MapCellWrite> writes;
    for (QPoint cell : cells) {
        if (!session.contains(cell) || session.map().tileAt(cell.x(), cell.y()) == session.currentTile())
            continue;
        if (!session.selection().isEmpty() && !session.selection().contains(cell))
            continue;
        writes.push_back({cell, quint8(session.currentTile())});
    }
    if (writes.empty())
        return;
    // A stroke that begins on a cell holding the tile still makes a step of
    // its own rather than joining the one before.
    step_ = session.store(std::move(writes), MapEditKind::Brush, step_);
}

void BrushTool::handle(MapEvent event, const MapCell& cell, MapEditSession& session)
{
    switch (event) {
    case MapEvent::Press:
        stroking_ = true;
        step_ = MapEditSession::kNewStep;
        paint({cell.map}, session);
        last_ = cell.map;
        break;
    case MapEvent::Drag: {
        if (!stroking_ || cell.map == last_)
            break;
        std::vector<QPoint> stroke = cellsOnLine(last_, cell.map);
        stroke.erase(stroke.begin());  // painted by the event before
        paint(stroke, session);
        last_ = cell.map;
        break;
    }
    case MapEvent::Release:
    case MapEvent::RightPress: stroking_ = false; break;
    case MapEvent::Hover: hover(cell, session); break;
    default: break;
    }
    // The stamp shows where it would land.
    if (!session.stamp().isEmpty() && (event == MapEvent::Hover || event == MapEvent::Drag)) {
        const MapBlock& stamp = session.stamp();
        session.setPreview(TileOverlay::block(QRect(cell.map, stamp.size()), stamp.tiles));
    }
}

}  // namespace tessel
