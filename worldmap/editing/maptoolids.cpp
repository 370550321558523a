#include "worldmap/editing/maptoolids.h"

#include <QCoreApplication>

namespace tessel {

QString mapToolName(MapToolId tool)
{
    switch (tool) {
    case MapToolId::Pointer: return QCoreApplication::translate("MapToolIds", "Pointer");
    case MapToolId::PickupTile: return QCoreApplication::translate("MapToolIds", "Pickup Tile");
    case MapToolId::Marquee: return QCoreApplication::translate("MapToolIds", "Marquee");
    case MapToolId::Brush: return QCoreApplication::translate("MapToolIds", "Brush");
    case MapToolId::Line: return QCoreApplication::translate("MapToolIds", "Line");
    case MapToolId::Rectangle: return QCoreApplication::translate("MapToolIds", "Rectangle");
    case MapToolId::FilledRectangle: return QCoreApplication::translate("MapToolIds", "Filled Rectangle");
    case MapToolId::FloodFill: return QCoreApplication::translate("MapToolIds", "Flood Fill");
    }
    return {};
}

}  // namespace tessel
