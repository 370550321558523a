#pragma once

#include "worldmap/editing/maptoolids.h"

#include <QCursor>
#include <QIcon>

namespace tessel {

// The map editor's cursors and tool-bar pictures, drawn by the program.
namespace mapcursors {

// The cursor shown over the map for a tool ("Pointer": the arrow).
QCursor toolCursor(MapToolId tool);
QIcon toolIcon(MapToolId tool);

// While panning with the middle button: the way the view moves, each of
// dx and dy -1, 0 or 1 (both 0: not moving).
QCursor panningCursor(int dx, int dy);

enum class Picture { Cut, Copy, Paste, GridLines, Overview, HighlightTile, TilePalette, Triggers, TileEditor };
QIcon icon(Picture picture);

}  // namespace mapcursors

}  // namespace tessel
