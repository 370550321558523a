#include "worldmap/editing/brushtool.h"

#include "worldmap/editing/celllines.h"
#include "worldmap/editing/mapeditsession.h"
#include "worldmap/worldmap.h"

void BrushTool::paint(QPoint cell, MapEditSession& session)
{
    if (session.map().tileAt(cell.x(), cell.y()) == session.currentTile())
        return;
    if (!session.selection().isEmpty() && !session.selection().contains(cell))
        return;
    // A stroke that begins on a cell holding the tile still makes a step of
    // its own rather than joining the one before.
    session.store(cell, session.currentTile(), !stepStarted_, MapEditKind::Brush);
    stepStarted_ = true;
}

void BrushTool::handle(MapEvent event, const MapCell& cell, MapEditSession& session)
{
    switch (event) {
    case MapEvent::Press:
        stroking_ = true;
        stepStarted_ = false;
        paint(cell.map, session);
        last_ = cell.map;
        break;
    case MapEvent::Drag: {
        if (!stroking_ || cell.map == last_)
            break;
        const std::vector<QPoint> stroke = cellsOnLine(last_, cell.map);
        for (auto at = stroke.begin() + 1; at != stroke.end(); ++at)
            paint(*at, session);
        last_ = cell.map;
        break;
    }
    case MapEvent::Release:
    case MapEvent::RightPress: stroking_ = false; break;
    case MapEvent::Hover: hover(cell, session); break;
    default: break;
    }
}
