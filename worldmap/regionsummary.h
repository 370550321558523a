#pragma once

#include <QByteArray>
#include <QList>

#include <array>

namespace tessel {

struct MapTrigger;

// The 64 x 64 grid of 4-bit values, one per block of 4 x 4 map tiles, that
// the game derives its airship and encounter behaviour from. It is stored
// as 64 planar 8 x 8 tiles in 8 rows, with grid bands 1 and 2 and bands 5
// and 6 swapped.
class RegionSummary {
public:
    static constexpr int kGridSize = 64;
    static constexpr int kStoredBytes = 2048;
    using Grid = std::array<quint8, kGridSize * kGridSize>;  // row-major

    // The value of a block whose 16 shadow sizes add up to shadowSum.
    static int valueForShadowSum(int shadowSum);
    // The grid for a tile map: shadow sums per block, and 5 for a block
    // that holds a trigger marking its region (the first trigger at a cell
    // decides). `properties` holds the 256 little-endian property words.
    static Grid build(const quint8* tileMap, int width, int height, const quint8* properties,
                      const QList<MapTrigger>& triggers);

    static QByteArray pack(const Grid& grid);
    static Grid unpack(const QByteArray& stored);

    // The grid band stored in stored row `row` (0, 2, 1, 3, 4, 6, 5, 7).
    static int bandOfStoredRow(int row);
};

}  // namespace tessel
