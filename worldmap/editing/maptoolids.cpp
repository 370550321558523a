#include "worldmap/editing/maptoolids.h"

QString mapToolName(MapToolId tool)
{
    switch (tool) {
    case MapToolId::Pointer: return QStringLiteral("Pointer");
    case MapToolId::PickupTile: return QStringLiteral("Pickup Tile");
    case MapToolId::Marquee: return QStringLiteral("Marquee");
    case MapToolId::Brush: return QStringLiteral("Brush");
    case MapToolId::Line: return QStringLiteral("Line");
    case MapToolId::Rectangle: return QStringLiteral("Rectangle");
    case MapToolId::FilledRectangle: return QStringLiteral("Filled Rectangle");
    case MapToolId::FloodFill: return QStringLiteral("Flood Fill");
    }
    return {};
}
