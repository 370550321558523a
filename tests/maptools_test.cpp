#include "worldmap/editing/celllines.h"
#include "worldmap/editing/mapblock.h"
#include "worldmap/editing/maptools.h"
#include "worldmap/worldmap.h"

#include <gtest/gtest.h>

namespace {

// A 256 x 256 map of tile 0 with its tools, fed as the view feeds them.
struct Editor {
    Editor() : tools((map.tileMap = QByteArray(256 * 256, '\0'), map)) {}

    void send(MapEvent event, QPoint cell)
    {
        tools.handle(event, {cell, cell});
        changes.merge(tools.takeChanges());
    }
    void click(QPoint cell)
    {
        send(MapEvent::Press, cell);
        send(MapEvent::Release, cell);
    }
    void drag(QPoint from, QPoint to)
    {
        send(MapEvent::Press, from);
        send(MapEvent::Drag, to);
        send(MapEvent::Release, to);
    }
    void use(MapToolId tool, int tile)
    {
        tools.selectTool(tool);
        tools.session().setCurrentTile(tile);
    }
    int at(int x, int y) const { return map.tileAt(x, y); }
    const std::deque<UndoRecord>& records() const { return tools.session().undoList().records(); }
    int countTile(int tile) const { return int(map.tileMap.count(char(tile))); }

    WorldMap map;
    MapTools tools;
    MapChanges changes;
};

}  // namespace

TEST(MapBrush, PaintsChangedCellsOnlyAndOneStepPerStroke)
{
    Editor e;
    e.map.setTile(3, 1, 7);
    e.use(MapToolId::Brush, 7);
    // The stroke starts on a cell that holds the tile already.
    e.send(MapEvent::Press, {3, 1});
    EXPECT_TRUE(e.records().empty());
    e.send(MapEvent::Drag, {4, 1});
    e.send(MapEvent::Drag, {4, 1});  // moving within a cell adds nothing
    e.send(MapEvent::Drag, {8, 1});  // the skipped cells are painted too
    e.send(MapEvent::Release, {8, 1});
    for (int x = 3; x <= 8; ++x)
        EXPECT_EQ(e.at(x, 1), 7) << x;
    ASSERT_EQ(e.records().size(), 5u);
    EXPECT_TRUE(e.records()[0].startsStep);
    EXPECT_EQ(e.records()[0].x, 4);
    EXPECT_EQ(e.records()[0].oldTile, 0);
    EXPECT_FALSE(e.records()[4].startsStep);
    EXPECT_EQ(e.tools.session().undoList().stepCount(), 1);
    EXPECT_TRUE(e.changes.mapChanged);
    EXPECT_EQ(e.changes.mapCells, QRect(4, 1, 5, 1));

    // A second stroke is a step of its own; a stroke that changes nothing records nothing.
    e.drag({4, 2}, {4, 3});
    e.drag({4, 1}, {5, 1});
    EXPECT_EQ(e.tools.session().undoList().stepCount(), 2);
    e.tools.undo();
    EXPECT_EQ(e.at(4, 2), 0);
    EXPECT_EQ(e.at(4, 1), 7);
}

TEST(MapBrush, StaysInsideTheSelection)
{
    Editor e;
    e.use(MapToolId::Marquee, 0);
    e.drag({2, 2}, {3, 3});
    e.tools.undo();  // puts the lifted block back; the selection stays
    e.use(MapToolId::Brush, 5);
    e.drag({1, 2}, {4, 2});
    EXPECT_EQ(e.at(1, 2), 0);
    EXPECT_EQ(e.at(2, 2), 5);
    EXPECT_EQ(e.at(3, 2), 5);
    EXPECT_EQ(e.at(4, 2), 0);
    EXPECT_EQ(e.countTile(0xFF), 0);
}

TEST(MapUndoList, The201stStepPushesOutOnlyTheOldestRecord)
{
    Editor e;
    e.use(MapToolId::FilledRectangle, 1);
    e.drag({0, 0}, {2, 0});  // step 1: three records
    for (int i = 1; i < 200; ++i) {
        e.use(MapToolId::FilledRectangle, 1 + i % 2);
        e.drag({0, 1}, {0, 1});
    }
    EXPECT_EQ(e.tools.session().undoList().stepCount(), 200);
    EXPECT_EQ(e.records().size(), 202u);

    e.drag({0, 2}, {0, 2});  // step 201
    EXPECT_EQ(e.tools.session().undoList().stepCount(), 200);
    ASSERT_EQ(e.records().size(), 202u);
    // What is left of step 1 no longer starts a step.
    EXPECT_EQ(e.records().front().x, 1);
    EXPECT_FALSE(e.records().front().startsStep);

    for (int i = 0; i < 200; ++i)
        e.tools.undo();
    EXPECT_EQ(e.at(0, 1), 0);
    EXPECT_EQ(e.at(1, 0), 1);
    EXPECT_EQ(e.at(2, 0), 1);
    // The remains of the first step go back together, as one step.
    ASSERT_TRUE(e.tools.canUndo());
    e.tools.undo();
    EXPECT_FALSE(e.tools.canUndo());
    EXPECT_EQ(e.at(1, 0), 0);
    EXPECT_EQ(e.at(2, 0), 0);
    EXPECT_EQ(e.at(0, 0), 1);  // its first record was pushed out
}

TEST(MapUndoList, WhileTwoHundredStepsAreHeldEachRecordPushesOneOut)
{
    Editor e;
    e.use(MapToolId::FilledRectangle, 3);
    for (int i = 0; i < 200; ++i)
        e.drag({i % 4, 0}, {i % 4, 0});
    ASSERT_EQ(e.records().size(), 200u);
    // Three records: the first two each push out a whole one-record step,
    // which leaves 199 steps, so the third pushes out nothing.
    e.drag({0, 5}, {2, 5});
    EXPECT_EQ(e.records().size(), 201u);
    EXPECT_EQ(e.tools.session().undoList().stepCount(), 199);
}

TEST(MapFilledRectangle, DraggedUpAndLeftStillHoldsTheAnchor)
{
    Editor e;
    e.map.setTile(5, 5, 9);
    e.use(MapToolId::FilledRectangle, 9);
    e.send(MapEvent::Press, {5, 5});
    EXPECT_EQ(e.tools.session().rubberBand(), QRect(5, 5, 1, 1));
    e.send(MapEvent::Drag, {3, 2});
    EXPECT_EQ(e.tools.session().rubberBand(), QRect(3, 2, 3, 4));
    e.send(MapEvent::Release, {3, 2});
    EXPECT_EQ(e.countTile(9), 12);
    EXPECT_EQ(e.at(5, 5), 9);
    EXPECT_EQ(e.at(3, 2), 9);
    EXPECT_TRUE(e.tools.session().rubberBand().isEmpty());
    // Every cell is recorded, the one that held the tile too, row by row.
    ASSERT_EQ(e.records().size(), 12u);
    EXPECT_EQ(QPoint(e.records()[0].x, e.records()[0].y), QPoint(3, 2));
    EXPECT_EQ(QPoint(e.records()[11].x, e.records()[11].y), QPoint(5, 5));
    EXPECT_EQ(e.records()[11].oldTile, 9);
    EXPECT_EQ(e.tools.session().undoList().stepCount(), 1);
}

TEST(MapFilledRectangle, TheRightButtonCancelsTheDrag)
{
    Editor e;
    e.use(MapToolId::FilledRectangle, 4);
    e.send(MapEvent::Press, {1, 1});
    e.send(MapEvent::Drag, {6, 6});
    e.send(MapEvent::RightPress, {6, 6});
    EXPECT_TRUE(e.tools.session().rubberBand().isEmpty());
    e.send(MapEvent::Release, {6, 6});
    EXPECT_EQ(e.countTile(4), 0);
    EXPECT_FALSE(e.tools.canUndo());
}

TEST(MapMarquee, LiftsIntoAFloatingBlockAndDropsItBack)
{
    Editor e;
    e.map.setTile(10, 20, 0x42);
    e.map.setTile(12, 21, 0x43);
    e.use(MapToolId::Marquee, 0);
    e.send(MapEvent::Press, {10, 20});
    e.send(MapEvent::Drag, {12, 21});
    EXPECT_TRUE(e.changes.marqueeSizeChanged);
    EXPECT_EQ(e.tools.session().rubberBand().size(), QSize(3, 2));
    e.send(MapEvent::Release, {12, 21});

    const MapEditSession& s = e.tools.session();
    EXPECT_EQ(s.selection(), QRect(10, 20, 3, 2));
    ASSERT_TRUE(s.hasFloatingBlock());
    EXPECT_EQ(s.floatingBlock().size(), QSize(3, 2));
    EXPECT_EQ(s.floatingBlock().tileAt(0, 0), 0x42);
    EXPECT_EQ(s.floatingBlock().tileAt(2, 1), 0x43);
    EXPECT_EQ(e.countTile(0xFF), 6);
    EXPECT_EQ(s.shownTileAt({12, 21}), 0x43);
    EXPECT_EQ(e.tools.tileMapAsSaved()[21 * 256 + 12], char(0x43));
    EXPECT_FALSE(e.tools.canUndo());

    // A click drops the block back and ends the selection.
    e.click({40, 40});
    EXPECT_FALSE(s.hasFloatingBlock());
    EXPECT_TRUE(s.selection().isEmpty());
    EXPECT_EQ(e.at(10, 20), 0x42);
    EXPECT_EQ(e.at(12, 21), 0x43);
    EXPECT_EQ(e.countTile(0xFF), 0);
    EXPECT_FALSE(e.tools.canUndo());
}

TEST(MapMarquee, PaintingToolsAndUndoPutTheFloatingBlockBackFirst)
{
    Editor e;
    e.map.setTile(1, 1, 8);
    e.use(MapToolId::Marquee, 0);
    e.drag({0, 0}, {2, 2});
    e.use(MapToolId::Brush, 3);
    e.click({1, 0});
    EXPECT_EQ(e.at(1, 1), 8);
    EXPECT_EQ(e.at(1, 0), 3);
    EXPECT_EQ(e.countTile(0xFF), 0);
    EXPECT_FALSE(e.tools.session().hasFloatingBlock());
    EXPECT_EQ(e.tools.session().selection(), QRect(0, 0, 3, 3));

    e.use(MapToolId::Marquee, 0);
    e.drag({0, 0}, {1, 1});
    EXPECT_EQ(e.countTile(0xFF), 4);
    EXPECT_TRUE(e.tools.dropFloatingBlock());  // as before a save
    EXPECT_EQ(e.countTile(0xFF), 0);
    EXPECT_EQ(e.at(1, 1), 8);
}

TEST(MapClipboard, CopyCutAndPasteAtTheBottomRightCorner)
{
    Editor e;
    e.map.setTile(0, 0, 1);
    e.map.setTile(1, 0, 2);
    e.map.setTile(0, 1, 3);
    e.map.setTile(1, 1, 4);
    EXPECT_TRUE(e.tools.copy().isEmpty());  // no selection
    e.use(MapToolId::Marquee, 0);
    e.drag({0, 0}, {1, 1});

    const QByteArray copied = e.tools.copy();
    EXPECT_EQ(copied, QByteArray("\x02\x02\x01\x02\x03\x04", 6));
    EXPECT_EQ(e.at(1, 1), 4);  // written back, still floating
    EXPECT_TRUE(e.tools.session().hasFloatingBlock());

    EXPECT_EQ(e.tools.cut(), copied);
    EXPECT_FALSE(e.tools.session().hasFloatingBlock());
    EXPECT_EQ(e.countTile(0xFF), 4);  // a cut leaves 255 even after a copy

    ASSERT_TRUE(e.tools.beginPaste(copied));
    e.send(MapEvent::Hover, {255, 255});
    EXPECT_EQ(e.tools.session().rubberBand(), QRect(255, 255, 2, 2));
    EXPECT_EQ(e.tools.session().preview().tileAt(255, 255), 1);
    e.send(MapEvent::Press, {255, 255});  // no tool acts while a paste waits
    EXPECT_EQ(e.at(255, 255), 0);
    e.send(MapEvent::Release, {255, 255});
    EXPECT_EQ(e.at(255, 255), 1);
    EXPECT_EQ(e.at(0, 0), 0xFF);
    ASSERT_EQ(e.records().size(), 1u);  // only the part that fits
    EXPECT_TRUE(e.records()[0].startsStep);
    EXPECT_FALSE(e.tools.session().pastePending());
    EXPECT_TRUE(e.tools.session().selection().isEmpty());
    e.tools.undo();
    EXPECT_EQ(e.at(255, 255), 0);
}

TEST(MapClipboard, APasteDropsAFloatingBlockInsteadOfLosingIt)
{
    Editor e;
    e.map.setTile(5, 5, 6);
    e.use(MapToolId::Marquee, 0);
    e.drag({5, 5}, {6, 6});
    ASSERT_TRUE(e.tools.beginPaste(QByteArray("\x01\x01\x09", 3)));
    e.click({20, 20});
    EXPECT_EQ(e.at(5, 5), 6);
    EXPECT_EQ(e.countTile(0xFF), 0);
    EXPECT_EQ(e.at(20, 20), 9);
}

TEST(MapClipboard, ABadBlockIsRefusedAndTheRightButtonCancels)
{
    Editor e;
    EXPECT_FALSE(e.tools.beginPaste(QByteArray("\x02\x02\x01", 3)));  // too short
    EXPECT_FALSE(e.tools.beginPaste(QByteArray("\x05", 1)));
    EXPECT_FALSE(e.tools.session().pastePending());
    ASSERT_TRUE(e.tools.beginPaste(QByteArray("\x01\x01\x07\x99", 4)));  // trailing bytes ignored
    e.send(MapEvent::RightPress, {3, 3});
    e.click({3, 3});
    EXPECT_EQ(e.at(3, 3), 0);
    EXPECT_FALSE(e.tools.canUndo());
}

TEST(MapClipboard, BlocksAsLargeAsTheMapKeepTheirSize)
{
    Editor e;
    e.map.setTile(255, 0, 0x21);
    e.map.setTile(0, 255, 0x22);
    e.use(MapToolId::Marquee, 0);
    e.drag({0, 0}, {255, 255});
    EXPECT_EQ(e.tools.session().floatingBlock().size(), QSize(256, 256));
    const QByteArray bytes = e.tools.copy();
    ASSERT_EQ(bytes.size(), 2 + 65536);
    EXPECT_EQ(bytes[0], '\0');  // 256 stored as 0
    EXPECT_EQ(bytes[1], '\0');
    const std::optional<MapBlock> block = MapBlock::fromClipboard(bytes);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->size(), QSize(256, 256));
    EXPECT_EQ(block->tileAt(255, 0), 0x21);

    e.use(MapToolId::Marquee, 0);
    e.click({0, 0});
    EXPECT_EQ(e.at(0, 255), 0x22);
    EXPECT_EQ(e.countTile(0xFF), 0);

    // A block 300 cells wide and 2 high is 44 x 2 on the clipboard.
    MapBlock wide{300, 2, QByteArray(600, '\1')};
    EXPECT_EQ(wide.toClipboard().left(2), QByteArray("\x2C\x02", 2));
}

TEST(MapShapes, LineRectangleAndFloodFillAreOneStepEach)
{
    Editor e;
    e.use(MapToolId::Line, 2);
    e.send(MapEvent::Press, {0, 0});
    e.send(MapEvent::Drag, {4, 2});
    EXPECT_EQ(e.tools.session().preview().tileAt(0, 0), 2);  // previewed, not stored
    EXPECT_EQ(e.at(0, 0), 0);
    e.send(MapEvent::Release, {4, 2});
    EXPECT_EQ(e.countTile(2), 5);
    EXPECT_EQ(e.at(4, 2), 2);
    EXPECT_EQ(e.at(2, 1), 2);
    EXPECT_TRUE(e.tools.session().preview().isEmpty());

    e.use(MapToolId::Rectangle, 3);
    e.drag({13, 13}, {10, 10});
    EXPECT_EQ(e.countTile(3), 12);
    EXPECT_EQ(e.at(11, 11), 0);

    // The inside of the rectangle is a region of its own.
    e.use(MapToolId::FloodFill, 4);
    e.click({11, 12});
    EXPECT_EQ(e.countTile(4), 4);
    EXPECT_EQ(e.tools.session().undoList().stepCount(), 3);
    e.click({11, 12});  // same tile: nothing
    EXPECT_EQ(e.tools.session().undoList().stepCount(), 3);

    e.tools.undo();
    EXPECT_EQ(e.countTile(4), 0);
    e.tools.undo();
    EXPECT_EQ(e.countTile(3), 0);
    EXPECT_EQ(e.countTile(2), 5);
}

TEST(MapShapes, FloodFillStopsAtTheSelection)
{
    Editor e;
    e.use(MapToolId::Marquee, 0);
    e.drag({100, 100}, {109, 104});
    e.tools.dropFloatingBlock();
    e.use(MapToolId::FloodFill, 6);
    e.click({50, 50});  // outside the selection
    EXPECT_EQ(e.countTile(6), 0);
    e.click({105, 102});
    EXPECT_EQ(e.countTile(6), 50);
    EXPECT_EQ(e.at(110, 102), 0);
}

// Two patches of tile 1 that meet only where cells touch at a corner, or
// only across the map's edge (the last cell of one row and the first of the
// next): filling one leaves the other as it is.
struct TouchingPatches {
    const char* name;
    std::vector<QPoint> filled;  // the clicked patch, the click on its first cell
    std::vector<QPoint> other;
};

class FloodFillRegions : public testing::TestWithParam<TouchingPatches> {};

TEST_P(FloodFillRegions, LeavesThePatchThatOnlyTouchesIt)
{
    Editor e;
    for (const auto* patch : {&GetParam().filled, &GetParam().other})
        for (QPoint cell : *patch)
            e.map.setTile(cell.x(), cell.y(), 1);
    e.use(MapToolId::FloodFill, 9);
    e.click(GetParam().filled.front());
    for (QPoint cell : GetParam().filled)
        EXPECT_EQ(e.at(cell.x(), cell.y()), 9) << cell.x() << "," << cell.y();
    for (QPoint cell : GetParam().other)
        EXPECT_EQ(e.at(cell.x(), cell.y()), 1) << cell.x() << "," << cell.y();
    EXPECT_EQ(e.countTile(9), int(GetParam().filled.size()));
}

INSTANTIATE_TEST_SUITE_P(
    MapShapes, FloodFillRegions,
    testing::Values(
        TouchingPatches{"DiagonalDownRight", {{10, 10}, {11, 10}, {10, 11}, {11, 11}}, {{12, 12}, {13, 12}, {12, 13}}},
        TouchingPatches{"DiagonalUpRight", {{20, 21}, {20, 22}}, {{21, 20}, {22, 20}}},
        TouchingPatches{"AcrossTheRightEdge", {{254, 5}, {255, 5}}, {{0, 6}, {1, 6}}},
        TouchingPatches{"AcrossTheBottomEdge", {{7, 255}, {7, 254}}, {{8, 0}, {7, 0}}}),
    [](const testing::TestParamInfo<TouchingPatches>& info) { return std::string(info.param.name); });

TEST(MapShapes, LinesAndBordersCoverTheirCellsOnce)
{
    EXPECT_EQ(cellsOnLine({0, 0}, {0, 0}), std::vector<QPoint>{QPoint(0, 0)});
    const std::vector<QPoint> steep = cellsOnLine({5, 9}, {3, 0});
    EXPECT_EQ(steep.size(), 10u);
    EXPECT_EQ(steep.front(), QPoint(5, 9));
    EXPECT_EQ(steep.back(), QPoint(3, 0));
    for (std::size_t i = 1; i < steep.size(); ++i) {
        EXPECT_LE(std::abs(steep[i].x() - steep[i - 1].x()), 1);
        EXPECT_EQ(steep[i].y(), steep[i - 1].y() - 1);
    }
    EXPECT_EQ(cellsOnBorder(QRect(0, 0, 1, 3)).size(), 3u);
    EXPECT_EQ(cellsOnBorder(QRect(0, 0, 4, 3)).size(), 10u);
}

TEST(MapRedo, ReappliesUndoneStepsUntilTheNextEdit)
{
    Editor e;
    e.use(MapToolId::Brush, 1);
    e.click({0, 0});
    e.use(MapToolId::Brush, 2);
    e.drag({0, 0}, {2, 0});
    e.tools.undo();
    e.tools.undo();
    EXPECT_EQ(e.countTile(0), 65536);
    EXPECT_EQ(e.tools.session().undoList().redoName(), QStringLiteral("Brush"));
    e.tools.redo();
    EXPECT_EQ(e.at(0, 0), 1);
    e.tools.redo();
    EXPECT_EQ(e.at(0, 0), 2);
    EXPECT_EQ(e.at(2, 0), 2);
    EXPECT_FALSE(e.tools.canRedo());
    EXPECT_EQ(e.tools.session().undoList().stepCount(), 2);

    e.tools.undo();
    EXPECT_TRUE(e.tools.canRedo());
    e.use(MapToolId::Brush, 5);
    e.click({9, 9});
    EXPECT_FALSE(e.tools.canRedo());
    EXPECT_EQ(e.at(0, 0), 1);
}

TEST(MapTools, PickupTakesTheTileTheCellShows)
{
    Editor e;
    e.map.setTile(7, 7, 0x33);
    e.use(MapToolId::PickupTile, 0);
    e.click({7, 7});
    EXPECT_EQ(e.tools.session().currentTile(), 0x33);
    EXPECT_TRUE(e.changes.currentTileChanged);
    e.use(MapToolId::Marquee, 0x33);
    e.drag({7, 7}, {8, 8});
    e.use(MapToolId::PickupTile, 0);
    e.send(MapEvent::Press, {7, 7});  // lifted, yet shown
    EXPECT_EQ(e.tools.session().currentTile(), 0x33);
    e.send(MapEvent::Hover, {7, 7});
    EXPECT_EQ(e.tools.session().hoverCell(), QRect(7, 7, 1, 1));
}

TEST(MapTools, SwitchingToolsEndsTheDragOfTheOldOne)
{
    Editor e;
    e.use(MapToolId::Brush, 4);
    e.send(MapEvent::Drag, {5, 5});  // no press: no stroke
    EXPECT_EQ(e.countTile(4), 0);

    e.use(MapToolId::FilledRectangle, 4);
    e.send(MapEvent::Press, {1, 1});
    e.send(MapEvent::Drag, {3, 3});
    e.use(MapToolId::Brush, 4);
    EXPECT_TRUE(e.tools.session().rubberBand().isEmpty());
    e.use(MapToolId::FilledRectangle, 4);
    e.send(MapEvent::Release, {3, 3});
    EXPECT_EQ(e.countTile(4), 0);
}

TEST(MapTools, ThePointerReportsTheCellItPointsAtAndPaintsNothing)
{
    Editor e;
    e.use(MapToolId::Pointer, 5);
    e.tools.handle(MapEvent::Hover, {{3, 4}, {3, 4}});
    EXPECT_FALSE(e.tools.takeChanges().pointedCell);
    e.tools.handle(MapEvent::Press, {{3, 4}, {3, 4}});
    e.tools.handle(MapEvent::Drag, {{6, 2}, {6, 2}});
    const MapChanges changes = e.tools.takeChanges();
    EXPECT_EQ(changes.pointedCell, QPoint(6, 2));
    EXPECT_FALSE(changes.mapChanged);
    EXPECT_EQ(e.countTile(5), 0);
}

TEST(MapUndoList, CountsTheStepsUndoAndRedoCanTakeAndReportsNewOnes)
{
    Editor e;
    const MapUndoList& list = e.tools.session().undoList();
    e.use(MapToolId::FilledRectangle, 1);
    e.drag({0, 0}, {1, 0});
    EXPECT_EQ(e.changes.newSteps, 1);
    e.drag({0, 1}, {0, 1});
    EXPECT_EQ(list.undoSteps(), 2);
    e.tools.undo();
    EXPECT_EQ(list.undoSteps(), 1);
    EXPECT_EQ(list.redoSteps(), 1);
    // Once the first record of the oldest step is pushed out, what is left
    // of it still counts as one step.
    for (int i = 0; i < 199; ++i)
        e.drag({5, 5}, {5, 5});
    EXPECT_EQ(list.undoSteps(), 200);
    e.drag({6, 6}, {6, 6});
    EXPECT_FALSE(list.records().front().startsStep);
    EXPECT_EQ(list.undoSteps(), 201);
    EXPECT_EQ(list.redoSteps(), 0);
}
