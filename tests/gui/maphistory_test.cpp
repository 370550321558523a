#include "shell/ctabbedframe.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"
#include "worldmap/views/cmapview.h"
#include "worldmap/views/ctileeditor.h"
#include "worldmap/views/ctriggerwindow.h"
#include "worldmap/views/mapviewactions.h"
#include "worldmap/views/maptoolwindows.h"
#include "worldmap/worldmap.h"
#include "document/parts/worldmappart.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTreeWidget>
#include <QUndoView>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::LeftButton, held, {});
    QApplication::sendEvent(widget, &event);
}

// The World of Balance window of the program, with the sample ROM open.
struct MapFrame {
    explicit MapFrame(const platform::MemorySettingsStore& settings = {}) : app({}, settings)
    {
        EXPECT_TRUE(app.frame().openDocument(rom.path()));
        open();
    }
    void open()
    {
        frame = app.tree().openItem(findItem(app.tree(), QStringLiteral("World of Balance")));
        view = frame ? qobject_cast<CMapView*>(frame->activeView()) : nullptr;
        QApplication::processEvents();
    }
    void close()
    {
        QPointer<CTabbedFrame> watch(frame);
        frame->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(watch.isNull());
        frame = nullptr;
        view = nullptr;
    }
    const WorldMap& map() { return *worldMapOf(app.doc(), 0); }
    int tile(QPoint cell) { return map().tileAt(cell.x(), cell.y()); }
    // A cell of the window, counted from its top-left.
    QPoint cellAt(QPoint offset) const { return view->scrollPosition() + offset; }
    QPoint pointOf(QPoint cell) const { return view->cellGeometry().cellRect(cell.x(), cell.y()).center(); }
    // Presses on the first cell, moves over the others and lets go on the last.
    void stroke(const QList<QPoint>& cells)
    {
        sendMouse(view, QEvent::MouseButtonPress, pointOf(cells.front()), Qt::LeftButton);
        for (qsizetype i = 1; i < cells.size(); ++i)
            sendMouse(view, QEvent::MouseMove, pointOf(cells[i]), Qt::LeftButton);
        sendMouse(view, QEvent::MouseButtonRelease, pointOf(cells.back()), Qt::NoButton);
    }
    // Paints one cell of the window with the brush.
    QPoint brush(QPoint offset, int tile)
    {
        view->selectTool(MapToolId::Brush);
        view->setCurrentTile(tile);
        const QPoint cell = cellAt(offset);
        stroke({cell});
        return cell;
    }
    // Selects (and lifts) the cells from one to the other with the marquee.
    void select(QPoint from, QPoint to)
    {
        view->selectTool(MapToolId::Marquee);
        stroke({from, to});
    }
    QByteArray tiles(const QRect& cells)
    {
        QByteArray bytes;
        for (int y = cells.top(); y <= cells.bottom(); ++y)
            for (int x = cells.left(); x <= cells.right(); ++x)
                bytes.append(char(tile({x, y})));
        return bytes;
    }
    QString undoText() const { return frame->undoAction()->text(); }
    QString redoText() const { return frame->redoAction()->text(); }
    int steps() { return app.doc().undoStack()->count(); }
    bool titleMarked() const { return frame->windowTitle().endsWith(QLatin1Char('*')); }

    TempRom rom;
    AppUnderTest app;
    CTabbedFrame* frame = nullptr;
    CMapView* view = nullptr;
};

}  // namespace

TEST(MapHistory, MapStepsAndTheDocumentsOtherStepsShareOneOrder)
{
    MapFrame f;
    ASSERT_NE(f.view, nullptr);
    const QPoint first = f.brush({2, 2}, 0x3C);
    QTreeWidgetItem* row = f.view->toolWindows().triggers()->list()->topLevelItem(0);
    row->setCheckState(0, Qt::Unchecked);
    const QPoint second = f.brush({4, 2}, 0x3D);
    EXPECT_EQ(f.undoText(), QStringLiteral("&Undo Brush"));

    f.frame->undoAction()->trigger();
    EXPECT_NE(f.tile(second), 0x3D);
    EXPECT_EQ(f.undoText(), QStringLiteral("&Undo Uncheck Trigger"));
    f.frame->undoAction()->trigger();
    EXPECT_TRUE(f.map().triggers[0].marksRegion());
    EXPECT_EQ(row->checkState(0), Qt::Checked);
    EXPECT_EQ(f.tile(first), 0x3C);
    f.frame->undoAction()->trigger();
    EXPECT_NE(f.tile(first), 0x3C);
    EXPECT_FALSE(f.frame->undoAction()->isEnabled());

    // Redo goes forward in the same order.
    EXPECT_EQ(f.redoText(), QStringLiteral("&Redo Brush"));
    f.frame->redoAction()->trigger();
    EXPECT_EQ(f.redoText(), QStringLiteral("&Redo Uncheck Trigger"));
    f.frame->redoAction()->trigger();
    EXPECT_FALSE(f.map().triggers[0].marksRegion());
    f.frame->redoAction()->trigger();
    EXPECT_EQ(f.tile(second), 0x3D);

    // A step of another window's document edit is the most recent one too.
    flipItemNameBits(f.app.doc(), 3, 0);
    EXPECT_EQ(f.undoText(), QStringLiteral("&Undo Change Name"));
    f.app.doc().undo();  // undone over there
    EXPECT_EQ(f.undoText(), QStringLiteral("&Undo Brush"));
    EXPECT_EQ(f.redoText(), QStringLiteral("&Redo Change Name"));
}

TEST(MapHistory, ABrushStrokeIsOneStepSeenAsItIsDrawn)
{
    MapFrame f;
    ASSERT_NE(f.view, nullptr);
    const QList<QPoint> cells = {f.cellAt({2, 3}), f.cellAt({3, 3}), f.cellAt({4, 3}), f.cellAt({5, 3})};
    const QByteArray before = f.tiles(QRect(cells.front(), cells.back()));
    char painted = 0x2B;
    while (before.contains(painted))
        ++painted;
    f.view->selectTool(MapToolId::Brush);
    f.view->setCurrentTile(quint8(painted));
    sendMouse(f.view, QEvent::MouseButtonPress, f.pointOf(cells[0]), Qt::LeftButton);
    sendMouse(f.view, QEvent::MouseMove, f.pointOf(cells[2]), Qt::LeftButton);
    // On the document's stack while the button is still down.
    EXPECT_EQ(f.steps(), 1);
    EXPECT_EQ(f.tile(cells[1]), quint8(painted));
    EXPECT_TRUE(f.titleMarked());
    sendMouse(f.view, QEvent::MouseMove, f.pointOf(cells[3]), Qt::LeftButton);
    sendMouse(f.view, QEvent::MouseButtonRelease, f.pointOf(cells[3]), Qt::NoButton);
    EXPECT_EQ(f.tiles(QRect(cells.front(), cells.back())), QByteArray(4, painted));
    EXPECT_EQ(f.steps(), 1);

    f.frame->undoAction()->trigger();
    EXPECT_EQ(f.tiles(QRect(cells.front(), cells.back())), before);
    EXPECT_FALSE(f.frame->undoAction()->isEnabled());
    EXPECT_FALSE(f.titleMarked());
}

TEST(MapHistory, UndoAfterCutPutsTheCellsBackAndNothingOlder)
{
    MapFrame f;
    ASSERT_NE(f.view, nullptr);
    const QPoint painted = f.brush({1, 1}, 0x3E);  // the earlier, unrelated edit
    const QRect selected(f.cellAt({4, 4}), f.cellAt({6, 5}));
    const QByteArray before = f.tiles(selected);
    ASSERT_FALSE(before.contains(char(0xFF)));
    f.select(selected.topLeft(), selected.bottomRight());
    f.view->actions().cut->trigger();
    EXPECT_EQ(f.tiles(selected), QByteArray(6, char(0xFF)));
    EXPECT_EQ(f.undoText(), QStringLiteral("&Undo Cut"));
    EXPECT_EQ(f.steps(), 2);

    f.frame->undoAction()->trigger();
    EXPECT_EQ(f.tiles(selected), before);
    EXPECT_EQ(f.tile(painted), 0x3E);
    EXPECT_EQ(f.undoText(), QStringLiteral("&Undo Brush"));
    f.frame->redoAction()->trigger();
    EXPECT_EQ(f.tiles(selected), QByteArray(6, char(0xFF)));
}

TEST(MapHistory, ABlockLiftedAndPutBackInPlaceLeavesTheDocumentUnmodified)
{
    MapFrame f;
    ASSERT_NE(f.view, nullptr);
    const QRect selected(f.cellAt({3, 3}), f.cellAt({5, 4}));
    const QByteArray before = f.tiles(selected);
    f.select(selected.topLeft(), selected.bottomRight());
    // Lifted: the map holds tile 255 under the block, a step of its own.
    EXPECT_EQ(f.tiles(selected), QByteArray(6, char(0xFF)));
    EXPECT_EQ(f.undoText(), QStringLiteral("&Undo Move Selection"));
    EXPECT_TRUE(f.titleMarked());

    f.view->selectTool(MapToolId::Marquee);
    f.stroke({f.cellAt({9, 9})});  // a click puts it back
    EXPECT_EQ(f.tiles(selected), before);
    EXPECT_EQ(f.steps(), 0);
    EXPECT_FALSE(f.app.doc().isModified());
    EXPECT_FALSE(f.titleMarked());
}

TEST(MapHistory, UndoWhileABlockFloatsPutsItBackAndUndoesNothingOlder)
{
    MapFrame f;
    ASSERT_NE(f.view, nullptr);
    const QPoint painted = f.brush({1, 1}, 0x3E);
    const QRect selected(f.cellAt({4, 4}), f.cellAt({5, 6}));
    const QByteArray before = f.tiles(selected);
    f.select(selected.topLeft(), selected.bottomRight());
    ASSERT_TRUE(f.view->tools()->session().hasFloatingBlock());
    EXPECT_EQ(f.tiles(selected), QByteArray(6, char(0xFF)));

    f.frame->undoAction()->trigger();
    EXPECT_FALSE(f.view->tools()->session().hasFloatingBlock());
    EXPECT_EQ(f.tiles(selected), before);
    EXPECT_EQ(f.tile(painted), 0x3E);
    EXPECT_EQ(f.undoText(), QStringLiteral("&Undo Brush"));
    EXPECT_FALSE(f.frame->redoAction()->isEnabled());
}

TEST(MapHistory, UndoOfAPastePutsBackTheCellsItCovered)
{
    MapFrame f;
    ASSERT_NE(f.view, nullptr);
    const QRect source(f.cellAt({1, 1}), f.cellAt({2, 2}));
    const QByteArray block = f.tiles(source);
    f.select(source.topLeft(), source.bottomRight());
    f.view->actions().copy->trigger();
    EXPECT_EQ(f.steps(), 0);  // a copy changes nothing

    const QRect target(f.cellAt({6, 3}), f.cellAt({7, 4}));
    const QByteArray covered = f.tiles(target);
    ASSERT_NE(covered, block);
    f.view->actions().paste->trigger();
    f.stroke({target.topLeft()});
    EXPECT_EQ(f.tiles(target), block);
    EXPECT_EQ(f.undoText(), QStringLiteral("&Undo Paste"));
    EXPECT_EQ(f.steps(), 1);

    f.frame->undoAction()->trigger();
    EXPECT_EQ(f.tiles(target), covered);
    EXPECT_EQ(f.tiles(source), block);
    EXPECT_FALSE(f.app.doc().isModified());
}

TEST(MapHistory, AToolWindowEditPutsAFloatingBlockBackFirst)
{
    MapFrame f;
    ASSERT_NE(f.view, nullptr);
    const QRect selected(f.cellAt({4, 4}), f.cellAt({5, 5}));
    const QByteArray before = f.tiles(selected);
    f.select(selected.topLeft(), selected.bottomRight());
    f.view->toolWindows().triggers()->list()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    // The lift and its drop cancel out: only the trigger edit is a step.
    EXPECT_EQ(f.tiles(selected), before);
    EXPECT_EQ(f.steps(), 1);
    EXPECT_EQ(f.undoText(), QStringLiteral("&Undo Uncheck Trigger"));
}

TEST(MapHistory, ClosingTheMapWindowKeepsItsSteps)
{
    MapFrame f;
    ASSERT_NE(f.view, nullptr);
    const QPoint cell = f.cellAt({2, 2});
    const int before = f.tile(cell);
    f.brush({2, 2}, before ^ 0x01);
    f.close();

    CTabbedFrame* other = f.app.tree().openItem(findItem(f.app.tree(), QStringLiteral("Monsters")));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->undoAction()->text(), QStringLiteral("&Undo Brush"));
    other->undoAction()->trigger();
    EXPECT_EQ(f.tile(cell), before);
    EXPECT_FALSE(other->windowTitle().endsWith(QLatin1Char('*')));

    // Opened again, the map window redoes the step and shows it.
    f.open();
    ASSERT_NE(f.view, nullptr);
    f.view->centreOn(cell);
    QApplication::processEvents();
    const QRect shown = f.view->cellGeometry().cellRect(cell.x(), cell.y());
    const QImage undone = f.view->grab().toImage().copy(shown);
    EXPECT_EQ(f.redoText(), QStringLiteral("&Redo Brush"));
    f.frame->redoAction()->trigger();
    EXPECT_EQ(f.tile(cell), before ^ 0x01);
    QApplication::processEvents();
    EXPECT_NE(f.view->grab().toImage().copy(shown), undone);
}

TEST(MapHistory, ClosingTheMapWindowPutsAFloatingBlockBack)
{
    MapFrame f;
    ASSERT_NE(f.view, nullptr);
    const QRect selected(f.cellAt({3, 3}), f.cellAt({4, 4}));
    const QByteArray before = f.tiles(selected);
    f.select(selected.topLeft(), selected.bottomRight());
    ASSERT_EQ(f.steps(), 1);
    f.close();
    EXPECT_EQ(f.tiles(selected), before);
    EXPECT_EQ(f.steps(), 0);
    EXPECT_FALSE(f.app.doc().isModified());
}

TEST(MapHistory, UndoingBackToTheSaveClearsTheMarkInEveryWindow)
{
    MapFrame f;
    ASSERT_NE(f.view, nullptr);
    CTabbedFrame* other = f.app.tree().openItem(findItem(f.app.tree(), QStringLiteral("World of Ruin")));
    ASSERT_NE(other, nullptr);
    f.brush({1, 1}, f.tile(f.cellAt({1, 1})) ^ 0x01);
    ASSERT_TRUE(f.app.doc().save(f.rom.path()));
    EXPECT_FALSE(f.titleMarked());
    f.brush({2, 1}, f.tile(f.cellAt({2, 1})) ^ 0x01);
    f.select(f.cellAt({4, 4}), f.cellAt({5, 5}));
    EXPECT_TRUE(f.titleMarked());
    EXPECT_TRUE(other->windowTitle().endsWith(QLatin1Char('*')));

    // The first undo puts the block back, the second takes the brush away.
    f.frame->undoAction()->trigger();
    EXPECT_TRUE(f.titleMarked());
    f.frame->undoAction()->trigger();
    EXPECT_FALSE(f.titleMarked());
    EXPECT_FALSE(other->windowTitle().endsWith(QLatin1Char('*')));
    EXPECT_FALSE(f.app.doc().isModified());
}

TEST(MapHistory, TheUndoLimitSettingBoundsTheSteps)
{
    platform::MemorySettingsStore settings;
    settings.values.insert(QStringLiteral("UndoLimit"), QStringLiteral("2"));
    MapFrame f(settings);
    ASSERT_NE(f.view, nullptr);
    const QPoint first = f.brush({1, 1}, f.tile(f.cellAt({1, 1})) ^ 0x01);
    const int firstTile = f.tile(first);
    f.brush({2, 1}, f.tile(f.cellAt({2, 1})) ^ 0x01);
    f.brush({3, 1}, f.tile(f.cellAt({3, 1})) ^ 0x01);
    EXPECT_EQ(f.steps(), 2);
    f.frame->undoAction()->trigger();
    f.frame->undoAction()->trigger();
    EXPECT_FALSE(f.frame->undoAction()->isEnabled());
    EXPECT_EQ(f.tile(first), firstTile);  // its step was let go
}

TEST(MapHistory, TheUndoLimitIsAThousandStepsUnlessSet)
{
    AppUnderTest app;
    EXPECT_EQ(app.doc().undoStack()->undoLimit(), 1000);
    app.app->exitInstance();
    EXPECT_EQ(app.store.values.value(QStringLiteral("UndoLimit")), QStringLiteral("1000"));
}

TEST(MapHistory, ToolWindowsGoWhereTheSettingsSayAndTheirPlaceIsKept)
{
    platform::MemorySettingsStore settings;
    settings.values.insert(QStringLiteral("TriggerWindowSpecs"), QStringLiteral("0100 0120 0500 0400 1 0 0"));
    settings.values.insert(QStringLiteral("TileDialogSpecs"), QStringLiteral("0050 0060 0000 0000 1 0 0"));
    settings.values.insert(QStringLiteral("TileWindowSpecs"), QStringLiteral("9000 9000 9300 9300 1 0 0"));
    MapFrame f(settings);
    ASSERT_NE(f.view, nullptr);
    MapToolWindows& windows = f.view->toolWindows();
    QDockWidget* triggers = windows.triggersWindow();
    EXPECT_TRUE(triggers->isFloating());
    EXPECT_TRUE(triggers->isVisible());
    EXPECT_EQ(triggers->geometry(), QRect(100, 120, 400, 280));
    EXPECT_TRUE(f.view->actions().viewMenu->actions().contains(triggers->toggleViewAction()));
    EXPECT_TRUE(triggers->toggleViewAction()->isChecked());
    // A place on no screen is not used: the tile palette stays docked.
    EXPECT_FALSE(windows.tilesWindow()->isFloating());
    EXPECT_TRUE(windows.tilesWindow()->isVisible());
    EXPECT_TRUE(windows.tileEditor()->isVisible());
    EXPECT_TRUE(windows.tileEditorToggle()->isChecked());
    EXPECT_EQ(windows.tileEditor()->pos(), QPoint(50, 60));

    windows.tileEditor()->hide();
    EXPECT_FALSE(windows.tileEditorToggle()->isChecked());
    triggers->setGeometry(150, 130, 400, 280);
    windows.tilesWindow()->toggleViewAction()->trigger();  // hidden: its visibility is not kept
    f.frame->close();
    QApplication::processEvents();
    f.app.app->exitInstance();
    EXPECT_EQ(f.app.store.values.value(QStringLiteral("TriggerWindowSpecs")), QStringLiteral("0150 0130 0550 0410 1 0 0"));
    EXPECT_EQ(f.app.store.values.value(QStringLiteral("TileWindowSpecs")), QStringLiteral("-2147483648 -2147483648 0000 0000 1 0 0"));
    EXPECT_TRUE(f.app.store.values.value(QStringLiteral("TileDialogSpecs")).startsWith(QStringLiteral("0050 0060 ")));
    EXPECT_TRUE(f.app.store.values.value(QStringLiteral("TileDialogSpecs")).endsWith(QStringLiteral(" 0 0 0")));
}

TEST(MapHistory, TheHistoryPanelListsTheStepsAndAClickGoesBackPastAFloatingBlock)
{
    MapFrame f;
    const QPoint a = f.brush({1, 1}, 0x21);
    f.brush({2, 1}, 0x22);
    f.select(f.cellAt({4, 4}), f.cellAt({5, 5}));  // floats until the click below
    QAction* history = f.frame->findChild<QAction*>(QStringLiteral("actionHistory"));
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->text(), QStringLiteral("History"));
    history->trigger();
    auto* list = f.frame->findChild<QUndoView*>(QStringLiteral("history"));
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    // The opened state, both strokes and the lift.
    ASSERT_EQ(list->model()->rowCount(), 4);
    EXPECT_EQ(list->model()->index(1, 0).data().toString(), QStringLiteral("Brush"));

    const QPoint row = list->visualRect(list->model()->index(1, 0)).center();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(row), QPointF(list->viewport()->mapToGlobal(row)),
                      Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(list->viewport(), &press);
    EXPECT_FALSE(f.view->tools()->session().hasFloatingBlock());
    EXPECT_EQ(f.app.doc().undoStack()->index(), 1);
    EXPECT_EQ(f.tile(a), 0x21);
    EXPECT_NE(f.tile(a + QPoint(1, 0)), 0x22);
    EXPECT_EQ(f.redoText(), QStringLiteral("&Redo Brush"));
}
