#include "platform/gui/clipboardformat.h"
#include "platform/gui/displaysurface.h"
#include "shell/ctabbedframe.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"
#include "worldmap/lzcodec.h"
#include "worldmap/views/cmapoverview.h"
#include "worldmap/views/cmapview.h"
#include "worldmap/views/ctilemapspacemeter.h"
#include "worldmap/views/mapcommandids.h"
#include "worldmap/views/mapviewactions.h"
#include "worldmap/views/mapviewsettings.h"
#include "worldmap/worldmap.h"
#include "document/parts/worldmappart.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

void send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
          Qt::KeyboardModifiers modifiers = {})
{
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, modifiers);
    QApplication::sendEvent(widget, &event);
}

void settle(int ms = 0)
{
    QApplication::processEvents();
    if (ms > 0)
        QTest::qWait(ms);
}

// World of Balance of the sample ROM in a map view of 400 x 300 pixels.
class MapViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(t.doc.open(rom.path()));
        view = std::make_unique<CMapView>(t.doc);
        view->setSubject(RecordRef(RecordKind::WorldMap, 0));
        view->resize(400, 300);
        view->show();
        settle();
    }

    WorldMap& map() { return *worldMapOf(t.doc, 0); }
    // The window point at the centre of a map cell.
    QPoint at(QPoint cell) const { return view->cellGeometry().cellRect(cell.x(), cell.y()).center(); }
    void click(QPoint cell, Qt::MouseButton button = Qt::LeftButton)
    {
        send(view.get(), QEvent::MouseButtonPress, at(cell), button, button);
        send(view.get(), QEvent::MouseButtonRelease, at(cell), button, Qt::NoButton);
    }
    void drag(QPoint from, QPoint to)
    {
        send(view.get(), QEvent::MouseButtonPress, at(from), Qt::LeftButton, Qt::LeftButton);
        send(view.get(), QEvent::MouseMove, at(to), Qt::NoButton, Qt::LeftButton);
        send(view.get(), QEvent::MouseButtonRelease, at(to), Qt::LeftButton, Qt::NoButton);
    }
    // A cell on screen whose tile is not `tile`.
    QPoint cellWithout(int tile)
    {
        const QPoint scroll = view->scrollPosition();
        for (int y = scroll.y() + 1; y < scroll.y() + 10; ++y)
            for (int x = scroll.x() + 1; x < scroll.x() + 15; ++x)
                if (map().tileAt(x, y) != tile)
                    return {x, y};
        ADD_FAILURE() << "every cell holds tile " << tile;
        return {};
    }
    QImage shot() { return view->grab().toImage(); }

    TempRom rom;
    TestDoc t;
    std::unique_ptr<CMapView> view;
};

}  // namespace

TEST_F(MapViewTest, TheBrushChangesTheMapAndEveryChangeMarksTheDocument)
{
    view->selectTool(MapToolId::Brush);
    view->setCurrentTile(0x2A);
    const QPoint cell = cellWithout(0x2A);
    const int before = map().tileAt(cell.x(), cell.y());

    click(cell);
    EXPECT_EQ(map().tileAt(cell.x(), cell.y()), 0x2A);
    EXPECT_TRUE(t.doc.isModified());
    EXPECT_EQ(t.doc.undoStack()->count(), 1);
    EXPECT_EQ(t.doc.undoStack()->undoText(), QStringLiteral("Brush"));

    ASSERT_TRUE(t.doc.save(rom.path()));
    EXPECT_FALSE(t.doc.isModified());
    t.doc.undo();
    EXPECT_EQ(map().tileAt(cell.x(), cell.y()), before);
    EXPECT_TRUE(t.doc.isModified());  // an undo is a change too
    ASSERT_TRUE(t.doc.save(rom.path()));
    t.doc.redo();
    EXPECT_EQ(map().tileAt(cell.x(), cell.y()), 0x2A);
    EXPECT_TRUE(t.doc.isModified());
}

TEST_F(MapViewTest, KeysScrollInWholeCellsClampedToTheLimit)
{
    const MapGeometry cells = view->cellGeometry();
    QTest::keyClick(view.get(), Qt::Key_End);
    EXPECT_EQ(view->scrollPosition(), cells.scrollLimit());
    EXPECT_EQ(QPoint(map().lastScrollColumn, map().lastScrollRow), cells.scrollLimit());
    QTest::keyClick(view.get(), Qt::Key_PageDown);
    EXPECT_EQ(view->scrollPosition(), cells.scrollLimit());
    QTest::keyClick(view.get(), Qt::Key_Home);
    EXPECT_EQ(view->scrollPosition(), QPoint(0, 0));
    QTest::keyClick(view.get(), Qt::Key_PageDown);
    EXPECT_EQ(view->scrollPosition(), QPoint(0, cells.visibleRows() + 1));
    QTest::keyClick(view.get(), Qt::Key_Right);
    QTest::keyClick(view.get(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(view->scrollPosition().x(), 1 + cells.visibleColumns() + 1);
    QTest::keyClick(view.get(), Qt::Key_Up);
    EXPECT_EQ(view->scrollPosition().y(), cells.visibleRows());

    // The wheel scrolls three lines a notch, the way Qt's setting says.
    view->scrollTo({0, 0});
    QWheelEvent wheel(QPointF(50, 50), QPointF(view->mapToGlobal(QPoint(50, 50))), {}, QPoint(0, -120), Qt::NoButton,
                      {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.get(), &wheel);
    EXPECT_EQ(view->scrollPosition(), QPoint(0, QApplication::wheelScrollLines()));

    // A view opened later starts where this one was left.
    view->scrollTo({40, 30});
    CMapView again(t.doc);
    again.resize(400, 300);
    again.setSubject(RecordRef(RecordKind::WorldMap, 0));
    EXPECT_EQ(again.scrollPosition(), QPoint(40, 30));
}

TEST(MapViewBuffer, AnEmptyWindowGetsA32By32BackBuffer)
{
    TestDoc t;
    CMapView view(t.doc);
    const int bar = view.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &view);
    view.resize(bar, bar);
    view.show();
    settle();
    EXPECT_TRUE(view.clientRect().isEmpty());
    EXPECT_EQ(view.backBuffer().size(), QSize(32, 32));
    view.resize(300 + bar, 200 + bar);
    settle();
    EXPECT_EQ(view.backBuffer().size(), QSize(332, 232));
}

TEST(MapViewBuffer, EachScreenDepthShowsTheConvertedColours)
{
    TempRom rom;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(rom.path()));
    const WorldMap& map = *worldMapOf(t.doc, 0);
    const int tile = map.tileAt(0, 0);
    const int piece = map.tileAssembly.piece(tile, TileAssembly::TopLeft);
    const quint16 color = map.color((map.piecePalette[std::size_t(piece)] + (map.piece(piece)[0] & 15)) & 127);
    const int r = color & 31, g = (color >> 5) & 31, b = (color >> 10) & 31;
    for (int depth : {16, 24, 32}) {
        platform::forceScreenDepth(depth);
        CMapView view(t.doc);
        view.setSubject(RecordRef(RecordKind::WorldMap, 0));
        view.resize(200, 200);
        view.show();
        settle();
        EXPECT_EQ(view.backBuffer().bitsPerPixel(), depth);
        // What the screen shows of the pixel the conversion rules give.
        QImage expected(1, 1, platform::surfaceFormatForDepth(depth));
        if (depth == 16) {
            const quint16 pixel = quint16(r << 11 | g << 6 | b);
            std::memcpy(expected.bits(), &pixel, 2);
        } else {
            expected.setPixel(0, 0, qRgb(r * 8, g * 8, b * 8));
        }
        EXPECT_EQ(view.grab().toImage().pixel(0, 0), expected.pixel(0, 0)) << depth;
    }
    platform::forceScreenDepth(0);
}

TEST_F(MapViewTest, GridLinesFollowTheSettingInEveryMapView)
{
    MapViewSettings settings;
    view->setSettings(&settings);
    CMapView other(t.doc);
    other.setSettings(&settings);
    const QPoint corner = view->cellGeometry().cellRect(view->scrollPosition().x() + 1, view->scrollPosition().y() + 1).topLeft();
    view->actions().gridLines->trigger();
    EXPECT_TRUE(settings.gridLines());
    EXPECT_TRUE(other.actions().gridLines->isChecked());
    settle();
    const QRgb grid = shot().pixel(corner);
    if (view->backBuffer().bitsPerPixel() != 16) {
        EXPECT_EQ(grid, qRgb(192, 192, 192));
    }
    other.actions().gridLines->trigger();
    EXPECT_FALSE(view->actions().gridLines->isChecked());
    EXPECT_NE(shot().pixel(corner), grid);
}

TEST_F(MapViewTest, ThePointerDragsATriggerToAnotherCellInOneStep)
{
    ASSERT_FALSE(map().triggers.isEmpty());
    const MapTrigger before = map().triggers.first();
    const QPoint from(before.x, before.y);
    view->scrollTo(from - QPoint(4, 4));
    QPoint to = from + QPoint(2, 1);
    while (map().firstTriggerAt(to.x(), to.y()) >= 0)
        to += QPoint(1, 0);
    const QByteArray tiles = map().tileMap;
    const int steps = t.doc.undoStack()->count();

    view->selectTool(MapToolId::Pointer);
    drag(from, to);
    EXPECT_EQ(QPoint(map().triggers.first().x, map().triggers.first().y), to);
    EXPECT_EQ(map().tileMap, tiles);
    ASSERT_EQ(t.doc.undoStack()->count(), steps + 1);
    EXPECT_EQ(t.doc.undoStack()->text(steps), QStringLiteral("Move Trigger"));
    t.doc.undoStack()->undo();
    EXPECT_EQ(QPoint(map().triggers.first().x, map().triggers.first().y), from);

    // Other tools paint where the trigger is and leave it in place.
    view->selectTool(MapToolId::Brush);
    drag(from, to);
    EXPECT_EQ(QPoint(map().triggers.first().x, map().triggers.first().y), from);
}

TEST_F(MapViewTest, TriggerTintsComeAndGoWithThePointer)
{
    ASSERT_FALSE(map().triggers.isEmpty());
    const MapTrigger& trigger = map().triggers.first();
    view->scrollTo({trigger.x - 2, trigger.y - 2});
    view->selectTriggerCell({0, 0});
    const QPoint cell(trigger.x, trigger.y);
    const QPoint pixel = view->cellGeometry().cellRect(cell.x(), cell.y()).topLeft() + QPoint(3, 3);
    view->selectTool(MapToolId::Pointer);
    const QRgb tinted = shot().pixel(pixel);
    view->selectTool(MapToolId::Brush);
    const QRgb plain = shot().pixel(pixel);
    EXPECT_NE(tinted, plain);
    // The selected trigger keeps its tint with any tool.
    view->selectTriggerCell(cell);
    const QRgb selected = shot().pixel(pixel);
    EXPECT_NE(selected, plain);
    EXPECT_NE(selected, tinted);
}

TEST_F(MapViewTest, CellLookupsFollowTheZoom)
{
    MapViewSettings settings;
    view->setSettings(&settings);
    view->scrollTo({20, 20});
    view->actions().zoomIn->trigger();
    EXPECT_EQ(view->zoom(), 2);
    EXPECT_EQ(settings.zoom(), 2);
    view->selectTool(MapToolId::Brush);
    view->setCurrentTile(0x11);
    const QPoint scroll = view->scrollPosition();
    // 32 pixels a cell: (70, 40) is the third column, second row.
    send(view.get(), QEvent::MouseButtonPress, QPoint(70, 40), Qt::LeftButton, Qt::LeftButton);
    send(view.get(), QEvent::MouseButtonRelease, QPoint(70, 40), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(map().tileAt(scroll.x() + 2, scroll.y() + 1), 0x11);

    send(view.get(), QEvent::MouseMove, QPoint(100, 100), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(view->actions().positionField->text(),
              QStringLiteral("%1, %2").arg(scroll.x() + 3).arg(scroll.y() + 3));

    QWheelEvent zoomIn(QPointF(10, 10), QPointF(view->mapToGlobal(QPoint(10, 10))), {}, QPoint(0, 120),
                       Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.get(), &zoomIn);
    EXPECT_EQ(view->zoom(), 3);
    for (int i = 0; i < 3; ++i)
        view->actions().zoomIn->trigger();
    EXPECT_EQ(view->zoom(), 4);
    EXPECT_FALSE(view->actions().zoomIn->isEnabled());
    QApplication::sendEvent(view.get(), &zoomIn);
    EXPECT_EQ(view->zoom(), 4);
    view->actions().actualSize->trigger();
    EXPECT_EQ(view->zoom(), 1);
    EXPECT_EQ(settings.zoom(), 1);

    // Out to 1:2 (8 pixels a cell) and 1:4, no further.
    view->scrollTo({20, 20});
    view->actions().zoomOut->trigger();
    EXPECT_EQ(view->zoom(), -2);
    EXPECT_EQ(view->screenCellSize(), 8);
    const QPoint outScroll = view->scrollPosition();
    send(view.get(), QEvent::MouseMove, QPoint(20, 12), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(view->actions().positionField->text(),
              QStringLiteral("%1, %2").arg(outScroll.x() + 2).arg(outScroll.y() + 1));
    view->actions().zoomOut->trigger();
    EXPECT_EQ(view->zoom(), -4);
    EXPECT_FALSE(view->actions().zoomOut->isEnabled());
    EXPECT_EQ(settings.zoom(), -4);
    view->actions().zoomIn->trigger();
    EXPECT_EQ(view->zoom(), -2);
}

TEST_F(MapViewTest, ZoomedOutTheWholeWindowShowsTheMap)
{
    // At 1:4 the window shows more cells than the back buffer holds: they
    // are drawn a piece at a time, the far ones from the map as well.
    view->resize(900, 700);
    view->setZoom(-4);
    view->scrollTo({0, 0});
    settle();
    const QImage before = shot();
    const QPoint far(200, 150);
    ASSERT_TRUE(view->cellGeometry().isVisible(far.x(), far.y()));
    const int tile = map().tileAt(far.x(), far.y()) == 0x20 ? 0x21 : 0x20;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            map().tileMap[(far.y() + dy) * map().width + far.x() + dx] = char(tile);
    view->update();
    settle();
    const QImage after = shot();
    const QPoint pixel = at(far);
    EXPECT_NE(before.pixel(pixel), after.pixel(pixel));
    // Cells far from the change look as they did.
    EXPECT_EQ(before.pixel(at({3, 3})), after.pixel(at({3, 3})));
    EXPECT_EQ(before.pixel(at({150, 100})), after.pixel(at({150, 100})));
}

TEST_F(MapViewTest, MarqueeCopyAndPasteGoThroughTheClipboard)
{
    view->scrollTo({30, 30});
    view->selectTool(MapToolId::Marquee);
    EXPECT_FALSE(view->actions().copy->isEnabled());
    drag({31, 31}, {33, 32});
    EXPECT_EQ(view->actions().sizeField->text(), QStringLiteral("3, 2"));
    EXPECT_TRUE(view->actions().copy->isEnabled());
    QByteArray source;
    for (int y = 31; y <= 32; ++y)
        for (int x = 31; x <= 33; ++x)
            source.append(char(view->tools()->session().shownTileAt({x, y})));

    view->actions().copy->trigger();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasFormat(QStringLiteral("TESSEL_WORLDMAP")));
    EXPECT_EQ(data->data(QStringLiteral("TESSEL_WORLDMAP")), QByteArray("\x03\x02", 2) + source);
    EXPECT_EQ(t.doc.undoStack()->count(), 0);  // lifting and copying changed nothing

    ASSERT_TRUE(view->actions().paste->isEnabled());
    view->actions().paste->trigger();
    EXPECT_TRUE(view->actions().paste->isChecked());
    send(view.get(), QEvent::MouseMove, at({36, 35}), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(view->tools()->session().rubberBand(), QRect(36, 35, 3, 2));
    click({36, 35});
    EXPECT_FALSE(view->actions().paste->isChecked());
    EXPECT_EQ(map().tileAt(36, 35), quint8(source[0]));
    EXPECT_EQ(map().tileAt(38, 36), quint8(source[5]));
}

TEST_F(MapViewTest, SavingPutsAFloatingBlockBackFirst)
{
    view->selectTool(MapToolId::Marquee);
    drag({2, 2}, {5, 4});
    const QByteArray lifted = view->tools()->session().floatingBlock().tiles;
    ASSERT_EQ(lifted.size(), 12);
    EXPECT_EQ(map().tileAt(3, 3), 0xFF);
    ASSERT_NE(lifted[5], char(0xFF));

    ASSERT_TRUE(t.doc.save(rom.path()));
    EXPECT_EQ(map().tileAt(3, 3), quint8(lifted[5]));
    EXPECT_FALSE(view->tools()->session().hasFloatingBlock());
    EXPECT_FALSE(t.doc.isModified());

    TestDoc reopened;
    ASSERT_TRUE(reopened.doc.open(rom.path()));
    EXPECT_EQ(worldMapOf(reopened.doc, 0)->tileMap, map().tileMap);
}

TEST_F(MapViewTest, ClosingTheViewPutsAFloatingBlockBack)
{
    const int tile = map().tileAt(3, 3);
    ASSERT_NE(tile, 0xFF);
    view->selectTool(MapToolId::Marquee);
    drag({2, 2}, {5, 4});
    EXPECT_EQ(map().tileAt(3, 3), 0xFF);
    ASSERT_TRUE(t.doc.save(rom.path()));
    drag({2, 2}, {5, 4});
    EXPECT_TRUE(t.doc.isModified());
    view.reset();
    EXPECT_EQ(map().tileAt(3, 3), tile);
    EXPECT_FALSE(t.doc.isModified());  // back where it was lifted

    // After the document let go of its maps there is nothing to put back.
    view = std::make_unique<CMapView>(t.doc);
    view->setSubject(RecordRef(RecordKind::WorldMap, 0));
    view->resize(400, 300);
    view->selectTool(MapToolId::Marquee);
    drag({2, 2}, {5, 4});
    t.doc.clear();
    EXPECT_EQ(view->map(), nullptr);
    EXPECT_EQ(view->tools(), nullptr);
    view.reset();
}

TEST_F(MapViewTest, TheOverviewFollowsEditsAndMovesTheView)
{
    CMapOverview* overview = view->overview();
    ASSERT_EQ(overview->picture().size(), QSize(256, 256));
    EXPECT_EQ(overview->visibleCells().topLeft(), view->scrollPosition());

    view->selectTool(MapToolId::FilledRectangle);
    view->setCurrentTile(0x05);
    const MapOverview::TileColors colors = MapOverview::tileColors(map());
    const QRgb painted = 0xFF000000u | colors[5];
    ASSERT_NE(overview->picture().pixel(2, 2), painted);
    drag({1, 1}, {3, 3});
    EXPECT_TRUE(QTest::qWaitFor([&] { return overview->picture().pixel(2, 2) == painted; }, 2000));

    overview->resize(264, 264);
    QTest::mouseClick(overview, Qt::LeftButton, {}, QPoint(4 + 128, 4 + 100));
    const MapGeometry cells = view->cellGeometry();
    EXPECT_EQ(view->scrollPosition(), QPoint(128 - cells.visibleColumns() / 2, 100 - cells.visibleRows() / 2));
    EXPECT_EQ(overview->visibleCells().topLeft(), view->scrollPosition());
}

TEST_F(MapViewTest, TheSpaceMeterTellsTheCompressedSizeOfTheTileMap)
{
    CTileMapSpaceMeter* meter = view->spaceMeter();
    const int expected = int(LzCodec::encode(map().tileMap).size());
    ASSERT_TRUE(QTest::qWaitFor([&] { return meter->lastMeasure().has_value(); }, 5000));
    EXPECT_EQ(meter->text(), TileMapSpace(expected, 15643).text());
    EXPECT_TRUE(meter->text().startsWith(QStringLiteral("Tile map: ")));

    // An edit is measured again, with a floating block counted where it belongs.
    view->selectTool(MapToolId::Marquee);
    drag({10, 10}, {12, 12});
    view->selectTool(MapToolId::FilledRectangle);
    view->setCurrentTile(0x01);
    drag({14, 0}, {20, 15});
    const qsizetype edited = LzCodec::encode(view->tools()->tileMapAsSaved()).size();
    ASSERT_NE(edited, expected);
    EXPECT_TRUE(QTest::qWaitFor([&] { return meter->lastMeasure()->encodedSize() == edited; }, 5000))
        << meter->lastMeasure()->encodedSize() << " bytes, not " << edited;
}

TEST_F(MapViewTest, TheMiddleButtonPansTowardsTheCursor)
{
    view->scrollTo({100, 100});
    const QPoint origin(200, 150);
    QCursor::setPos(view->mapToGlobal(origin));
    send(view.get(), QEvent::MouseButtonPress, origin, Qt::MiddleButton, Qt::MiddleButton);
    send(view.get(), QEvent::MouseButtonRelease, origin, Qt::MiddleButton, Qt::NoButton);
    ASSERT_TRUE(view->isPanning());
    QCursor::setPos(view->mapToGlobal(origin + QPoint(40, 2)));  // 5 cells a step to the right, none down
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->scrollPosition().x() >= 110; }, 2000));
    EXPECT_EQ(view->scrollPosition().y(), 100);
    send(view.get(), QEvent::MouseButtonPress, origin, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(view->isPanning());
    const QPoint stopped = view->scrollPosition();
    settle(50);
    EXPECT_EQ(view->scrollPosition(), stopped);
}

TEST_F(MapViewTest, DraggingNearTheEdgeScrollsAndKeepsDragging)
{
    view->scrollTo({50, 50});
    view->selectTool(MapToolId::FilledRectangle);
    view->setCurrentTile(0x07);
    send(view.get(), QEvent::MouseButtonPress, at({55, 55}), Qt::LeftButton, Qt::LeftButton);
    QCursor::setPos(view->mapToGlobal(QPoint(5, 5)));
    send(view.get(), QEvent::MouseMove, QPoint(5, 5), Qt::NoButton, Qt::LeftButton);
    auto* timer = view->findChild<QTimer*>(QString::number(CMapView::kAutoScrollTimerId));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->scrollPosition().x() <= 45; }, 2000));
    send(view.get(), QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(timer->isActive());
    const QPoint reached = view->scrollPosition();
    EXPECT_EQ(map().tileAt(reached.x(), reached.y()), 0x07);
    EXPECT_EQ(map().tileAt(55, 55), 0x07);
}

TEST(MapFrame, TheMapBringsItsMenusToolBarWindowsAndStatus)
{
    TempRom rom;
    AppUnderTest app;
    ASSERT_TRUE(app.frame().openDocument(rom.path()));
    CTabbedFrame* frame = app.tree().openItem(findItem(app.tree(), QStringLiteral("World of Balance")));
    ASSERT_NE(frame, nullptr);
    auto* view = qobject_cast<CMapView*>(frame->activeView());
    ASSERT_NE(view, nullptr);

    QStringList menus;
    for (QAction* menu : frame->menuBar()->actions())
        menus.append(menu->text());
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&View", "&Tools"}));
    QStringList tools;
    for (QAction* action : view->actions().toolsMenu->actions())
        tools.append(action->text());
    EXPECT_EQ(tools, (QStringList{"Pointer", "Pickup Tile", "Marquee", "Brush", "Line", "Rectangle",
                                  "Filled Rectangle", "Flood Fill"}));
    EXPECT_TRUE(view->actions().tool(MapToolId::Pointer)->isChecked());
    EXPECT_TRUE(frame->findChild<QAction*>(QString::number(mapcommands::kPaste)) != nullptr);
    EXPECT_NE(frame->findChild<QLineEdit*>(QString::number(mapcommands::kPositionField)), nullptr);
    EXPECT_NE(frame->findChild<QLineEdit*>(QString::number(mapcommands::kSizeField)), nullptr);
    auto* overview = frame->findChild<QDockWidget*>(QStringLiteral("overviewWindow"));
    ASSERT_NE(overview, nullptr);
    EXPECT_TRUE(overview->isVisible());
    ASSERT_NE(frame->statusBar(), nullptr);
    EXPECT_NE(frame->statusBar()->findChild<CTileMapSpaceMeter*>(), nullptr);

    // Edit > Undo of the frame undoes the map's steps.
    view->selectTool(MapToolId::Brush);
    view->setCurrentTile(0x3C);
    const QPoint point = view->cellGeometry().cellRect(view->scrollPosition().x() + 2, view->scrollPosition().y() + 2).center();
    const QPoint cell = view->cellGeometry().cellAt(point);
    const int before = worldMapOf(app.doc(), 0)->tileAt(cell.x(), cell.y());
    ASSERT_NE(before, 0x3C);
    send(view, QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
    send(view, QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(frame->undoAction()->text(), QStringLiteral("&Undo Brush"));
    EXPECT_TRUE(frame->windowTitle().endsWith(QLatin1Char('*')));
    frame->undoAction()->trigger();
    EXPECT_EQ(worldMapOf(app.doc(), 0)->tileAt(cell.x(), cell.y()), before);
    EXPECT_FALSE(frame->undoAction()->isEnabled());
    EXPECT_EQ(frame->redoAction()->text(), QStringLiteral("&Redo Brush"));

    // The grid and the zoom outlive the run.
    view->actions().gridLines->trigger();
    view->actions().zoomIn->trigger();
    app.answers = {CMainFrame::SaveChoice::Discard};
    app.app->exitInstance();
    EXPECT_EQ(app.store.values.value(QStringLiteral("MapGridlines")), QStringLiteral("1"));
    EXPECT_EQ(app.store.values.value(QStringLiteral("MapZoom")), QStringLiteral("2"));
}

TEST_F(MapViewTest, ToolKeysTheCellStatusRightClickPickupAndKeysMovingTheBlock)
{
    const std::pair<MapToolId, const char*> keys[] = {{MapToolId::Pointer, "P"}, {MapToolId::PickupTile, "I"},
                                                      {MapToolId::Marquee, "M"}, {MapToolId::Brush, "B"},
                                                      {MapToolId::Line, "L"},    {MapToolId::FilledRectangle, "R"},
                                                      {MapToolId::FloodFill, "F"}};
    for (const auto& [tool, key] : keys) {
        EXPECT_EQ(view->actions().tool(tool)->shortcut(), QKeySequence(QLatin1String(key)));
        EXPECT_TRUE(view->actions().tool(tool)->toolTip().endsWith(QStringLiteral(" (%1)").arg(QLatin1String(key))));
    }

    // The status names the cell, its tile, its block and its trigger.
    const MapTrigger& door = map().triggers.first();
    view->centreOn({door.x, door.y});
    send(view.get(), QEvent::MouseMove, at({door.x, door.y}), Qt::NoButton, Qt::NoButton);
    const QString status = view->cellStatus()->text();
    EXPECT_TRUE(status.startsWith(QStringLiteral("Cell (%1, %2)  Tile $").arg(door.x).arg(door.y))) << status.toStdString();
    EXPECT_TRUE(status.contains(QStringLiteral("Block (%1, %2)  Entrance to map $").arg(door.x / 4).arg(door.y / 4)));

    // The right button picks up the tile under the cursor.
    const QPoint cell = cellWithout(view->currentTile());
    click(cell, Qt::RightButton);
    EXPECT_EQ(view->currentTile(), map().tileAt(cell.x(), cell.y()));

    // Under "Marquee" Shift+Right moves the selection's block eight cells, Delete fills it.
    view->selectTool(MapToolId::Marquee);
    drag(cell, cell + QPoint(1, 0));
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::ShiftModifier);
    QApplication::sendEvent(view.get(), &right);
    EXPECT_EQ(view->tools()->session().selection(), QRect(cell + QPoint(8, 0), QSize(2, 1)));
    EXPECT_EQ(t.doc.undoStack()->undoText(), QStringLiteral("Move Selection"));
    view->actions().deleteSelection->trigger();
    EXPECT_EQ(map().tileAt(cell.x() + 9, cell.y()), view->currentTile());
    EXPECT_EQ(map().tileAt(cell.x(), cell.y()), 0xFF);
    t.doc.undoStack()->undo();
    EXPECT_EQ(map().tileAt(cell.x(), cell.y()), view->currentTile());
}
