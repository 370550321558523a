#include "rom/freespace.h"
#include "rom/romimage.h"
#include "worldmap/blockplacement.h"
#include "worldmap/pointerlist.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

constexpr SnesAddress kFirst = 0xC20000;
constexpr SnesAddress kSecond = 0xC20010;
constexpr SnesAddress kRoom = 0xC30000;
constexpr quint32 kRoomSize = 100;

struct Fixture {
    Fixture(SnesAddress current)
    {
        rom.openInMemory(QByteArray(0x300200, char(0xEE)));
        pointers.writeAll(rom, current);
    }
    BlockPlacement placeAndWrite(int size)
    {
        BlockPlacement placement = BlockPlacement::plan(rom, pointers, kRoomSize, QByteArray(size, 'b'), space);
        placement.clearVacatedRoom(rom);
        placement.write(rom, pointers);
        return placement;
    }
    QByteArray at(SnesAddress address, int n) { return rom.data().mid(rom::fileOffset(address), n); }

    RomImage rom;
    PointerList pointers{worldmap::PointerLocations{kFirst, kSecond}};
    FreeSpace space;
};

}  // namespace

TEST(BlockPlacement, ABlockOfExactlyItsRoomStaysInPlace)
{
    Fixture f(kRoom);
    const BlockPlacement p = f.placeAndWrite(kRoomSize);
    EXPECT_TRUE(p.inPlace());
    EXPECT_EQ(f.rom.ReadPointer24(kFirst), kRoom);
    EXPECT_EQ(f.at(kRoom, kRoomSize + 1), QByteArray(kRoomSize, 'b') + char(0xEE));
    EXPECT_EQ(f.space.dataEnd(), 0xF00000u);
    EXPECT_EQ(f.space.totalSize(), 0x100000u);
    EXPECT_EQ(f.rom.length(), 0x300200);
}

// What a longer block saved earlier left in the room goes, and nothing past it.
TEST(BlockPlacement, AShorterBlockInPlaceClearsTheRestOfItsRoom)
{
    Fixture f(kRoom);
    EXPECT_TRUE(f.placeAndWrite(60).inPlace());
    EXPECT_EQ(f.at(kRoom, kRoomSize + 1), QByteArray(60, 'b') + QByteArray(40, '\0') + char(0xEE));
}

TEST(BlockPlacement, OneByteMoreMovesItToFreeSpaceAndClearsTheRoom)
{
    Fixture f(kRoom);
    f.space.take({0xF00000, 0xF00123});  // earlier overflow
    const BlockPlacement p = f.placeAndWrite(kRoomSize + 1);
    EXPECT_FALSE(p.inPlace());
    EXPECT_EQ(f.rom.ReadPointer24(kFirst), 0xF00123u);
    EXPECT_EQ(f.rom.ReadPointer24(kSecond), 0xF00123u);
    EXPECT_EQ(f.at(kRoom, kRoomSize + 1), QByteArray(kRoomSize, '\0') + char(0xEE));
    EXPECT_EQ(f.at(0xF00123, kRoomSize + 1), QByteArray(kRoomSize + 1, 'b'));
    EXPECT_EQ(f.space.dataEnd(), 0xF00123u + kRoomSize + 1);
}

TEST(BlockPlacement, ABlockPastTheImageIsPlacedAfreshWithoutClearingThere)
{
    Fixture f(0xF00000);
    // Say overflowing dialogue now occupies $F0:0000 onwards.
    f.rom.SeekSnes(0xF00000);
    f.rom.writeFill('d', 0x40);
    f.space.take({0xF00000, 0xF00040});
    const BlockPlacement p = f.placeAndWrite(10);  // fits its room, yet moves
    EXPECT_FALSE(p.inPlace());
    EXPECT_EQ(f.rom.ReadPointer24(kFirst), 0xF00040u);
    EXPECT_EQ(f.at(0xF00000, 0x40), QByteArray(0x40, 'd'));
    EXPECT_EQ(f.at(0xF00040, 10), QByteArray(10, 'b'));
}

TEST(BlockPlacement, ADamagedPointerNeverLeadsToWritesOutsideTheImage)
{
    Fixture f(0x001234);
    const BlockPlacement p = f.placeAndWrite(10);
    EXPECT_FALSE(p.inPlace());
    EXPECT_EQ(f.rom.ReadPointer24(kFirst), 0xF00000u);
    EXPECT_EQ(f.rom.length(), 0x300200 + 10);
    EXPECT_TRUE(p.placed());
}

TEST(BlockPlacement, AMovedBlockTakesTheFirstFreeRunThatHoldsIt)
{
    Fixture f(kRoom);
    f.space = FreeSpace({{0xF00000, 0xF00010}, {0xF40000, 0xF40100}, {0xFFFFF0, 0x1000000}});
    const BlockPlacement big = BlockPlacement::plan(f.rom, f.pointers, 10, QByteArray(0x20, 'b'), f.space);
    EXPECT_TRUE(big.placed());
    EXPECT_EQ(big.target(), 0xF40000u);
    const BlockPlacement small = BlockPlacement::plan(f.rom, f.pointers, 10, QByteArray(0x10, 'b'), f.space);
    EXPECT_EQ(small.target(), 0xF00000u);
    const BlockPlacement last = BlockPlacement::plan(f.rom, f.pointers, 10, QByteArray(0x10, 'b'), f.space);
    EXPECT_EQ(last.target(), 0xF40020u);
    // Nothing holds 0x100 bytes any more, and nothing reaches past $FF:FFFF.
    EXPECT_FALSE(BlockPlacement::plan(f.rom, f.pointers, 10, QByteArray(0x100, 'b'), f.space).placed());
    EXPECT_EQ(f.space.largestRun(), 0xD0u);
}
