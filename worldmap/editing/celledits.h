#pragma once

#include "worldmap/editing/cellset.h"
#include "worldmap/editing/mapblock.h"
#include "worldmap/mapcellwrite.h"

#include <QRect>

#include <vector>

namespace tessel {

struct WorldMap;

// The cells whole-area edits store: only those that change.
namespace celledits {

// The stamp with its top-left at `at`, cut to the map and, when `limit` is
// not empty, to it.
std::vector<MapCellWrite> stamp(const WorldMap& map, QPoint at, const MapBlock& stamp, const QRect& limit = {});
// Every cell of `area` (the whole map when empty) holding `from` gets `to`.
std::vector<MapCellWrite> replaceTile(const WorldMap& map, const QRect& area, int from, int to);
// Every cell of `area` gets `tile`.
std::vector<MapCellWrite> fill(const WorldMap& map, const QRect& area, int tile);
// The same for a selection of single cells.
std::vector<MapCellWrite> replaceTile(const WorldMap& map, const CellSet& cells, int from, int to);
std::vector<MapCellWrite> fill(const WorldMap& map, const CellSet& cells, int tile);
// Every cell of `area` (the whole map when empty) holding `tile`.
CellSet cellsHolding(const WorldMap& map, const QRect& area, int tile);
// Every cell of `cells` holding `tile`.
CellSet cellsHolding(const WorldMap& map, const CellSet& cells, int tile);
// The tiles of `area` as a block, `tileAt` giving each cell's tile.
template <class TileAt>
MapBlock blockOf(const QRect& area, TileAt tileAt)
{
    MapBlock block{area.width(), area.height(), QByteArray(area.width() * area.height(), 0)};
    for (int row = 0; row < area.height(); ++row)
        for (int column = 0; column < area.width(); ++column)
            block.tiles[row * area.width() + column] = char(tileAt(QPoint(area.left() + column, area.top() + row)));
    return block;
}

}  // namespace celledits

}  // namespace tessel
