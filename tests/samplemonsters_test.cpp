#include "rom/romaddress.h"
#include "records/recordaddresses.h"
#include "tools/samplerom/samplerom.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>

#include <map>
#include <set>
#include <vector>

// Renders the sample ROM's monster pictures straight from its bytes, with a
// decoder of its own, and checks that they are pictures.
namespace {

using namespace records;

const QByteArray& image()
{
    static const QByteArray bytes = buildSampleRom();
    return bytes;
}

int byteAt(SnesAddress a) { return quint8(image()[rom::fileOffset(a)]); }
int wordAt(SnesAddress a) { return byteAt(a) | byteAt(a + 1) << 8; }

struct Monster {
    bool threeBit = false;
    bool large = false;
    int palette = 0;
    int templ = 0;
    int tileByte = 0;  // first tile, bytes into the tile data
    int tiles = 0;
    int cells = 8;
    std::vector<bool> used;   // cells the template marks
    std::vector<int> pixels;  // cells*8 square, values 0-15
    int tileSize() const { return threeBit ? 24 : 32; }
    int at(int x, int y) const { return pixels[size_t(y * cells * 8 + x)]; }
};

Monster decode(int m)
{
    Monster mon;
    const SnesAddress d = kMonsterDescriptorsAddress + SnesAddress(m) * kMonsterDescriptorSize;
    const int first = wordAt(d);
    mon.threeBit = first & 0x8000;
    mon.tileByte = (first & 0x7FFF) * 8;
    mon.large = byteAt(d + 2) & 0x80;
    mon.palette = (byteAt(d + 2) & 3) << 8 | byteAt(d + 3);
    mon.templ = byteAt(d + 4);
    mon.cells = mon.large ? 16 : 8;
    const int side = mon.cells * 8;
    mon.used.assign(size_t(mon.cells * mon.cells), false);
    mon.pixels.assign(size_t(side * side), 0);

    const SnesAddress table = rom::inBank(kTemplateBank, quint16(wordAt(mon.large ? kLargeTemplatePointerAddress
                                                                                  : kSmallTemplatePointerAddress)));
    for (int cy = 0; cy < mon.cells; ++cy)
        for (int cx = 0; cx < mon.cells; ++cx) {
            if (mon.large) {
                const SnesAddress row = table + SnesAddress(mon.templ * kLargeTemplateSize + 2 * cy);
                mon.used[size_t(cy * 16 + cx)] = ((byteAt(row) << 8 | byteAt(row + 1)) & (0x8000 >> cx)) != 0;
            } else {
                const SnesAddress row = table + SnesAddress(mon.templ * kSmallTemplateSize + cy);
                mon.used[size_t(cy * 8 + cx)] = (byteAt(row) & (0x80 >> cx)) != 0;
            }
        }

    for (int cy = 0; cy < mon.cells; ++cy)
        for (int cx = 0; cx < mon.cells; ++cx) {
            if (!mon.used[size_t(cy * mon.cells + cx)])
                continue;
            const int start = mon.tileByte + mon.tiles++ * mon.tileSize();
            if (start + mon.tileSize() > kMonsterTileDataSize)
                continue;  // reported by the bounds test
            const SnesAddress t = kMonsterTileDataAddress + SnesAddress(start);
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x) {
                    const int bit = 0x80 >> x;
                    int v = (byteAt(t + 2 * y) & bit ? 1 : 0) | (byteAt(t + 2 * y + 1) & bit ? 2 : 0);
                    if (mon.threeBit) {
                        v |= byteAt(t + 16 + y) & bit ? 4 : 0;
                    } else {
                        v |= (byteAt(t + 16 + 2 * y) & bit ? 4 : 0) | (byteAt(t + 17 + 2 * y) & bit ? 8 : 0);
                    }
                    mon.pixels[size_t((cy * 8 + y) * side + cx * 8 + x)] = v;
                }
        }
    return mon;
}

const std::vector<Monster>& monsters()
{
    static const std::vector<Monster> all = [] {
        std::vector<Monster> v;
        for (int m = 0; m < kMonsterCount; ++m)
            v.push_back(decode(m));
        return v;
    }();
    return all;
}

int opaque(const Monster& mon)
{
    int n = 0;
    for (int v : mon.pixels)
        n += v != 0;
    return n;
}

quint16 colourOf(const Monster& mon, int value)
{
    return quint16(wordAt(kMonsterPalettesAddress + SnesAddress((mon.palette * 8 + value) * 2)));
}

int brightness(quint16 bgr) { return 3 * (bgr & 31) + 6 * ((bgr >> 5) & 31) + ((bgr >> 10) & 31); }

TEST(SampleMonsters, TemplatePointersLeadToTablesBeforeTheItemNames)
{
    const SnesAddress small = rom::inBank(kTemplateBank, quint16(wordAt(kSmallTemplatePointerAddress)));
    const SnesAddress large = rom::inBank(kTemplateBank, quint16(wordAt(kLargeTemplatePointerAddress)));
    EXPECT_GE(small, kLargeTemplatePointerAddress + 2);
    EXPECT_GE(large, small + kSmallTemplateCount * kSmallTemplateSize);
    EXPECT_LE(large + kLargeTemplateCount * kLargeTemplateSize, kItemNamesAddress);
}

TEST(SampleMonsters, EveryTableIsPlacedWhole)
{
    QList<SampleRom::Area> areas;
    buildSampleRom(&areas);
    auto covered = [&](SnesAddress start, quint32 size) {
        for (const SampleRom::Area& a : areas)
            if (a.start <= start && start + size <= a.start + a.size)
                return true;
        return false;
    };
    EXPECT_TRUE(covered(kMonsterTileDataAddress, kMonsterTileDataSize));
    EXPECT_TRUE(covered(kMonsterPalettesAddress, kMonsterPalettesSize));
    EXPECT_TRUE(covered(kMonsterDescriptorsAddress, kMonsterCount * kMonsterDescriptorSize));
    EXPECT_TRUE(covered(kSmallTemplatePointerAddress, 4));
    const SnesAddress small = rom::inBank(kTemplateBank, quint16(wordAt(kSmallTemplatePointerAddress)));
    const SnesAddress large = rom::inBank(kTemplateBank, quint16(wordAt(kLargeTemplatePointerAddress)));
    EXPECT_TRUE(covered(small, kSmallTemplateCount * kSmallTemplateSize));
    EXPECT_TRUE(covered(large, kLargeTemplateCount * kLargeTemplateSize));
}

TEST(SampleMonsters, EveryMonsterStaysInsideItsBlocks)
{
    for (int m = 0; m < kMonsterCount; ++m) {
        const Monster& mon = monsters()[size_t(m)];
        SCOPED_TRACE(m);
        EXPECT_LT(mon.templ, mon.large ? kLargeTemplateCount : kSmallTemplateCount);
        EXPECT_LE(mon.tileByte + mon.tiles * mon.tileSize(), kMonsterTileDataSize);
        EXPECT_LE((mon.palette * 8 + 15) * 2 + 2, kMonsterPalettesSize);
    }
}

TEST(SampleMonsters, EveryPictureHasAPlausibleAmountOfInk)
{
    for (int m = 0; m < kMonsterCount; ++m) {
        const Monster& mon = monsters()[size_t(m)];
        SCOPED_TRACE(m);
        const int n = opaque(mon), area = int(mon.pixels.size());
        // at least a 13x13 blot for a small monster, a 32x32 one for a boss
        EXPECT_GE(n, mon.large ? 1024 : 169);
        EXPECT_LE(n, area * 3 / 4);
        // shaded, not flat: several pixel values besides the outline
        std::set<int> values(mon.pixels.begin(), mon.pixels.end());
        EXPECT_GE(values.size(), mon.threeBit ? 5u : 7u);
    }
}

TEST(SampleMonsters, TemplatesMarkExactlyTheCellsThatHoldInk)
{
    for (int m = 0; m < kMonsterCount; ++m) {
        const Monster& mon = monsters()[size_t(m)];
        SCOPED_TRACE(m);
        for (int cy = 0; cy < mon.cells; ++cy)
            for (int cx = 0; cx < mon.cells; ++cx) {
                bool ink = false;
                for (int y = 0; y < 8; ++y)
                    for (int x = 0; x < 8; ++x)
                        ink = ink || mon.at(cx * 8 + x, cy * 8 + y) != 0;
                EXPECT_EQ(ink, bool(mon.used[size_t(cy * mon.cells + cx)])) << "cell " << cx << "," << cy;
            }
    }
}

TEST(SampleMonsters, SilhouettesAreOutlined)
{
    // Any pixel touching transparency is drawn in colour 1, the outline,
    // which is darker than the body colour beside it.
    for (int m = 0; m < kMonsterCount; ++m) {
        const Monster& mon = monsters()[size_t(m)];
        SCOPED_TRACE(m);
        const int side = mon.cells * 8;
        int wrong = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                if (mon.at(x, y) == 0)
                    continue;
                const bool edge = x == 0 || y == 0 || x == side - 1 || y == side - 1 || mon.at(x - 1, y) == 0 ||
                                  mon.at(x + 1, y) == 0 || mon.at(x, y - 1) == 0 || mon.at(x, y + 1) == 0;
                wrong += edge && mon.at(x, y) != 1;
            }
        EXPECT_EQ(wrong, 0);
        EXPECT_LT(brightness(colourOf(mon, 1)), brightness(colourOf(mon, 3)));
    }
}

TEST(SampleMonsters, UsedColoursAreFifteenBitAndDistinct)
{
    for (int m = 0; m < kMonsterCount; ++m) {
        const Monster& mon = monsters()[size_t(m)];
        SCOPED_TRACE(m);
        std::set<int> values(mon.pixels.begin(), mon.pixels.end());
        values.erase(0);
        std::set<quint16> colours;
        for (int v : values) {
            EXPECT_EQ(colourOf(mon, v) & 0x8000, 0) << "value " << v;
            colours.insert(colourOf(mon, v));
        }
        // two values in one colour would flatten the shading or hide a part
        EXPECT_EQ(colours.size(), values.size());
    }
}

TEST(SampleMonsters, SharedTilesAreWholePicturesInOtherColours)
{
    // Tile runs are either the same run or apart; monsters on one run are
    // palette swaps, so their colours differ.
    std::map<int, std::vector<int>> byStart;
    for (int m = 0; m < kMonsterCount; ++m)
        byStart[monsters()[size_t(m)].tileByte].push_back(m);
    int previousEnd = 0;
    for (const auto& [start, users] : byStart) {
        const Monster& first = monsters()[size_t(users.front())];
        EXPECT_GE(start, previousEnd) << "monster " << users.front() << " overlaps the run before it";
        previousEnd = start + first.tiles * first.tileSize();
        for (size_t i = 1; i < users.size(); ++i) {
            const Monster& other = monsters()[size_t(users[i])];
            EXPECT_EQ(other.pixels, first.pixels) << users[i];
            EXPECT_NE(colourOf(other, 3), colourOf(first, 3)) << users[i] << " and " << users.front();
        }
    }
    // Sharing leaves room, but most monsters of a kind still differ.
    EXPECT_GE(byStart.size(), 100u);
}

TEST(SampleMonsters, DepthsSizesAndPicturesVary)
{
    std::set<std::pair<bool, bool>> kinds;
    std::set<std::vector<int>> pictures;
    std::set<int> widths;
    int large = 0;
    for (const Monster& mon : monsters()) {
        kinds.insert({mon.large, mon.threeBit});
        pictures.insert(mon.pixels);
        large += mon.large;
        int right = 0;
        for (int y = 0; y < mon.cells * 8; ++y)
            for (int x = 0; x < mon.cells * 8; ++x)
                if (mon.at(x, y))
                    right = std::max(right, x);
        widths.insert(right);
    }
    EXPECT_EQ(kinds.size(), 4u);  // small and large, 3 and 4 bits a pixel
    EXPECT_GE(pictures.size(), 100u);
    EXPECT_GE(widths.size(), 20u);
    EXPECT_GT(large, 10);
    EXPECT_LT(large, kMonsterCount / 4);
}

}  // namespace
