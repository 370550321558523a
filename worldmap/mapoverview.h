#pragma once

#include "worldmap/pixelbuffer.h"

#include <QRect>

#include <array>
#include <functional>

namespace tessel {

struct WorldMap;

// A whole map seen from afar: one pixel per cell in the average colour of
// the cell's tile.
class MapOverview {
public:
    using TileColors = std::array<quint32, 256>;  // 0x00RRGGBB per tile number

    // Each tile's colour: the mean of its 256 pixels, per channel.
    static TileColors tileColors(const WorldMap& map);
    // Draws `cells` of the map, cell (c, r) at pixel (c, r) of a 32-bit
    // target; tileAt gives the tile each cell shows.
    static void draw(PixelBuffer& target, const TileColors& colors, const QRect& cells,
                     const std::function<int(int column, int row)>& tileAt);
};

}  // namespace tessel
