#include "rom/freespace.h"
#include "rom/romimage.h"
#include "tests/testsupport.h"
#include "worldmap/lzcodec.h"
#include "worldmap/worldmap.h"
#include "document/parts/worldmappart.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

using namespace worldmap;

// `b` was read back from a file `a` was saved into.
void expectSameMap(const WorldMap& a, const WorldMap& b)
{
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.tileMap, b.tileMap);
    EXPECT_EQ(a.pieces, b.pieces);
    EXPECT_EQ(a.tileAssembly.bytes, b.tileAssembly.bytes);
    EXPECT_EQ(a.piecePalette, b.piecePalette);
    EXPECT_EQ(a.palette, b.palette);
    EXPECT_EQ(a.tileProperties, b.tileProperties);
    EXPECT_EQ(a.rebuiltSummary(), b.regionSummary);
    ASSERT_EQ(a.triggers.size(), b.triggers.size());
    for (int i = 0; i < a.triggers.size(); ++i) {
        EXPECT_EQ(a.triggers[i].kind, b.triggers[i].kind) << i;
        EXPECT_EQ(a.triggers[i].x, b.triggers[i].x) << i;
        EXPECT_EQ(a.triggers[i].y, b.triggers[i].y) << i;
        EXPECT_EQ(a.triggers[i].data, b.triggers[i].data) << i;
    }
}

}  // namespace

TEST(WorldMapLoad, TheSampleRomHasBothMapsWithTheirParts)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    ASSERT_EQ(worldMapCount(t.doc), 2);
    EXPECT_EQ(worldMapPartOf(t.doc, 0)->name(), QStringLiteral("World of Balance"));
    EXPECT_EQ(worldMapPartOf(t.doc, 1)->name(), QStringLiteral("World of Ruin"));
    EXPECT_EQ(worldMapOf(t.doc, 2), nullptr);
    for (int m = 0; m < 2; ++m) {
        const WorldMap& map = *worldMapOf(t.doc, m);
        EXPECT_EQ(map.tileMap.size(), 65536);
        EXPECT_EQ(map.pieces.size(), 8192);
        EXPECT_EQ(map.regionSummary, map.rebuiltSummary());
        EXPECT_GT(map.triggerCount(MapTrigger::Entrance), 5);
        EXPECT_GT(map.triggerCount(MapTrigger::Event), 2);
        // Entrances come first, all marking their region.
        EXPECT_EQ(map.triggers.first().kind, MapTrigger::Entrance);
        EXPECT_EQ(map.triggers.last().kind, MapTrigger::Event);
        for (const MapTrigger& trigger : map.triggers)
            EXPECT_TRUE(trigger.marksRegion());
    }
    EXPECT_EQ(worldMapOf(t.doc, 1)->tileMapPointers.locations(), (QList<SnesAddress>{0xEEB221, 0xEEB224}));
}

TEST(WorldMapSave, OpenSaveReopenKeepsBothMapsByteIdentical)
{
    TempRom file;
    TestDoc first;
    ASSERT_TRUE(first.doc.open(file.path()));
    ASSERT_TRUE(first.doc.save(file.path()));
    TestDoc second;
    ASSERT_TRUE(second.doc.open(file.path()));
    for (int m = 0; m < 2; ++m)
        expectSameMap(*worldMapOf(first.doc, m), *worldMapOf(second.doc, m));
    EXPECT_EQ(file.read(), resavedSampleRomBytes());
}

TEST(WorldMapSave, TheRegionSummaryIsRebuiltFromTheEditedPropertiesAndTiles)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    WorldMap& ruin = *worldMapOf(t.doc, 1);
    const QByteArray before = ruin.regionSummary;
    ruin.setTileProperty(0, 0x0F0C);  // ocean casts the largest shadow now
    ruin.setTile(10, 20, 0x41);
    ASSERT_TRUE(t.doc.save(file.path()));

    TestDoc reopened;
    ASSERT_TRUE(reopened.doc.open(file.path()));
    const WorldMap& after = *worldMapOf(reopened.doc, 1);
    EXPECT_EQ(after.tileAt(10, 20), 0x41);
    // A block of open sea was 1 (no shadow) and is 10 (shadow 3 on each of 16 tiles) now.
    const auto openSea = [&](int block) {
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                if (ruin.tileAt(block % 64 * 4 + x, block / 64 * 4 + y) != 0)
                    return false;
        return true;
    };
    int sea = 0;
    while (sea < 64 * 64 && !openSea(sea))
        ++sea;
    ASSERT_LT(sea, 64 * 64);
    EXPECT_EQ(RegionSummary::unpack(before)[std::size_t(sea)], 1);
    EXPECT_EQ(RegionSummary::unpack(after.regionSummary)[std::size_t(sea)], 10);
    EXPECT_EQ(after.regionSummary, ruin.rebuiltSummary());
    expectSameMap(*worldMapOf(t.doc, 0), *worldMapOf(reopened.doc, 0));
}

TEST(WorldMapSave, ATileMapPastItsRoomMovesToFreeSpaceWithEveryPointerRewritten)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    const QByteArray before = resavedSampleRomBytes();
    const SnesAddress ruinHome = pointerAt(before, 0xEEB221);
    const SnesAddress balanceHome = pointerAt(before, 0xEEB20F);
    roughenMap(*worldMapOf(t.doc, 0), 150, 1);
    roughenMap(*worldMapOf(t.doc, 1), 140, 2);
    const QByteArray balanceStream = LzCodec::encode(worldMapOf(t.doc, 0)->tileMap);
    const QByteArray ruinStream = LzCodec::encode(worldMapOf(t.doc, 1)->tileMap);
    ASSERT_GT(balanceStream.size(), qsizetype(kBalance.tileMapRoom));
    ASSERT_GT(ruinStream.size(), qsizetype(kRuin.tileMapRoom));
    ASSERT_TRUE(t.doc.save(file.path())) << t.messages.entries.value(0).text.toStdString();

    const QByteArray after = file.read();
    ASSERT_EQ(after.size(), 0x400200);
    // World of Balance first at $F0:0000, World of Ruin right behind it.
    EXPECT_EQ(pointerAt(after, 0xEEB20F), 0xF00000u);
    const SnesAddress ruinAddress = 0xF00000 + SnesAddress(balanceStream.size());
    EXPECT_EQ(pointerAt(after, 0xEEB221), ruinAddress);
    EXPECT_EQ(pointerAt(after, 0xEEB224), ruinAddress);
    EXPECT_EQ(bytesAt(after, 0xF00000, int(balanceStream.size())), balanceStream);
    EXPECT_EQ(bytesAt(after, ruinAddress, int(ruinStream.size())), ruinStream);
    // The rooms left behind are zero, and so is everything past the data.
    EXPECT_EQ(bytesAt(after, ruinHome, int(kRuin.tileMapRoom)), QByteArray(kRuin.tileMapRoom, '\0'));
    EXPECT_EQ(bytesAt(after, balanceHome, int(kBalance.tileMapRoom)), QByteArray(kBalance.tileMapRoom, '\0'));
    const qint64 end = rom::fileOffset(ruinAddress) + ruinStream.size();
    EXPECT_EQ(after.mid(end), QByteArray(after.size() - end, '\0'));
    // Nothing else in the image moved.
    EXPECT_EQ(after.left(rom::fileOffset(0xEEB20F)), before.left(rom::fileOffset(0xEEB20F)));

    // A second save lays the expansion area out the same way and keeps every block.
    TestDoc again;
    ASSERT_TRUE(again.doc.open(file.path()));
    for (int m = 0; m < 2; ++m)
        expectSameMap(*worldMapOf(t.doc, m), *worldMapOf(again.doc, m));
    ASSERT_TRUE(again.doc.save(file.path()));
    EXPECT_EQ(file.read(), after);
    TestDoc third;
    ASSERT_TRUE(third.doc.open(file.path()));
    for (int m = 0; m < 2; ++m)
        expectSameMap(*worldMapOf(t.doc, m), *worldMapOf(third.doc, m));
}

TEST(WorldMapSave, AMapThatCannotBeCompressedInto65535BytesRefusesTheSave)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    roughenMap(*worldMapOf(t.doc, 1), 256, 3, 0, 256);
    EXPECT_FALSE(t.doc.save(file.path()));
    ASSERT_EQ(t.messages.entries.size(), 1);
    EXPECT_TRUE(t.messages.entries[0].text.startsWith(
        QStringLiteral("The tile map of the World of Ruin compresses to ")))
        << t.messages.entries[0].text.toStdString();
    EXPECT_EQ(file.read(), sampleRomBytes());
}

TEST(WorldMapSave, BlocksThatNoFreeRunHoldsRefuseBeforeWriting)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    roughenMap(*worldMapOf(t.doc, 0), 150, 4);
    RomImage rom;
    rom.openInMemory(sampleRomBytes());
    FreeSpace space({{0xFFF000, 0x1000000}});
    QString reason;
    EXPECT_FALSE(saveWorldMaps(t.doc, rom, space, &reason));
    const qsizetype stream = LzCodec::encode(worldMapOf(t.doc, 0)->tileMap).size();
    EXPECT_TRUE(reason.contains(QStringLiteral("tile map of the World of Balance"))) << reason.toStdString();
    EXPECT_TRUE(reason.contains(QStringLiteral("%1 bytes of room are missing").arg(stream - 0x1000)))
        << reason.toStdString();
    EXPECT_EQ(rom.data(), sampleRomBytes());
}

TEST(WorldMapLoad, ATriggerIndexPairRunningBackwardsGivesNoTriggers)
{
    QByteArray image = sampleRomBytes();
    // World of Ruin entrance pair: end word below its start word.
    const int start = quint8(image[rom::fileOffset(0xDFBB02)]) | quint8(image[rom::fileOffset(0xDFBB03)]) << 8;
    image[rom::fileOffset(0xDFBB04)] = char(start - 6);
    image[rom::fileOffset(0xDFBB05)] = char((start - 6) >> 8);
    TempRom file(image);
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    EXPECT_EQ(worldMapOf(t.doc, 1)->triggerCount(MapTrigger::Entrance), 0);
    EXPECT_GT(worldMapOf(t.doc, 1)->triggerCount(MapTrigger::Event), 0);
    EXPECT_GT(worldMapOf(t.doc, 0)->triggerCount(MapTrigger::Entrance), 0);
    // Saving writes no entrance records for the World of Ruin.
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_EQ(bytesAt(file.read(), 0xDFBB00, 0x400), bytesAt(image, 0xDFBB00, 0x400));
}

TEST(WorldMapSave, MovedBlocksGoBehindWhateverTheDialogueSavePutInTheExpansionArea)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    roughenMap(*worldMapOf(t.doc, 1), 140, 5);
    RomImage rom;
    rom.openInMemory(sampleRomBytes());
    rom.SeekSnes(0xF00000);
    rom.writeFill('d', 0x1234);  // overflowing dialogue, say
    FreeSpace space;
    space.take({0xF00000, 0xF01234});
    QString reason;
    ASSERT_TRUE(saveWorldMaps(t.doc, rom, space, &reason)) << reason.toStdString();
    const QByteArray stream = LzCodec::encode(worldMapOf(t.doc, 1)->tileMap);
    EXPECT_EQ(rom.ReadPointer24(0xEEB221), 0xF01234u);
    EXPECT_EQ(space.dataEnd(), 0xF01234u + quint32(stream.size()));
    EXPECT_EQ(bytesAt(rom.data(), 0xF00000, 0x1234), QByteArray(0x1234, 'd'));
    EXPECT_EQ(bytesAt(rom.data(), 0xF01234, int(stream.size())), stream);
}

TEST(WorldMapSave, ClearingAVacatedRoomNeverWipesABlockWrittenInTheSameSave)
{
    // A damaged ROM: the World of Ruin tile map's room overlaps the World
    // of Balance graphics block, which stays in place.
    QByteArray image = sampleRomBytes();
    const SnesAddress balanceGraphics = pointerAt(image, 0xEEB212);
    const QByteArray ruinBlock = bytesAt(image, pointerAt(image, 0xEEB221), int(kRuin.tileMapRoom));
    image.replace(rom::fileOffset(balanceGraphics - 100), ruinBlock.size(), ruinBlock);
    for (SnesAddress location : {0xEEB221u, 0xEEB224u})
        for (int i = 0; i < 3; ++i)
            image[rom::fileOffset(location) + i] = char((balanceGraphics - 100) >> (8 * i));
    TempRom file(image);
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    roughenMap(*worldMapOf(t.doc, 1), 140, 6);
    ASSERT_TRUE(t.doc.save(file.path()));
    TestDoc reopened;
    ASSERT_TRUE(reopened.doc.open(file.path()));
    EXPECT_EQ(worldMapOf(reopened.doc, 0)->graphicsBlock(), worldMapOf(t.doc, 0)->graphicsBlock());
    EXPECT_EQ(worldMapOf(reopened.doc, 1)->tileMap, worldMapOf(t.doc, 1)->tileMap);
}
