#include "worldmap/editing/mapeditkind.h"

#include <QCoreApplication>

namespace tessel {

QString mapEditName(MapEditKind kind)
{
    switch (kind) {
    case MapEditKind::Brush: return QCoreApplication::translate("MapEditKind", "Brush");
    case MapEditKind::Line: return QCoreApplication::translate("MapEditKind", "Line");
    case MapEditKind::Rectangle: return QCoreApplication::translate("MapEditKind", "Rectangle");
    case MapEditKind::FilledRectangle: return QCoreApplication::translate("MapEditKind", "Filled Rectangle");
    case MapEditKind::FloodFill: return QCoreApplication::translate("MapEditKind", "Flood Fill");
    case MapEditKind::Paste: return QCoreApplication::translate("MapEditKind", "Paste");
    case MapEditKind::Cut: return QCoreApplication::translate("MapEditKind", "Cut");
    case MapEditKind::MoveSelection: return QCoreApplication::translate("MapEditKind", "Move Selection");
    case MapEditKind::ReplaceTile: return QCoreApplication::translate("MapEditKind", "Replace Tile");
    case MapEditKind::Delete: return QCoreApplication::translate("MapEditKind", "Delete");
    }
    return {};
}

}  // namespace tessel
