#include "worldmap/mapoverview.h"

#include "worldmap/packedtile.h"
#include "worldmap/snescolor.h"
#include "worldmap/worldmap.h"

namespace tessel {

MapOverview::TileColors MapOverview::tileColors(const WorldMap& map)
{
    TileColors colors{};
    if (map.pieces.size() < worldmap::kPiecesSize)
        return colors;
    for (int tile = 0; tile < 256; ++tile) {
        int red = 0;
        int green = 0;
        int blue = 0;
        for (int quarter = 0; quarter < 4; ++quarter) {
            const int piece = map.tileAssembly.piece(tile, quarter);
            const int base = map.piecePalette[std::size_t(piece)];
            for (int y = 0; y < PackedTile::kSize; ++y)
                for (int x = 0; x < PackedTile::kSize; ++x) {
                    const quint16 color = map.color((base + PackedTile::pixel(map.piece(piece), x, y)) & 127);
                    red += SnesColor::red(color) * 8;
                    green += SnesColor::green(color) * 8;
                    blue += SnesColor::blue(color) * 8;
                }
        }
        constexpr int kPixels = 256;
        colors[std::size_t(tile)] = quint32((red + kPixels / 2) / kPixels) << 16 |
                                    quint32((green + kPixels / 2) / kPixels) << 8 |
                                    quint32((blue + kPixels / 2) / kPixels);
    }
    return colors;
}

void MapOverview::draw(PixelBuffer& target, const TileColors& colors, const QRect& cells,
                       const std::function<int(int, int)>& tileAt)
{
    if (target.depth != 32 || !target.drawable())
        return;
    for (int row = cells.top(); row <= cells.bottom(); ++row)
        for (int column = cells.left(); column <= cells.right(); ++column)
            target.put(column, row, colors[std::size_t(tileAt(column, row) & 255)]);
}

}  // namespace tessel
