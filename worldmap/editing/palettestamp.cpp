#include "worldmap/editing/palettestamp.h"

#include <algorithm>

namespace tessel {

namespace {
constexpr int kTiles = 256;
}

MapBlock paletteStamp(int from, int to, int columns)
{
    if (columns <= 0 || from < 0 || to < 0 || from >= kTiles || to >= kTiles)
        return {};
    const int left = std::min(from % columns, to % columns);
    const int right = std::max(from % columns, to % columns);
    const int top = std::min(from / columns, to / columns);
    const int bottom = std::max(from / columns, to / columns);
    const int width = right - left + 1;
    const int height = bottom - top + 1;
    // Every entry of the rectangle is a tile: both corners are, and the
    // last row of the palette is the only one that can be short.
    if (bottom * columns + right >= kTiles)
        return {};
    MapBlock block{width, height, QByteArray(width * height, '\0')};
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            block.tiles[row * width + column] = char((top + row) * columns + left + column);
    return block;
}

}  // namespace tessel
