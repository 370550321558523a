#include "worldmap/editing/shapetool.h"

#include "worldmap/editing/mapeditsession.h"

namespace tessel {

void ShapeTool::stretch(QPoint end, MapEditSession& session)
{
    end_ = end;
    session.setRubberBand(MapEditSession::spanning(session.anchor(), end));
    if (!previewsTiles())
        return;
    const QRect band = session.rubberBand();
    TileOverlay preview(band.topLeft(), band.width(), band.height());
    for (QPoint cell : cells(session.anchor(), end))
        preview.set(cell.x(), cell.y(), session.currentTile());
    session.setPreview(std::move(preview));
}

void ShapeTool::finish(MapEditSession& session)
{
    dragging_ = false;
    session.setRubberBand({});
    session.setPreview({});
}

void ShapeTool::handle(MapEvent event, const MapCell& cell, MapEditSession& session)
{
    switch (event) {
    case MapEvent::Press:
        dragging_ = true;
        session.setAnchor(cell.map);
        stretch(cell.map, session);
        break;
    case MapEvent::Drag:
        if (dragging_)
            stretch(cell.map, session);
        break;
    case MapEvent::Release: {
        if (!dragging_)
            break;
        std::vector<MapCellWrite> writes;
        for (QPoint at : cells(session.anchor(), end_))
            writes.push_back({at, quint8(session.currentTile())});
        session.store(std::move(writes), kind());
        finish(session);
        break;
    }
    case MapEvent::RightPress:
        if (dragging_)
            finish(session);
        break;
    default: break;
    }
}

}  // namespace tessel
