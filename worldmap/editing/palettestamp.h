#pragma once

#include "worldmap/editing/mapblock.h"

namespace tessel {

// The stamp a rectangle dragged in the tile palette takes: the palette
// lays tiles 0 to 255 out row by row, `columns` to a row, and the stamp
// holds the tiles of the rectangle spanning entries `from` and `to` (in
// either order) as they lie there. Empty when an entry is not a tile or
// `columns` is not positive.
MapBlock paletteStamp(int from, int to, int columns);

}  // namespace tessel
