#include "document/editcommands.h"
#include "tests/testsupport.h"
#include "worldmap/entrancedestination.h"
#include "worldmap/regionsummary.h"
#include "worldmap/triggerrowtexts.h"
#include "worldmap/worldmap.h"
#include "document/parts/worldmappart.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

MapTrigger entrance(quint32 data, int x = 10, int y = 20)
{
    MapTrigger t;
    t.kind = MapTrigger::Entrance;
    t.x = quint8(x);
    t.y = quint8(y);
    t.data = data;
    return t;
}

int gridValue(const QByteArray& stored, QPoint cell)
{
    return RegionSummary::unpack(stored)[std::size_t((cell.y() / 4) * RegionSummary::kGridSize + cell.x() / 4)];
}

}  // namespace

TEST(EntranceDestination, ReadsEveryFieldOfTheFourBytes)
{
    // Map $1A3, name shown, facing left (3), to (0x45, 0x67); bits 9, 10, 14, 15 set too.
    const EntranceDestination d = EntranceDestination::of(entrance(0x6745F000u | 0x0E00 | 0x01A3 | 0x0800));
    EXPECT_EQ(d.map, 0x1A3);
    EXPECT_TRUE(d.showName);
    EXPECT_EQ(d.facing, EntranceDestination::Left);
    EXPECT_EQ(d.x, 0x45);
    EXPECT_EQ(d.y, 0x67);
    EXPECT_EQ(d.worldMap(), -1);
}

TEST(EntranceDestination, RebuildingTheWordKeepsOnlyMapNameAndFacing)
{
    EntranceDestination d = EntranceDestination::of(entrance(0x0201FFFFu));
    EXPECT_EQ(d.data(), 0x020139FFu);  // bits 9, 10, 14 and 15 cleared
    d.showName = false;
    d.facing = EntranceDestination::Right;
    d.map = 1;
    EXPECT_EQ(d.data(), 0x02011001u);
    EXPECT_EQ(d.worldMap(), EntranceDestination::kWorldOfRuin);
    for (int f = EntranceDestination::Up; f <= EntranceDestination::Left; ++f) {
        d.facing = EntranceDestination::Facing(f);
        EXPECT_EQ(EntranceDestination::of(entrance(d.data())).facing, f);
    }
}

TEST(TriggerRowTexts, EntrancesFillEveryColumnAndEventsTheFirstTwo)
{
    const auto door = TriggerRowTexts::of(entrance(0x30200A05u | 0x800 | 2 << 12, 7, 255));
    EXPECT_EQ(door[TriggerRowTexts::SourcePosition], QStringLiteral("(7, 255)"));
    EXPECT_EQ(door[TriggerRowTexts::Destination], QStringLiteral("$005"));
    EXPECT_EQ(door[TriggerRowTexts::DestinationPosition], QStringLiteral("(32, 48)"));
    EXPECT_EQ(door[TriggerRowTexts::Facing], QStringLiteral("Down"));
    EXPECT_EQ(door[TriggerRowTexts::ShowName], QStringLiteral("Yes"));

    MapTrigger event;
    event.kind = MapTrigger::Event;
    event.x = 0;
    event.y = 1;
    event.data = 0x0CA00F;
    const auto script = TriggerRowTexts::of(event);
    EXPECT_EQ(script[TriggerRowTexts::SourcePosition], QStringLiteral("(0, 1)"));
    EXPECT_EQ(script[TriggerRowTexts::Destination], QStringLiteral("$0CA00F"));
    EXPECT_TRUE(script[TriggerRowTexts::DestinationPosition].isEmpty());
    EXPECT_TRUE(script[TriggerRowTexts::ShowName].isEmpty());
    EXPECT_EQ(TriggerRowTexts::width(TriggerRowTexts::Facing), 43);
}

TEST(WorldMapTriggers, TheFirstTriggerOnACellIsFoundInListOrder)
{
    WorldMap map;
    map.triggers = {entrance(0, 5, 5), entrance(1, 3, 4), entrance(2, 3, 4)};
    EXPECT_EQ(map.firstTriggerAt(3, 4), 1);
    EXPECT_EQ(map.firstTriggerAt(5, 5), 0);
    EXPECT_EQ(map.firstTriggerAt(4, 3), -1);
}

// Trigger edits through the document's stack, saved and read back.
TEST(TriggerEdits, EditsAndUncheckedTriggersSurviveSaveAndReopen)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    const WorldMap& map = *worldMapOf(t.doc, 0);
    // A trigger alone in its block of 4 x 4 cells (shadows alone never give 5).
    int lone = -1;
    for (int i = 0; i < map.triggers.size() && lone < 0; ++i) {
        const MapTrigger& a = map.triggers[i];
        const bool alone = std::none_of(map.triggers.begin(), map.triggers.end(), [&](const MapTrigger& b) {
            return &a != &b && a.x / 4 == b.x / 4 && a.y / 4 == b.y / 4;
        });
        if (alone)
            lone = i;
    }
    ASSERT_GE(lone, 0);
    const QPoint cell(map.triggers[lone].x, map.triggers[lone].y);
    ASSERT_EQ(gridValue(map.rebuiltSummary(), cell), 5);

    MapTrigger unchecked = map.triggers[lone];
    unchecked.flags &= ~MapTrigger::kMarksRegion;
    t.doc.undoStack()->push(new SetTriggerCommand(t.doc, 0, lone, unchecked, QStringLiteral("Uncheck Trigger")));
    EXPECT_TRUE(t.doc.isModified());
    EXPECT_NE(gridValue(map.rebuiltSummary(), cell), 5);

    const int first = 0;
    const MapTrigger original = map.triggers[first];
    MapTrigger moved = original;
    ASSERT_EQ(moved.kind, MapTrigger::Entrance);
    moved.x = 200;
    moved.y = 201;
    EntranceDestination d = EntranceDestination::of(moved);
    d.map = 0x1FF;
    d.facing = EntranceDestination::Left;
    moved.data = d.data();
    t.doc.undoStack()->push(new SetTriggerCommand(t.doc, 0, first, moved, QStringLiteral("Edit Trigger")));
    ASSERT_TRUE(t.doc.save(file.path()));

    TestDoc reopened;
    ASSERT_TRUE(reopened.doc.open(file.path()));
    const WorldMap& after = *worldMapOf(reopened.doc, 0);
    EXPECT_EQ(after.triggers[first].x, 200);
    EXPECT_EQ(after.triggers[first].y, 201);
    EXPECT_EQ(after.triggers[first].data, moved.data);
    // The unchecked trigger no longer forces its block to 5 in the saved summary.
    EXPECT_NE(gridValue(after.regionSummary, cell), 5);
    EXPECT_EQ(after.regionSummary, map.rebuiltSummary());

    t.doc.undoStack()->undo();
    t.doc.undoStack()->undo();
    EXPECT_EQ(map.triggers[first].x, original.x);
    EXPECT_EQ(map.triggers[first].data, original.data);
    EXPECT_TRUE(map.triggers[lone].marksRegion());
    EXPECT_EQ(gridValue(map.rebuiltSummary(), cell), 5);
}

TEST(SampleRom, EachWorldMapHasAnEntranceToEachWorldMap)
{
    TestDoc t;
    TempRom file;
    ASSERT_TRUE(t.doc.open(file.path()));
    for (int m = 0; m < 2; ++m) {
        QList<int> worlds;
        for (const MapTrigger& trigger : worldMapOf(t.doc, m)->triggers)
            if (trigger.kind == MapTrigger::Entrance && EntranceDestination::of(trigger).worldMap() >= 0)
                worlds.append(EntranceDestination::of(trigger).worldMap());
        EXPECT_TRUE(worlds.contains(0) && worlds.contains(1)) << m;
    }
}
