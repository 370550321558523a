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
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// The World of Balance window of the program, with the sample ROM open.
struct MapFrame {
    explicit MapFrame(const platform::MemorySettingsStore& settings = {}) : app({}, settings)
    {
        EXPECT_TRUE(app.frame().openDocument(rom.path()));
        frame = app.tree().openItem(findItem(app.tree(), QStringLiteral("World of Balance")));
        view = frame ? qobject_cast<CMapView*>(frame->activeView()) : nullptr;
        QApplication::processEvents();
    }
    const WorldMap& map() { return *worldMapOf(app.doc(), 0); }
    // Paints one cell of the window's top-left corner with the brush.
    QPoint brush(QPoint offset, int tile)
    {
        view->selectTool(MapToolId::Brush);
        view->setCurrentTile(tile);
        const QPoint cell = view->scrollPosition() + offset;
        const QPoint at = view->cellGeometry().cellRect(cell.x(), cell.y()).center();
        for (const auto& [type, held] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                         std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
            QMouseEvent event(type, QPointF(at), QPointF(view->mapToGlobal(at)), Qt::LeftButton, held, {});
            QApplication::sendEvent(view, &event);
        }
        return cell;
    }
    QString undoText() const { return frame->undoAction()->text(); }
    QString redoText() const { return frame->redoAction()->text(); }

    TempRom rom;
    AppUnderTest app;
    CTabbedFrame* frame = nullptr;
    CMapView* view = nullptr;
};

}  // namespace

TEST(MapHistory, TheFramesUndoTakesTheMostRecentStepOfTheMapOrTheDocument)
{
    MapFrame f;
    ASSERT_NE(f.view, nullptr);
    const QPoint first = f.brush({2, 2}, 0x3C);
    QTreeWidgetItem* row = f.view->toolWindows().triggers()->list()->topLevelItem(0);
    row->setCheckState(0, Qt::Unchecked);
    const QPoint second = f.brush({4, 2}, 0x3D);
    EXPECT_EQ(f.undoText(), QStringLiteral("&Undo Brush"));

    f.frame->undoAction()->trigger();
    EXPECT_NE(f.map().tileAt(second.x(), second.y()), 0x3D);
    EXPECT_EQ(f.undoText(), QStringLiteral("&Undo Uncheck Trigger"));
    f.frame->undoAction()->trigger();
    EXPECT_TRUE(f.map().triggers[0].marksRegion());
    EXPECT_EQ(row->checkState(0), Qt::Checked);
    EXPECT_EQ(f.map().tileAt(first.x(), first.y()), 0x3C);
    f.frame->undoAction()->trigger();
    EXPECT_NE(f.map().tileAt(first.x(), first.y()), 0x3C);
    EXPECT_FALSE(f.frame->undoAction()->isEnabled());

    // Redo goes forward in the same order.
    EXPECT_EQ(f.redoText(), QStringLiteral("&Redo Brush"));
    f.frame->redoAction()->trigger();
    EXPECT_EQ(f.redoText(), QStringLiteral("&Redo Uncheck Trigger"));
    f.frame->redoAction()->trigger();
    EXPECT_FALSE(f.map().triggers[0].marksRegion());
    f.frame->redoAction()->trigger();
    EXPECT_EQ(f.map().tileAt(second.x(), second.y()), 0x3D);

    // A step of another window's document edit is the most recent one too.
    flipItemNameBits(f.app.doc(), 3, 0);
    EXPECT_EQ(f.undoText(), QStringLiteral("&Undo Change Name"));
    f.app.doc().undoStack()->undo();  // undone over there
    EXPECT_EQ(f.undoText(), QStringLiteral("&Undo Brush"));
    EXPECT_EQ(f.redoText(), QStringLiteral("&Redo Change Name"));
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
