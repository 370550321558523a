#include "worldmap/editing/mapeditkind.h"

QString mapEditName(MapEditKind kind)
{
    switch (kind) {
    case MapEditKind::Brush: return QStringLiteral("Brush");
    case MapEditKind::Line: return QStringLiteral("Line");
    case MapEditKind::Rectangle: return QStringLiteral("Rectangle");
    case MapEditKind::FilledRectangle: return QStringLiteral("Filled Rectangle");
    case MapEditKind::FloodFill: return QStringLiteral("Flood Fill");
    case MapEditKind::Paste: return QStringLiteral("Paste");
    case MapEditKind::Cut: return QStringLiteral("Cut");
    case MapEditKind::MoveSelection: return QStringLiteral("Move Selection");
    }
    return {};
}
