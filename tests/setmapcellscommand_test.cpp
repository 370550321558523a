#include "document/setmapcellscommand.h"
#include "tests/testsupport.h"
#include "worldmap/worldmap.h"
#include "document/parts/worldmappart.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// World of Balance of the sample ROM, edited through map cell commands.
class MapCellsCommand : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(t.doc.open(file.path())); }

    WorldMap& map(int index = 0) { return *worldMapOf(t.doc, index); }
    QUndoStack* stack() { return t.doc.undoStack(); }
    void push(const std::vector<MapCellWrite>& writes, const QString& text, quint64 step, int mapIndex = 0)
    {
        stack()->push(new SetMapCellsCommand(t.doc, mapIndex, writes, text, step));
    }
    // A tile the cell does not hold.
    quint8 otherThan(QPoint cell, int offset = 1, int mapIndex = 0)
    {
        return quint8(map(mapIndex).tileAt(cell.x(), cell.y()) + offset);
    }

    TempRom file;
    TestDoc t;
};

}  // namespace

TEST_F(MapCellsCommand, CellsOffTheMapAreSkippedAndUndoRestores)
{
    const QByteArray original = map().tileMap;
    QSignalSpy cells(&t.doc, &CFF3Doc::changed);
    const QPoint corner(map().width - 1, map().height - 1);
    const quint8 tile = otherThan(corner);
    push({{corner, tile}, {corner + QPoint(1, 0), tile}, {QPoint(-1, 3), tile}}, QStringLiteral("Paste"), 0);
    QByteArray expected = original;
    expected[map().width * map().height - 1] = char(tile);
    EXPECT_EQ(map().tileMap, expected);
    ASSERT_EQ(cells.size(), 1);
    const DocumentChange change = cells[0][0].value<DocumentChange>();
    EXPECT_EQ(change.ref, RecordRef(RecordKind::MapCell, 0));
    EXPECT_EQ(change.cells, QRect(corner, QSize(1, 1)));
    stack()->undo();
    EXPECT_EQ(map().tileMap, original);
    EXPECT_EQ(cells.size(), 2);
}

TEST_F(MapCellsCommand, PartsOfOneStepMergeAndTheNewestNamesIt)
{
    const QByteArray original = map().tileMap;
    const quint8 was55 = quint8(map().tileAt(5, 5));
    const quint8 was65 = quint8(map().tileAt(6, 5));
    const quint64 step = SetMapCellsCommand::newStep();
    push({{{5, 5}, quint8(was55 + 1)}}, QStringLiteral("Brush"), step);
    // The same cell again, and a cell written twice in one part: the last tile counts.
    push({{{5, 5}, quint8(was55 + 2)}, {{6, 5}, quint8(was65 + 1)}, {{6, 5}, quint8(was65 + 3)}},
         QStringLiteral("Cut"), step);
    EXPECT_EQ(stack()->count(), 1);
    EXPECT_EQ(stack()->undoText(), QStringLiteral("Cut"));
    EXPECT_EQ(map().tileAt(5, 5), quint8(was55 + 2));
    EXPECT_EQ(map().tileAt(6, 5), quint8(was65 + 3));
    stack()->undo();
    EXPECT_EQ(map().tileMap, original);
    stack()->redo();
    EXPECT_EQ(map().tileAt(5, 5), quint8(was55 + 2));
    EXPECT_EQ(map().tileAt(6, 5), quint8(was65 + 3));
}

TEST_F(MapCellsCommand, APartWithoutChangesStillNamesTheStepItJoins)
{
    const quint64 step = SetMapCellsCommand::newStep();
    push({{{1, 1}, otherThan({1, 1})}}, QStringLiteral("Move Selection"), step);
    push({{{1, 1}, quint8(map().tileAt(1, 1))}}, QStringLiteral("Cut"), step);
    EXPECT_EQ(stack()->count(), 1);
    EXPECT_EQ(stack()->undoText(), QStringLiteral("Cut"));
    // On its own it is no step at all.
    push({{{2, 2}, quint8(map().tileAt(2, 2))}}, QStringLiteral("Brush"), SetMapCellsCommand::newStep());
    EXPECT_EQ(stack()->count(), 1);
}

TEST_F(MapCellsCommand, AStepThatEndsAsItBeganIsRemovedAndTheSavedStateIsCleanAgain)
{
    flipItemNameBits(t.doc, 3, 0);
    ASSERT_TRUE(t.doc.save(file.path()));
    const QByteArray saved = map().tileMap;
    const quint64 step = SetMapCellsCommand::newStep();
    push({{{7, 8}, 0xFF}, {{8, 8}, 0xFF}}, QStringLiteral("Move Selection"), step);
    EXPECT_TRUE(t.doc.isModified());
    push({{{7, 8}, quint8(saved[8 * map().width + 7])}, {{8, 8}, quint8(saved[8 * map().width + 8])}},
         QStringLiteral("Move Selection"), step);
    EXPECT_EQ(map().tileMap, saved);
    EXPECT_EQ(stack()->count(), 1);  // only the name edit from before the save
    EXPECT_FALSE(t.doc.isModified());
}

namespace {

// A second part pushed after a first one of step 1 on map 0.
struct MergeCase {
    const char* label;
    bool sameStep;
    int map;
    bool otherEditBetween;
    int steps;  // on the stack afterwards
};

class MapCellsMerging : public MapCellsCommand, public testing::WithParamInterface<MergeCase> {};

}  // namespace

TEST_P(MapCellsMerging, OnlyTheSameStepOfTheSameMapMergesWhileNewest)
{
    const MergeCase& c = GetParam();
    const quint64 step = SetMapCellsCommand::newStep();
    push({{{3, 3}, otherThan({3, 3})}}, QStringLiteral("Brush"), step);
    if (c.otherEditBetween)
        flipItemNameBits(t.doc, 4, 0);
    push({{{4, 3}, otherThan({4, 3}, 1, c.map)}}, QStringLiteral("Brush"),
         c.sameStep ? step : SetMapCellsCommand::newStep(), c.map);
    EXPECT_EQ(stack()->count(), c.steps);
}

INSTANTIATE_TEST_SUITE_P(
    Parts, MapCellsMerging,
    testing::Values(MergeCase{"SameStep", true, 0, false, 1}, MergeCase{"OtherStep", false, 0, false, 2},
                    MergeCase{"OtherMap", true, 1, false, 2}, MergeCase{"EditBetween", true, 0, true, 3}),
    [](const testing::TestParamInfo<MergeCase>& info) { return std::string(info.param.label); });

TEST_F(MapCellsCommand, StepZeroNeverMerges)
{
    push({{{3, 3}, otherThan({3, 3})}}, QStringLiteral("Paste"), 0);
    push({{{4, 3}, otherThan({4, 3})}}, QStringLiteral("Paste"), 0);
    EXPECT_EQ(stack()->count(), 2);
}
