#include "tests/support/recordingcellsink.h"
#include "worldmap/editing/celllines.h"
#include "worldmap/editing/mapblock.h"
#include "worldmap/editing/maptools.h"
#include "worldmap/editing/palettestamp.h"
#include "worldmap/worldmap.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// A 256 x 256 map of tile 0 with its tools, fed as the view feeds them,
// storing through a recording sink.
struct Editor {
    Editor() : sink((map.tileMap = QByteArray(256 * 256, '\0'), map)), tools(map, sink) {}

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
    const std::vector<RecordingCellSink::Step>& steps() const { return sink.steps(); }
    int countTile(int tile) const { return int(map.tileMap.count(char(tile))); }

    WorldMap map;
    RecordingCellSink sink;
    MapTools tools;
    MapChanges changes;
};

using Change = RecordingCellSink::Change;

}  // namespace

TEST(MapBrush, AStrokeIsOneStepGrowingAsItIsDrawn)
{
    Editor e;
    e.map.setTile(3, 1, 7);
    e.use(MapToolId::Brush, 7);
    // The stroke starts on a cell that holds the tile already.
    e.send(MapEvent::Press, {3, 1});
    EXPECT_TRUE(e.steps().empty());
    e.send(MapEvent::Drag, {4, 1});
    ASSERT_EQ(e.steps().size(), 1u);
    EXPECT_EQ(e.steps()[0].changes, (std::vector<Change>{{{4, 1}, 0, 7}}));
    e.send(MapEvent::Drag, {4, 1});  // moving within a cell adds nothing
    e.send(MapEvent::Drag, {8, 1});  // the skipped cells are painted too
    e.send(MapEvent::Release, {8, 1});
    for (int x = 3; x <= 8; ++x)
        EXPECT_EQ(e.at(x, 1), 7) << x;
    // Each move stored its cells at once, into the same step.
    EXPECT_EQ(e.sink.storeCount(), 2);
    ASSERT_EQ(e.steps().size(), 1u);
    EXPECT_EQ(e.steps()[0].name, QStringLiteral("Brush"));
    ASSERT_EQ(e.steps()[0].changes.size(), 5u);
    EXPECT_EQ(e.steps()[0].changes.front(), (Change{{4, 1}, 0, 7}));
    EXPECT_EQ(e.steps()[0].changes.back(), (Change{{8, 1}, 0, 7}));
    EXPECT_TRUE(e.changes.mapChanged);
    EXPECT_EQ(e.changes.mapCells, QRect(4, 1, 5, 1));

    // A second stroke is a step of its own; a stroke that changes nothing leaves none.
    e.drag({4, 2}, {4, 3});
    e.drag({4, 1}, {5, 1});
    ASSERT_EQ(e.steps().size(), 2u);
    EXPECT_EQ(e.steps()[1].changes, (std::vector<Change>{{{4, 2}, 0, 7}, {{4, 3}, 0, 7}}));
}

TEST(MapBrush, StaysInsideTheSelection)
{
    Editor e;
    e.use(MapToolId::Marquee, 0);
    e.drag({2, 2}, {3, 3});
    e.tools.dropFloatingBlock();  // the selection stays
    e.use(MapToolId::Brush, 5);
    e.drag({1, 2}, {4, 2});
    EXPECT_EQ(e.at(1, 2), 0);
    EXPECT_EQ(e.at(2, 2), 5);
    EXPECT_EQ(e.at(3, 2), 5);
    EXPECT_EQ(e.at(4, 2), 0);
    EXPECT_EQ(e.countTile(0xFF), 0);
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
    // One step of the cells that changed: not the one that held the tile.
    ASSERT_EQ(e.steps().size(), 1u);
    ASSERT_EQ(e.steps()[0].changes.size(), 11u);
    EXPECT_EQ(e.steps()[0].changes.front(), (Change{{3, 2}, 0, 9}));
    EXPECT_FALSE(e.steps()[0].at({5, 5}));
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
    EXPECT_TRUE(e.steps().empty());
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
    // The lift is a step of its own.
    ASSERT_EQ(e.steps().size(), 1u);
    EXPECT_EQ(e.steps()[0].name, QStringLiteral("Move Selection"));
    EXPECT_EQ(e.steps()[0].changes.size(), 6u);
    EXPECT_EQ(e.steps()[0].at({10, 20}), (Change{{10, 20}, 0x42, 0xFF}));

    // A click drops the block back and ends the selection; the drop joins
    // the lift, and back where it was the block leaves no step at all.
    e.click({40, 40});
    EXPECT_FALSE(s.hasFloatingBlock());
    EXPECT_TRUE(s.selection().isEmpty());
    EXPECT_EQ(e.at(10, 20), 0x42);
    EXPECT_EQ(e.at(12, 21), 0x43);
    EXPECT_EQ(e.countTile(0xFF), 0);
    EXPECT_TRUE(e.steps().empty());
}

TEST(MapMarquee, PaintingToolsPutTheFloatingBlockBackFirst)
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
    ASSERT_EQ(e.steps().size(), 1u);
    EXPECT_EQ(e.steps()[0].name, QStringLiteral("Brush"));
    EXPECT_EQ(e.steps()[0].changes, (std::vector<Change>{{{1, 0}, 0, 3}}));

    e.use(MapToolId::Marquee, 0);
    e.drag({0, 0}, {1, 1});
    EXPECT_EQ(e.countTile(0xFF), 4);
    EXPECT_TRUE(e.tools.dropFloatingBlock());  // as before a save
    EXPECT_EQ(e.countTile(0xFF), 0);
    EXPECT_EQ(e.at(1, 1), 8);
    EXPECT_EQ(e.steps().size(), 1u);
}

TEST(MapMarquee, ALineDraggedAcrossACopyIsDrawnOverTheBlockPutBack)
{
    Editor e;
    e.map.setTile(5, 5, 8);
    e.use(MapToolId::Marquee, 0);
    e.drag({4, 4}, {6, 6});
    e.tools.dropFloatingBlock();
    e.use(MapToolId::Line, 3);
    e.send(MapEvent::Press, {0, 5});
    e.tools.copy();  // lifts the selection again while the line is dragged
    ASSERT_TRUE(e.tools.session().hasFloatingBlock());
    e.send(MapEvent::Drag, {9, 5});
    e.send(MapEvent::Release, {9, 5});
    e.tools.dropFloatingBlock();  // as a save would
    EXPECT_EQ(e.at(5, 5), 3);
    EXPECT_EQ(e.countTile(3), 10);
    ASSERT_EQ(e.steps().size(), 1u);
    EXPECT_EQ(e.steps()[0].name, QStringLiteral("Line"));
    EXPECT_EQ(e.steps()[0].at({5, 5}), (Change{{5, 5}, 8, 3}));
}

TEST(MapMarquee, ANewSelectionPutsTheBlockOfTheOldOneBackWhereItWas)
{
    Editor e;
    e.map.setTile(0, 0, 7);
    e.use(MapToolId::Marquee, 0);
    e.drag({0, 0}, {1, 1});
    e.tools.dropFloatingBlock();
    e.send(MapEvent::Press, {5, 5});
    e.send(MapEvent::Drag, {6, 6});
    e.tools.copy();  // lifts the old selection while the new one is dragged
    e.send(MapEvent::Release, {6, 6});
    EXPECT_EQ(e.tools.session().selection(), QRect(5, 5, 2, 2));
    EXPECT_EQ(e.at(0, 0), 7);
    EXPECT_EQ(e.countTile(0xFF), 4);  // under the new block only
    ASSERT_EQ(e.steps().size(), 1u);
    EXPECT_EQ(e.steps()[0].changes.front(), (Change{{5, 5}, 0, 0xFF}));
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
    ASSERT_EQ(e.steps().size(), 2u);
    EXPECT_EQ(e.steps()[0].name, QStringLiteral("Cut"));
    EXPECT_EQ(e.steps()[1].name, QStringLiteral("Paste"));
    // Only the part that fits.
    EXPECT_EQ(e.steps()[1].changes, (std::vector<Change>{{{255, 255}, 0, 1}}));
    EXPECT_FALSE(e.tools.session().pastePending());
    EXPECT_TRUE(e.tools.session().selection().isEmpty());
}

namespace {

// What happened to the selection before Cut.
enum class BeforeCut { JustSelected, Copied, PutBack };

class MapCut : public testing::TestWithParam<BeforeCut> {};

}  // namespace

TEST_P(MapCut, IsOneStepThatUndoesToTheCellsAsTheyWere)
{
    Editor e;
    e.use(MapToolId::Brush, 9);
    e.click({0, 0});  // an earlier edit, which the Cut must leave alone
    e.map.setTile(3, 4, 0x11);
    e.map.setTile(4, 4, 0x12);
    e.map.setTile(3, 5, 0x13);
    const QByteArray before = e.map.tileMap;

    e.use(MapToolId::Marquee, 0);
    e.drag({3, 4}, {4, 5});
    if (GetParam() == BeforeCut::Copied)
        e.tools.copy();
    else if (GetParam() == BeforeCut::PutBack)
        e.tools.dropFloatingBlock();
    EXPECT_EQ(e.tools.cut(), QByteArray("\x02\x02\x11\x12\x13\x00", 6));

    EXPECT_EQ(e.countTile(0xFF), 4);
    ASSERT_EQ(e.steps().size(), 2u);
    EXPECT_EQ(e.steps()[0].name, QStringLiteral("Brush"));
    EXPECT_EQ(e.steps()[1].name, QStringLiteral("Cut"));
    EXPECT_EQ(e.steps()[1].changes, (std::vector<Change>{{{3, 4}, 0x11, 0xFF},
                                                         {{4, 4}, 0x12, 0xFF},
                                                         {{3, 5}, 0x13, 0xFF},
                                                         {{4, 5}, 0x00, 0xFF}}));
    e.sink.undoNewest();
    EXPECT_EQ(e.map.tileMap, before);
}

INSTANTIATE_TEST_SUITE_P(Selections, MapCut,
                         testing::Values(BeforeCut::JustSelected, BeforeCut::Copied, BeforeCut::PutBack));

TEST(MapClipboard, ACutOfCellsHoldingTile255LeavesNoStep)
{
    Editor e;
    e.use(MapToolId::FilledRectangle, 0xFF);
    e.drag({0, 0}, {1, 1});
    e.use(MapToolId::Marquee, 0);
    e.drag({0, 0}, {1, 1});
    EXPECT_EQ(e.tools.cut(), QByteArray("\x02\x02\xFF\xFF\xFF\xFF", 6));
    ASSERT_EQ(e.steps().size(), 1u);
    EXPECT_EQ(e.steps()[0].name, QStringLiteral("Filled Rectangle"));
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
    ASSERT_EQ(e.steps().size(), 1u);
    EXPECT_EQ(e.steps()[0].name, QStringLiteral("Paste"));
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
    EXPECT_TRUE(e.steps().empty());
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

TEST(MapShapes, LinesAreDrawnOnReleaseAndPreviewedBefore)
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

    // The inside of a rectangle is a region of its own.
    e.use(MapToolId::Rectangle, 3);
    e.drag({13, 13}, {10, 10});
    EXPECT_EQ(e.at(11, 11), 0);
    e.use(MapToolId::FloodFill, 4);
    e.click({11, 12});
    EXPECT_EQ(e.countTile(4), 4);
    EXPECT_EQ(e.steps().size(), 3u);
    e.click({11, 12});  // same tile: nothing
    EXPECT_EQ(e.steps().size(), 3u);
}

namespace {

// One drawing action on an empty map and the step it should leave.
struct DrawCase {
    const char* label;
    MapToolId tool;
    QPoint from;
    QPoint to;
    const char* stepName;
    std::size_t cells;
};

class MapDrawing : public testing::TestWithParam<DrawCase> {};

}  // namespace

TEST_P(MapDrawing, IsOneStepOfTheCellsItChanged)
{
    const DrawCase& c = GetParam();
    Editor e;
    e.use(c.tool, 6);
    e.drag(c.from, c.to);
    ASSERT_EQ(e.steps().size(), 1u);
    const RecordingCellSink::Step& step = e.steps()[0];
    EXPECT_EQ(step.name, QString::fromLatin1(c.stepName));
    ASSERT_EQ(step.changes.size(), c.cells);
    for (const Change& change : step.changes) {
        EXPECT_EQ(change.before, 0);
        EXPECT_EQ(change.after, 6);
    }
    EXPECT_EQ(e.countTile(6), int(c.cells));
    // The shapes and the fill go to the sink in one piece, however large.
    if (c.tool != MapToolId::Brush) {
        EXPECT_EQ(e.sink.storeCount(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tools, MapDrawing,
    testing::Values(DrawCase{"Brush", MapToolId::Brush, {0, 0}, {3, 0}, "Brush", 4},
                    DrawCase{"Line", MapToolId::Line, {0, 0}, {4, 2}, "Line", 5},
                    DrawCase{"Rectangle", MapToolId::Rectangle, {13, 13}, {10, 10}, "Rectangle", 12},
                    DrawCase{"FilledRectangle", MapToolId::FilledRectangle, {3, 2}, {1, 1}, "Filled Rectangle", 6},
                    DrawCase{"FloodFill", MapToolId::FloodFill, {7, 7}, {7, 7}, "Flood Fill", 65536}),
    [](const testing::TestParamInfo<DrawCase>& info) { return std::string(info.param.label); });

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

TEST(MapStamp, TheBrushPaintsTheSelectionsTilesWithAPreviewAsOneStep)
{
    Editor e;
    e.map.setTile(10, 10, 1);
    e.map.setTile(11, 10, 2);
    e.map.setTile(10, 11, 3);
    e.map.setTile(11, 11, 4);
    e.use(MapToolId::Marquee, 0);
    e.drag({10, 10}, {11, 11});
    ASSERT_TRUE(e.tools.useSelectionAsStamp());
    e.click({40, 40});  // the block goes back: no step
    EXPECT_TRUE(e.steps().empty());

    e.use(MapToolId::Brush, 9);
    e.send(MapEvent::Hover, {50, 50});
    const TileOverlay* preview = e.tools.overlays().back();
    EXPECT_EQ(preview->cells(), QRect(50, 50, 2, 2));
    EXPECT_EQ(preview->tileAt(51, 51), 4);
    EXPECT_EQ(e.at(51, 51), 0);

    // A stroke one cell to the right: the second stamp lies over the first.
    e.drag({50, 50}, {51, 50});
    const int painted[3][3] = {{1, 1, 2}, {3, 3, 4}, {0, 0, 0}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(e.at(50 + column, 50 + row), painted[row][column]) << column << ", " << row;
    ASSERT_EQ(e.steps().size(), 1u);
    EXPECT_EQ(e.steps()[0].name, QStringLiteral("Brush"));
    e.sink.undoNewest();
    EXPECT_EQ(e.countTile(0), 256 * 256 - 4);

    // Back to the single tile.
    e.tools.clearStamp();
    e.click({0, 0});
    EXPECT_EQ(e.at(0, 0), 9);
    EXPECT_EQ(e.at(1, 1), 0);
}

TEST(MapAreaEdits, ReplaceAndDeleteTakeTheSelectionOrTheWholeMapInOneStep)
{
    Editor e;
    for (int i = 0; i < 6; ++i)
        e.map.setTile(i * 40, i * 40, 7);
    e.use(MapToolId::Marquee, 5);
    e.tools.replaceTile(7, 8);  // no selection: the whole map
    EXPECT_EQ(e.countTile(8), 6);
    ASSERT_EQ(e.steps().size(), 1u);
    EXPECT_EQ(e.steps()[0].name, QStringLiteral("Replace Tile"));
    EXPECT_EQ(e.steps()[0].changes.size(), 6u);

    e.drag({0, 0}, {50, 50});  // holds two of them
    e.tools.replaceTile(8, 9);
    e.click({200, 200});
    EXPECT_EQ(e.countTile(9), 2);
    EXPECT_EQ(e.countTile(8), 4);
    EXPECT_EQ(e.countTile(0xFF), 0);

    e.drag({10, 10}, {12, 11});
    e.tools.fillSelection();  // Delete: the current tile, 5
    EXPECT_EQ(e.countTile(5), 6);
    EXPECT_EQ(e.steps().back().name, QStringLiteral("Delete"));
    e.sink.undoNewest();
    EXPECT_EQ(e.countTile(5), 0);
    EXPECT_EQ(e.countTile(0xFF), 0);

    e.tools.selectAll();
    EXPECT_EQ(e.tools.session().selection(), QRect(0, 0, 256, 256));
}

TEST(MapAreaEdits, TheBlockMovesByKeysAndByDragAsOneStepAndStaysOnTheMap)
{
    Editor e;
    e.map.setTile(10, 10, 3);
    e.use(MapToolId::Marquee, 0);
    e.drag({10, 10}, {11, 10});
    EXPECT_TRUE(e.tools.nudgeSelection({1, 0}));
    EXPECT_TRUE(e.tools.nudgeSelection({0, 8}));
    EXPECT_EQ(e.tools.session().selection(), QRect(11, 18, 2, 1));
    // Dragging from inside the selection carries the block along.
    e.drag({11, 18}, {21, 20});
    EXPECT_EQ(e.tools.session().selection(), QRect(21, 20, 2, 1));
    e.click({100, 100});
    EXPECT_EQ(e.at(21, 20), 3);
    EXPECT_EQ(e.at(10, 10), 0xFF);  // left as a Cut leaves it
    ASSERT_EQ(e.steps().size(), 1u);
    EXPECT_EQ(e.steps()[0].name, QStringLiteral("Move Selection"));
    e.sink.undoNewest();
    EXPECT_EQ(e.at(10, 10), 3);
    EXPECT_EQ(e.at(21, 20), 0);

    // A press whose release never came (the window lost the mouse) does
    // not turn the next drag of the block into a new selection as well.
    e.drag({30, 30}, {31, 30});
    e.send(MapEvent::Press, {60, 60});
    e.tools.copy();  // lifts the selection again
    e.drag({30, 30}, {40, 35});
    EXPECT_EQ(e.tools.session().selection(), QRect(40, 35, 2, 1));
    EXPECT_TRUE(e.tools.session().hasFloatingBlock());

    // At the edge the block stops.
    e.drag({244, 0}, {249, 0});
    e.tools.nudgeSelection({8, 0});
    EXPECT_EQ(e.tools.session().selection(), QRect(250, 0, 6, 1));
    EXPECT_FALSE(Editor().tools.nudgeSelection({1, 0}));
}

TEST(MapSelectSameTile, SelectsWithinTheSelectionAndDeleteReplaceAndCopyKeepToItsCells)
{
    Editor e;
    for (const QPoint cell : {QPoint(2, 3), QPoint(5, 1), QPoint(9, 9), QPoint(200, 100)})
        e.map.setTile(cell.x(), cell.y(), 7);
    e.use(MapToolId::Marquee, 4);

    // No selection: the whole map.
    EXPECT_EQ(e.tools.selectSameTile({9, 9}), 4);
    EXPECT_TRUE(e.tools.session().selection().isEmpty());
    EXPECT_EQ(e.tools.session().selectedCells().bounds(), QRect(2, 1, 199, 100));
    EXPECT_FALSE(e.tools.canCut());
    // Copy takes the block the cells span, as shown.
    const std::optional<MapBlock> copied = MapBlock::fromClipboard(e.tools.copy());
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->size(), QSize(199, 100));
    EXPECT_EQ(copied->tileAt(3, 0), 7);
    EXPECT_EQ(copied->tileAt(1, 0), 0);
    EXPECT_TRUE(e.steps().empty());

    // A rectangle: only the cells in it; then within the cells selected.
    e.drag({0, 0}, {6, 6});
    EXPECT_TRUE(e.tools.session().selectedCells().isEmpty());
    EXPECT_EQ(e.tools.selectSameTile({2, 3}), 2);
    EXPECT_TRUE(e.tools.session().selection().isEmpty());
    EXPECT_TRUE(e.tools.session().selectedCells().contains({5, 1}));
    EXPECT_FALSE(e.tools.session().selectedCells().contains({9, 9}));
    EXPECT_EQ(e.tools.selectSameTile({5, 1}), 2);

    // Replace Tile keeps to the selected cells, one step.
    e.map.setTile(4, 4, 7);  // inside the old rectangle, not selected
    e.tools.replaceTile(7, 8);
    ASSERT_EQ(e.steps().size(), 1u);
    EXPECT_EQ(e.steps()[0].changes, (std::vector<Change>{{{5, 1}, 7, 8}, {{2, 3}, 7, 8}}));
    EXPECT_EQ(e.at(4, 4), 7);
    EXPECT_EQ(e.at(9, 9), 7);

    // Delete fills only them with the current tile; undo takes it back.
    e.tools.fillSelection();
    ASSERT_EQ(e.steps().size(), 2u);
    EXPECT_EQ(e.steps()[1].name, QStringLiteral("Delete"));
    EXPECT_EQ(e.steps()[1].changes, (std::vector<Change>{{{5, 1}, 8, 4}, {{2, 3}, 8, 4}}));
    e.sink.undoNewest();
    EXPECT_EQ(e.at(2, 3), 8);
    EXPECT_EQ(e.countTile(4), 0);

    // A cell the selection does not hold selects nothing; off the map ends it.
    EXPECT_EQ(e.tools.selectSameTile({100, 100}), 0);
    EXPECT_FALSE(e.tools.session().hasSelection());
    EXPECT_EQ(e.tools.selectSameTile({300, 0}), 0);
    e.tools.selectAll();
    EXPECT_EQ(e.tools.selectSameTile({4, 4}), 3);
}

struct PaletteStampCase {
    int from;
    int to;
    int columns;
    QSize size;
    std::vector<int> tiles;  // row by row
};

class PaletteStamp : public testing::TestWithParam<PaletteStampCase> {};

TEST_P(PaletteStamp, TakesTheTilesOfTheRectangleAsThePaletteLaysThemOut)
{
    const PaletteStampCase& c = GetParam();
    const MapBlock block = paletteStamp(c.from, c.to, c.columns);
    EXPECT_EQ(block.size(), c.size);
    std::vector<int> tiles;
    for (const char tile : block.tiles)
        tiles.push_back(quint8(tile));
    EXPECT_EQ(tiles, c.tiles);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, PaletteStamp,
    testing::Values(PaletteStampCase{0x11, 0x23, 16, {3, 2}, {0x11, 0x12, 0x13, 0x21, 0x22, 0x23}},
                    // Dragged up and to the left: the same rectangle.
                    PaletteStampCase{0x23, 0x11, 16, {3, 2}, {0x11, 0x12, 0x13, 0x21, 0x22, 0x23}},
                    // From top-right to bottom-left.
                    PaletteStampCase{0x0F, 0x1E, 16, {2, 2}, {0x0E, 0x0F, 0x1E, 0x1F}},
                    // Eight to a row: 9 lies below 1.
                    PaletteStampCase{1, 10, 8, {2, 2}, {1, 2, 9, 10}},
                    PaletteStampCase{0xFF, 0xEF, 16, {1, 2}, {0xEF, 0xFF}},
                    PaletteStampCase{0, 256, 16, {0, 0}, {}},
                    PaletteStampCase{0, 5, 0, {0, 0}, {}}));
