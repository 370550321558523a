#include "shell/ctabbedframe.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"
#include "uikit/cnumberfield.h"
#include "worldmap/entrancedestination.h"
#include "worldmap/views/cmapview.h"
#include "worldmap/views/ctriggerpropertiessheet.h"
#include "worldmap/views/ctriggerwindow.h"
#include "worldmap/views/maptoolwindows.h"
#include "worldmap/worldmap.h"
#include "document/parts/worldmappart.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

void clickCell(CMapView& view, QPoint cell)
{
    const QPoint at = view.cellGeometry().cellRect(cell.x(), cell.y()).center();
    for (const auto& [type, held] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton}, std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
        QMouseEvent event(type, QPointF(at), QPointF(view.mapToGlobal(at)), Qt::LeftButton, held, {});
        QApplication::sendEvent(&view, &event);
    }
}

// World of Balance of the sample ROM with its triggers window; the
// trigger after the first is copied onto the first one's cell.
class TriggerWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(t.doc.open(rom.path()));
        WorldMap& m = map();
        ASSERT_GE(m.triggers.size(), 4);
        MapTrigger twin = m.triggers[2];
        twin.x = m.triggers[1].x;
        twin.y = m.triggers[1].y;
        m.triggers.insert(3, twin);
        view = std::make_unique<CMapView>(t.doc);
        view->setSubject(RecordRef(RecordKind::WorldMap, 0));
        view->resize(400, 300);
        view->show();
        QApplication::processEvents();
    }

    WorldMap& map() { return *worldMapOf(t.doc, 0); }
    CTriggerWindow& window() { return *view->toolWindows().triggers(); }
    QTreeWidgetItem* row(int trigger) { return window().list()->topLevelItem(trigger); }
    QPoint cellOf(int trigger) { return {map().triggers[trigger].x, map().triggers[trigger].y}; }
    // Runs "Edit..." on a trigger and acts on its sheet.
    void edit(int trigger, std::function<void(CTriggerPropertiesSheet&)> act)
    {
        window().selectTrigger(trigger);
        ASSERT_TRUE(window().button(CTriggerWindow::Edit)->isEnabled());
        onNextDialog([&act](QDialog& dialog) { act(static_cast<CTriggerPropertiesSheet&>(dialog)); });
        window().button(CTriggerWindow::Edit)->click();
    }
    template <class Field>
    static Field* field(QDialog& sheet, int id)
    {
        return sheet.findChild<Field*>(QString::number(id));
    }
    static void ok(QDialog& sheet) { sheet.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }

    TempRom rom;
    TestDoc t;
    std::unique_ptr<CMapView> view;
};

}  // namespace

TEST_F(TriggerWindowTest, ListsEveryTriggerWithItsColumnsAndCheckBox)
{
    QTreeWidget* list = window().list();
    ASSERT_EQ(list->topLevelItemCount(), map().triggers.size());
    EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("Source Pos."));
    EXPECT_EQ(list->headerItem()->text(4), QStringLiteral("Show Name"));
    const MapTrigger& first = map().triggers[0];
    EXPECT_EQ(row(0)->text(0), QStringLiteral("(%1, %2)").arg(first.x).arg(first.y));
    EXPECT_EQ(row(0)->checkState(0), Qt::Checked);
    const int lastRow = list->topLevelItemCount() - 1;
    EXPECT_EQ(row(lastRow)->text(1), QString::asprintf("$%06X", map().triggers.last().data));
    EXPECT_TRUE(row(lastRow)->text(2).isEmpty());
    EXPECT_GE(list->columnWidth(3), 43);
    // Nothing selected: only the buttons that need no row.
    EXPECT_FALSE(window().button(CTriggerWindow::GoToSource)->isEnabled());
    EXPECT_FALSE(window().button(CTriggerWindow::Delete)->isEnabled());
    EXPECT_FALSE(window().button(CTriggerWindow::Duplicate)->isEnabled());
    EXPECT_TRUE(window().button(CTriggerWindow::Add)->isEnabled());
    EXPECT_TRUE(window().button(CTriggerWindow::DeleteAll)->isEnabled());
}

TEST_F(TriggerWindowTest, ThePointerPicksTheFirstTriggerOnACellOnceARowIsSelected)
{
    view->selectTool(MapToolId::Pointer);
    view->centreOn(cellOf(1));
    clickCell(*view, cellOf(1));
    EXPECT_EQ(window().selectedTrigger(), -1);  // no row selected: nothing happens
    EXPECT_NE(view->selectedTriggerCell(), cellOf(1));

    window().selectTrigger(0);
    EXPECT_EQ(view->selectedTriggerCell(), cellOf(0));
    view->centreOn(cellOf(1));
    clickCell(*view, cellOf(1));
    EXPECT_EQ(window().selectedTrigger(), 1);  // not the copy behind it (row 3)
    EXPECT_EQ(view->selectedTriggerCell(), cellOf(1));
    EXPECT_EQ(window().list()->selectedItems().size(), 1);

    // Other tools leave the selection alone; a cell without a trigger too.
    view->selectTool(MapToolId::PickupTile);
    view->centreOn(cellOf(0));
    clickCell(*view, cellOf(0));
    EXPECT_EQ(window().selectedTrigger(), 1);
}

TEST_F(TriggerWindowTest, TheCheckBoxIsAnUndoableCommandOnFlagsBitZero)
{
    row(2)->setCheckState(0, Qt::Unchecked);
    EXPECT_FALSE(map().triggers[2].marksRegion());
    EXPECT_EQ(t.doc.undoStack()->undoText(), QStringLiteral("Uncheck Trigger"));
    EXPECT_TRUE(t.doc.isModified());
    t.doc.undoStack()->undo();
    EXPECT_TRUE(map().triggers[2].marksRegion());
    EXPECT_EQ(row(2)->checkState(0), Qt::Checked);
    EXPECT_FALSE(t.doc.isModified());
}

TEST_F(TriggerWindowTest, EditingAnEntranceRebuildsItsDestinationWord)
{
    MapTrigger odd = map().triggers[0];
    odd.data |= 0xC600;  // bits 9, 10, 14 and 15
    map().triggers[0] = odd;
    window().fill();
    QStringList shown;
    edit(0, [&](CTriggerPropertiesSheet& sheet) {
        shown.append(field<CNumberField>(sheet, 1083)->text());
        field<CNumberField>(sheet, 1081)->setText(QStringLiteral("255"));
        field<CNumberField>(sheet, 1083)->setText(QStringLiteral("1a2"));
        field<CNumberField>(sheet, 1046)->setText(QStringLiteral("7"));
        field<QComboBox>(sheet, 1034)->setCurrentIndex(EntranceDestination::Right);
        field<QCheckBox>(sheet, 1026)->setChecked(true);
        ok(sheet);
    });
    EXPECT_EQ(shown, QStringList{QString::asprintf("%03X", odd.data & 0x1FF)});
    const MapTrigger& now = map().triggers[0];
    EXPECT_EQ(now.x, 255);
    EXPECT_EQ(now.data & 0xFFFF, 0x800u | 1u << 12 | 0x1A2u);
    EXPECT_EQ((now.data >> 16) & 0xFF, 7u);
    EXPECT_EQ(now.data >> 24, odd.data >> 24);
    EXPECT_EQ(row(0)->text(1), QStringLiteral("$1A2"));
    EXPECT_EQ(row(0)->text(3), QStringLiteral("Right"));
    EXPECT_EQ(view->selectedTriggerCell(), QPoint(255, odd.y));
    EXPECT_EQ(t.doc.undoStack()->undoText(), QStringLiteral("Edit Trigger"));
    t.doc.undoStack()->undo();
    EXPECT_EQ(map().triggers[0].data, odd.data);
}

TEST_F(TriggerWindowTest, ValuesOutOfRangeAreRefusedAndTheSheetStaysOpen)
{
    const MapTrigger before = map().triggers[0];
    bool stayedOpen = false;
    edit(0, [&](CTriggerPropertiesSheet& sheet) {
        field<CNumberField>(sheet, 1082)->setText(QStringLiteral("256"));
        ok(sheet);
        stayedOpen = sheet.isVisible();
        field<CNumberField>(sheet, 1082)->setText(QStringLiteral("12"));
        field<CNumberField>(sheet, 1083)->setText(QStringLiteral("200"));
        ok(sheet);
    });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(t.messages.entries.size(), 2);
    EXPECT_EQ(t.messages.entries[0].text, QStringLiteral("Please enter an integer between 0 and 255."));
    EXPECT_EQ(t.messages.entries[1].text, QStringLiteral("Please enter a hexadecimal number between 000 and 1FF."));
    EXPECT_EQ(map().triggers[0].data, before.data);  // cancelled in the end
    EXPECT_EQ(t.doc.undoStack()->count(), 0);
}

TEST_F(TriggerWindowTest, EditingAnEventTriggerStoresItsPositionAndAddress)
{
    const int event = map().triggers.size() - 1;
    ASSERT_EQ(map().triggers[event].kind, MapTrigger::Event);
    edit(event, [&](CTriggerPropertiesSheet& sheet) {
        EXPECT_EQ(sheet.findChild<QTabWidget*>()->tabText(0), QStringLiteral("General"));
        EXPECT_EQ(field<CNumberField>(sheet, 1083), nullptr);
        field<CNumberField>(sheet, 1081)->setText(QStringLiteral("3"));
        field<CNumberField>(sheet, 1100)->setText(QStringLiteral("cb0102"));
        ok(sheet);
    });
    EXPECT_EQ(map().triggers[event].x, 3);
    EXPECT_EQ(map().triggers[event].data, 0xCB0102u);
    EXPECT_EQ(row(event)->text(1), QStringLiteral("$CB0102"));
}

TEST_F(TriggerWindowTest, GoToSourceCentresTheTriggerAsFarAsTheViewAllows)
{
    MapTrigger corner = map().triggers[0];
    corner.x = 2;
    corner.y = 1;
    map().triggers[0] = corner;
    window().fill();
    view->scrollTo({100, 100});
    window().selectTrigger(0);
    window().button(CTriggerWindow::GoToSource)->click();
    EXPECT_EQ(view->scrollPosition(), QPoint(0, 0));

    window().selectTrigger(1);
    window().button(CTriggerWindow::GoToSource)->click();
    const MapGeometry cells = view->cellGeometry();
    const QPoint expected = (cellOf(1) - QPoint(cells.visibleColumns() / 2, cells.visibleRows() / 2));
    EXPECT_EQ(view->scrollPosition(), QPoint(qBound(0, expected.x(), cells.scrollLimit().x()),
                                             qBound(0, expected.y(), cells.scrollLimit().y())));
}

TEST_F(TriggerWindowTest, GoToDestinationShowsACellOfThisWorldMapAndOnlyWorldMaps)
{
    int toBalance = -1;
    int toTown = -1;
    for (int i = 0; i < map().triggers.size(); ++i) {
        if (map().triggers[i].kind != MapTrigger::Entrance)
            continue;
        const int world = EntranceDestination::of(map().triggers[i]).worldMap();
        if (world == 0)
            toBalance = i;
        else if (world < 0 && toTown < 0)
            toTown = i;
    }
    ASSERT_GE(toBalance, 0);
    ASSERT_GE(toTown, 0);
    window().selectTrigger(toTown);
    EXPECT_FALSE(window().button(CTriggerWindow::GoToDestination)->isEnabled());
    window().selectTrigger(toBalance);
    ASSERT_TRUE(window().button(CTriggerWindow::GoToDestination)->isEnabled());
    const EntranceDestination d = EntranceDestination::of(map().triggers[toBalance]);
    window().button(CTriggerWindow::GoToDestination)->click();
    EXPECT_EQ(view->locatedCell(), QPoint(d.x, d.y));
    EXPECT_TRUE(view->cellGeometry().isVisible(d.x, d.y));
    // The next click on the map lets the mark go.
    clickCell(*view, view->scrollPosition() + QPoint(1, 1));
    EXPECT_FALSE(view->locatedCell());
}

TEST(TriggerWindowFrame, GoToDestinationOpensTheOtherWorldMapAtTheCell)
{
    TempRom rom;
    AppUnderTest app;
    ASSERT_TRUE(app.frame().openDocument(rom.path()));
    CTabbedFrame* balanceFrame = app.tree().openItem(findItem(app.tree(), QStringLiteral("World of Balance")));
    ASSERT_NE(balanceFrame, nullptr);
    auto* balance = qobject_cast<CMapView*>(balanceFrame->activeView());
    const WorldMap& map = *balance->map();
    int toRuin = -1;
    for (int i = 0; i < map.triggers.size(); ++i)
        if (map.triggers[i].kind == MapTrigger::Entrance && EntranceDestination::of(map.triggers[i]).worldMap() == 1)
            toRuin = i;
    ASSERT_GE(toRuin, 0);
    CTriggerWindow& window = *balance->toolWindows().triggers();
    window.selectTrigger(toRuin);
    window.button(CTriggerWindow::GoToDestination)->click();
    QApplication::processEvents();

    CMapView* ruin = nullptr;
    for (CEditorView* view : app.views().views())
        if (view->queryShows(RecordRef(RecordKind::WorldMap, 1)))
            ruin = qobject_cast<CMapView*>(view);
    ASSERT_NE(ruin, nullptr);
    const EntranceDestination d = EntranceDestination::of(map.triggers[toRuin]);
    EXPECT_EQ(ruin->locatedCell(), QPoint(d.x, d.y));
    EXPECT_TRUE(ruin->cellGeometry().isVisible(d.x, d.y));
    EXPECT_TRUE(ruin->window()->isVisible());
    // A second time the open window is used again.
    window.button(CTriggerWindow::GoToDestination)->click();
    int ruinViews = 0;
    for (CEditorView* view : app.views().views())
        ruinViews += view->queryShows(RecordRef(RecordKind::WorldMap, 1)) ? 1 : 0;
    EXPECT_EQ(ruinViews, 1);
}

TEST_F(TriggerWindowTest, DeleteAddDuplicateAndDeleteAllAreStepsTheTablesBound)
{
    // The fixture's copied trigger filled the entrance table past its room.
    const int size = int(map().triggers.size());
    const int entrances = map().triggerCount(MapTrigger::Entrance);
    window().selectTrigger(0);
    window().button(CTriggerWindow::Delete)->click();
    EXPECT_EQ(map().triggers.size(), size - 1);
    EXPECT_EQ(window().list()->topLevelItemCount(), size - 1);
    EXPECT_EQ(window().selectedTrigger(), 0);
    EXPECT_EQ(t.doc.undoStack()->undoText(), QStringLiteral("Delete Trigger"));
    window().button(CTriggerWindow::Duplicate)->click();  // back at the room it had: refused
    ASSERT_EQ(t.messages.entries.size(), 1);
    EXPECT_EQ(t.messages.entries[0].text, QStringLiteral("The entrance trigger table is full: 1 trigger(s) must go first."));
    EXPECT_EQ(map().triggers.size(), size - 1);
    window().button(CTriggerWindow::Delete)->click();

    // Add: the sheet opens on the selected trigger cell; the new entrance ends the entrances.
    view->selectTriggerCell({33, 44});
    onNextDialog([](QDialog& sheet) { ok(sheet); });
    window().button(CTriggerWindow::Add)->menu()->actions()[0]->trigger();
    ASSERT_EQ(map().triggers.size(), size - 1);
    const MapTrigger& added = map().triggers[entrances - 2];
    EXPECT_EQ(added.kind, MapTrigger::Entrance);
    EXPECT_EQ(QPoint(added.x, added.y), QPoint(33, 44));
    EXPECT_EQ(window().selectedTrigger(), entrances - 2);
    EXPECT_EQ(t.doc.undoStack()->undoText(), QStringLiteral("Add Entrance Trigger"));

    window().button(CTriggerWindow::DeleteAll)->click();
    EXPECT_TRUE(map().triggers.isEmpty());
    EXPECT_FALSE(window().button(CTriggerWindow::DeleteAll)->isEnabled());
    for (int i = 0; i < 4; ++i)
        t.doc.undoStack()->undo();
    EXPECT_EQ(map().triggers.size(), size);
    EXPECT_EQ(window().list()->topLevelItemCount(), size);
}
