#pragma once

#include "worldmap/maptrigger.h"

#include <QPoint>
#include <QString>

namespace tessel {

struct WorldMap;

// The status bar's account of a map cell: "Cell (12, 34)  Tile $1A
// Block (3, 8)", and the first trigger there ("Entrance to map $005",
// "Event at $0CA00F").
QString cellStatusText(const WorldMap& map, QPoint cell);
// What View > "Trigger Labels" writes beside a trigger's cell: the
// destination map number ("$005") or the script address ("$0CA00F").
QString triggerLabel(const MapTrigger& trigger);

}  // namespace tessel
