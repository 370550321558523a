#include "worldmap/maptrigger.h"
#include "worldmap/planartile.h"
#include "worldmap/regionsummary.h"

#include <gtest/gtest.h>

#include <array>

using namespace tessel;

namespace {

// A small map with its own property words: tile t casts shadow t % 4.
struct HandMadeMap {
    HandMadeMap(int w, int h) : width(w), height(h), tiles(std::size_t(w * h), 0)
    {
        for (int t = 0; t < 256; ++t)
            properties[std::size_t(2 * t)] = quint8((t % 4) << 2 | 0x40);  // encounters bit must not count
    }
    void fill(int left, int top, int side, int tile)
    {
        for (int y = top; y < top + side; ++y)
            for (int x = left; x < left + side; ++x)
                tiles[std::size_t(y * width + x)] = quint8(tile);
    }
    RegionSummary::Grid build() const
    {
        return RegionSummary::build(tiles.data(), width, height, properties.data(), triggers);
    }
    int width;
    int height;
    std::vector<quint8> tiles;
    std::array<quint8, 512> properties{};
    QList<MapTrigger> triggers;
};

MapTrigger triggerAt(int x, int y, bool marks, int kind = MapTrigger::Entrance)
{
    MapTrigger t;
    t.kind = kind;
    t.flags = marks ? MapTrigger::kMarksRegion : 0;
    t.x = quint8(x);
    t.y = quint8(y);
    return t;
}

}  // namespace

TEST(RegionSummary, ShadowSumsMapToTheirValuesAtEveryBoundary)
{
    const std::pair<int, int> cases[] = {{0, 1},  {1, 9},  {5, 9},  {6, 3},  {23, 3},
                                         {24, 4}, {31, 4}, {32, 10}, {48, 10}};
    for (auto [sum, value] : cases)
        EXPECT_EQ(RegionSummary::valueForShadowSum(sum), value) << sum;
}

TEST(RegionSummary, EachBlockOfFourByFourTilesAddsItsShadows)
{
    HandMadeMap map(16, 8);
    map.fill(4, 0, 4, 1);  // 16 x shadow 1 = 16 -> 3
    map.fill(8, 0, 4, 2);  // 32 -> 10
    map.fill(12, 0, 4, 0);
    map.tiles[12] = 3;     // 3 -> 9
    map.tiles[13] = 3;     // 6 -> 3
    map.fill(0, 4, 4, 1);
    map.tiles[4 * 16 + 0] = 3;  // 15 + 3 = 18 -> 3
    map.fill(4, 4, 4, 2);
    map.tiles[4 * 16 + 4] = 1;  // 30 + 1 = 31 -> 4
    const RegionSummary::Grid grid = map.build();
    EXPECT_EQ(grid[0], 1);
    EXPECT_EQ(grid[1], 3);
    EXPECT_EQ(grid[2], 10);
    EXPECT_EQ(grid[3], 3);
    EXPECT_EQ(grid[64], 3);
    EXPECT_EQ(grid[65], 4);
    // Beyond the map's width and height nothing is written.
    EXPECT_EQ(grid[4], 0);
    EXPECT_EQ(grid[128], 0);
}

TEST(RegionSummary, ABlockWithAMarkingTriggerIsFive)
{
    HandMadeMap map(12, 4);
    map.fill(0, 0, 4, 2);
    map.fill(4, 0, 4, 2);
    map.triggers = {triggerAt(3, 3, true, MapTrigger::Event)};
    // The first trigger on a cell decides: an unchecked one hides a checked one behind it.
    map.triggers.append(triggerAt(5, 1, false));
    map.triggers.append(triggerAt(5, 1, true));
    // An unchecked trigger alone changes nothing; one off the map is ignored.
    map.triggers.append(triggerAt(9, 2, false));
    map.triggers.append(triggerAt(200, 200, true));
    const RegionSummary::Grid grid = map.build();
    EXPECT_EQ(grid[0], 5);
    EXPECT_EQ(grid[1], 10);
    EXPECT_EQ(grid[2], 1);
}

TEST(RegionSummary, PackingSwapsBandsOneAndTwoAndFiveAndSix)
{
    RegionSummary::Grid grid{};
    for (int row = 0; row < 64; ++row)
        for (int column = 0; column < 64; ++column)
            grid[std::size_t(row * 64 + column)] = quint8(row / 8 + (column == 9 ? 8 : 0));
    const QByteArray stored = RegionSummary::pack(grid);
    ASSERT_EQ(stored.size(), 2048);
    const int expectedBands[8] = {0, 2, 1, 3, 4, 6, 5, 7};
    for (int k = 0; k < 64; ++k) {
        const auto* tile = reinterpret_cast<const quint8*>(stored.constData()) + 32 * k;
        const int band = expectedBands[k / 8];
        EXPECT_EQ(PlanarTile::pixel(tile, 0, 5), band) << k;
        // Column 9 lies in the second tile of each stored row, at x = 1.
        EXPECT_EQ(PlanarTile::pixel(tile, 1, 0), band + (k % 8 == 1 ? 8 : 0)) << k;
    }
    EXPECT_EQ(RegionSummary::unpack(stored), grid);
}

TEST(RegionSummary, AValueLandsInTheRightPlaneBits)
{
    RegionSummary::Grid grid{};
    grid[0] = 0x5;   // row 0, column 0: planes 0 and 2
    grid[65] = 0xA;  // row 1, column 1: planes 1 and 3
    const QByteArray stored = RegionSummary::pack(grid);
    EXPECT_EQ(quint8(stored[0]), 0x80);
    EXPECT_EQ(quint8(stored[16]), 0x80);
    EXPECT_EQ(quint8(stored[3]), 0x40);
    EXPECT_EQ(quint8(stored[19]), 0x40);
    EXPECT_EQ(stored.count('\0'), 2048 - 4);
}
