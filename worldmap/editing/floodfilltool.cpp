#include "worldmap/editing/floodfilltool.h"

#include "worldmap/editing/mapeditsession.h"
#include "worldmap/worldmap.h"

#include <vector>

namespace tessel {

void FloodFillTool::handle(MapEvent event, const MapCell& cell, MapEditSession& session)
{
    if (event == MapEvent::Hover) {
        hover(cell, session);
        return;
    }
    if (event != MapEvent::Press)
        return;
    const WorldMap& map = session.map();
    const QRect bounds = session.selection().isEmpty() ? QRect(0, 0, map.width, map.height)
                                                       : session.selection() & QRect(0, 0, map.width, map.height);
    const QPoint start = cell.map;
    const int target = map.tileAt(start.x(), start.y());
    if (!bounds.contains(start) || target == session.currentTile())
        return;

    // Every cell is queued at most once; the region is found before any
    // cell changes, then stored in the order it was found.
    std::vector<bool> queued(std::size_t(map.width * map.height), false);
    std::vector<QPoint> region{start};
    queued[std::size_t(start.y() * map.width + start.x())] = true;
    for (std::size_t next = 0; next < region.size(); ++next) {
        const QPoint at = region[next];
        for (QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint neighbour = at + step;
            if (!bounds.contains(neighbour))
                continue;
            const std::size_t index = std::size_t(neighbour.y() * map.width + neighbour.x());
            if (queued[index] || map.tileAt(neighbour.x(), neighbour.y()) != target)
                continue;
            queued[index] = true;
            region.push_back(neighbour);
        }
    }
    std::vector<MapCellWrite> writes;
    writes.reserve(region.size());
    for (QPoint at : region)
        writes.push_back({at, quint8(session.currentTile())});
    session.store(std::move(writes), MapEditKind::FloodFill);
}

}  // namespace tessel
