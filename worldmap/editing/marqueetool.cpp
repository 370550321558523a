#include "worldmap/editing/marqueetool.h"

#include "worldmap/editing/mapeditsession.h"

namespace tessel {

void MarqueeTool::handle(MapEvent event, const MapCell& cell, MapEditSession& session)
{
    switch (event) {
    case MapEvent::Press:
        // A press inside a floating block drags it along. Either way a press
        // ends whatever an earlier one began (its release never came).
        if (session.hasFloatingBlock() && session.selection().contains(cell.map)) {
            pressed_ = false;
            session.setRubberBand({});
            moving_ = true;
            last_ = cell.map;
            session.moveFloatingBlock({0, 0});
            break;
        }
        moving_ = false;
        pressed_ = true;
        dragged_ = false;
        session.setAnchor(cell.map);
        session.setRubberBand(QRect(cell.map, QSize(0, 0)));
        session.dropFloatingBlock();
        break;
    case MapEvent::Drag:
        if (moving_) {
            session.moveFloatingBlock(cell.map - last_);
            last_ = cell.map;
            break;
        }
        if (!pressed_)
            break;
        dragged_ = true;
        session.setRubberBand(MapEditSession::spanning(session.anchor(), cell.map));
        session.noteMarqueeSize();
        break;
    case MapEvent::Release:
        moving_ = false;
        if (!pressed_)
            break;
        pressed_ = false;
        if (dragged_) {
            session.setSelection(session.rubberBand());
            session.liftSelection();
        } else {
            session.dropFloatingBlock();
            session.setSelection({});
        }
        session.setRubberBand({});
        break;
    case MapEvent::RightPress:
        moving_ = false;
        if (pressed_) {
            pressed_ = false;
            session.setRubberBand({});
        }
        break;
    default: break;
    }
}

}  // namespace tessel
