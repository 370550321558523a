#include "rom/expansionarea.h"
#include "rom/freespace.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

constexpr SnesAddress kStart = rom::kExpansionStart;

// A file with the image and `size` bytes past it, all zero.
QByteArray fileWithArea(qint64 size)
{
    return QByteArray(rom::fileOffset(kStart) + size, '\0');
}

void fill(QByteArray& file, SnesAddress from, SnesAddress to, char value)
{
    file.replace(rom::fileOffset(from), to - from, QByteArray(to - from, value));
}

}  // namespace

TEST(ExpansionArea, AFileEndingWithTheImageLeavesTheWholeAreaFree)
{
    const ExpansionArea area = ExpansionArea::scan(fileWithArea(0), {});
    EXPECT_EQ(area.foreignBytes(), 0u);
    EXPECT_EQ(area.ownBytes(), 0u);
    EXPECT_EQ(area.freeBytes(), 0x100000u);
    ASSERT_EQ(area.freeSpace().runs().size(), 1u);
    EXPECT_EQ(area.freeSpace().runs()[0], (AddressRange{kStart, rom::kAddressLimit}));
    EXPECT_EQ(area.freeSpace().wholeFreeBanks().size(), 16u);
}

TEST(ExpansionArea, ForeignBytesKeepShortZeroRunsAndAMarginAfterThem)
{
    QByteArray file = fileWithArea(0x20000);
    fill(file, 0xF00100, 0xF00200, 'x');
    fill(file, 0xF002FF, 0xF00300, 'y');  // 255 zeros before it: not free
    fill(file, 0xF10000, 0xF10010, 'z');  // the rest of the file and beyond is free
    const ExpansionArea area = ExpansionArea::scan(file, {});
    EXPECT_EQ(area.foreignBytes(), 0x100u + 1 + 0x10);
    const std::vector<AddressRange> expected = {
        {0xF00000, 0xF00100},                       // before any foreign byte: no margin
        {0xF00300 + 16, 0xF10000},                  // 16 zeros kept after 'y'
        {0xF10010 + 16, rom::kAddressLimit},
    };
    EXPECT_EQ(area.freeSpace().runs(), expected);
    // Bank $F0 holds foreign bytes; $F1's first 32 bytes are not free.
    const std::vector<quint8> banks = area.freeSpace().wholeFreeBanks();
    EXPECT_EQ(banks.front(), 0xF2);
    EXPECT_EQ(banks.size(), 14u);
}

TEST(ExpansionArea, TesselsOwnBytesAreReleasedEvenInShortRuns)
{
    QByteArray file = fileWithArea(0x1000);
    fill(file, 0xF00000, 0xF00040, 'f');
    fill(file, 0xF00050, 0xF00090, 't');  // Tessel's, between foreign data
    fill(file, 0xF000A0, 0xF000B0, 'f');
    const ExpansionArea area = ExpansionArea::scan(file, {{0xF00050, 0xF00090}, {0xFFFF00, 0x1000100}});
    EXPECT_EQ(area.foreignBytes(), 0x50u);
    EXPECT_EQ(area.ownBytes(), 0x40u);  // own data past the file's end does not count
    EXPECT_EQ(area.ownedRanges(), (std::vector<AddressRange>{{0xF00050, 0xF00090}}));
    // The 0x60-byte run around Tessel's bytes loses its first 16 to the margin.
    EXPECT_EQ(area.freeSpace().runs()[0], (AddressRange{0xF00050, 0xF000A0}));
    EXPECT_EQ(area.freeBytes(), 0x10u + (rom::kAddressLimit - 0xF000B0 - 16));
}

TEST(ExpansionArea, OnlyChangesToForeignBytesAreNoticed)
{
    QByteArray before = fileWithArea(0x100000);
    fill(before, 0xF80000, 0xF80100, 'f');
    const ExpansionArea area = ExpansionArea::scan(before, {});
    QByteArray after = before;
    fill(after, 0xF00000, 0xF08000, 'n');
    EXPECT_TRUE(area.foreignBytesKept(before, after));
    after[rom::fileOffset(0xF800FF)] = 'g';
    EXPECT_FALSE(area.foreignBytesKept(before, after));
    EXPECT_FALSE(area.foreignBytesKept(before, before.left(rom::fileOffset(0xF80080))));
}

TEST(FreeSpace, TakingAndAllocatingSplitTheRuns)
{
    FreeSpace space({{0xF00000, 0xF00100}, {0xF10000, 0xF30000}});
    EXPECT_EQ(space.wholeFreeBanks(), (std::vector<quint8>{0xF1, 0xF2}));
    space.take({0xF10000, 0xF18000});
    EXPECT_EQ(space.wholeFreeBanks(), (std::vector<quint8>{0xF2}));
    EXPECT_EQ(space.dataEnd(), 0xF18000u);
    EXPECT_EQ(space.allocate(0x80), std::optional<SnesAddress>(0xF00000));
    EXPECT_EQ(space.allocate(0x81), std::optional<SnesAddress>(0xF18000));
    EXPECT_EQ(space.allocate(0x20000), std::nullopt);
    EXPECT_EQ(space.largestRun(), 0x20000u - 0x8000u - 0x81u);
    EXPECT_EQ(space.dataEnd(), 0xF18081u);
}
