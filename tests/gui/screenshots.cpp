// Pictures of the windows on the sample ROM, for a look by eye: run
// build/tests/gui/tessel_screenshots and look in build/screenshots/. They
// are no test (CTest does not run them); the widget tests check the windows.
#include "document/editcommands.h"
#include "play/views/crunwindow.h"
#include "text/dialoguescript.h"
#include "events/views/ceventscriptview.h"
#include "events/views/eventscriptmodel.h"
#include "records/views/ccharstatsview.h"
#include "records/views/cmonstereditsheet.h"
#include "records/views/cmonstereditview.h"
#include "records/views/cmonsterformationview.h"
#include "tests/gui/viewonsample.h"
#include "uikit/crangespinbox.h"
#include "records/itemproperties.h"
#include "records/views/citemeditview.h"
#include "document/referenceindex.h"
#include "shell/caboutbox.h"
#include "document/recordtablesource.h"
#include "document/replacemessagecommand.h"
#include "document/setmapcellscommand.h"
#include "document/setscriptbytescommand.h"
#include "patch/patcher.h"
#include "text/dialoguescript.h"
#include "shell/capplypatchdialog.h"
#include "shell/ccreatepatchdialog.h"
#include "shell/crecoveryofferdialog.h"
#include "shell/crestorebackupdialog.h"
#include "shell/ctabbedframe.h"
#include "shell/editorregistry.h"
#include "uikit/cfilefield.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"
#include "text/editors/cdialogueview.h"
#include "text/editors/cpagestrip.h"
#include "text/editors/cscriptedit.h"
#include "uikit/creferenceslist.h"
#include "uikit/cpropertytree.h"
#include "uikit/gamenamelist.h"
#include "uikit/gamenamepicker.h"
#include "worldmap/entrancedestination.h"
#include "worldmap/views/ceditcolordialog.h"
#include "worldmap/views/cmapview.h"
#include "worldmap/views/ctileeditor.h"
#include "worldmap/views/ctriggerwindow.h"
#include "worldmap/views/mapviewactions.h"
#include "worldmap/views/maptoolwindows.h"
#include "worldmap/worldmap.h"
#include "document/parts/monsterspart.h"
#include "document/parts/scriptpart.h"
#include "records/views/crecordtablesview.h"
#include "records/views/crecordtableview.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QUndoStack>

#include <algorithm>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QPixmap>
#include <QLineEdit>
#include <QTabBar>
#include <QTableView>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

void writeShot(QWidget& window, const QString& name)
{
    const QString dir = QStringLiteral(TESSEL_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(dir));
    settle();
    ASSERT_TRUE(window.grab().save(dir + QLatin1Char('/') + name)) << name.toStdString();
}

}  // namespace

// Pictures of the main window and of every group's frame for a look by eye.
TEST(Screenshots, MainWindowAndEveryGroupFrame)
{
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    AppUnderTest app({rom.path()});
    ASSERT_TRUE(app.started);
    writeShot(app.frame(), QStringLiteral("main-window.png"));

    // A ROM another tool expanded: the status bar says its data is kept.
    TempRom expanded(sampleRomBytes() + QByteArray(0x10000, 'x'), QStringLiteral("expanded.smc"));
    ASSERT_TRUE(app.frame().openDocument(expanded.path()));
    writeShot(app.frame(), QStringLiteral("main-window-other-tools-data.png"));
    ASSERT_TRUE(app.frame().openDocument(rom.path()));

    CAboutBox about(&app.frame());
    about.show();
    writeShot(about, QStringLiteral("about-box.png"));
    about.hide();

    const struct {
        const char* item;
        const char* file;
    } groups[] = {
        {"World of Balance", "frame-world-map.png"},
        {"Dialogue and Fonts", "frame-dialogue.png"},
        {"Items and Magic", "frame-items.png"},
        {"Monsters", "frame-monsters.png"},
        {"Characters", "frame-characters.png"},
        {"Event Scripts", "frame-event-scripts.png"},
    };
    CTabbedFrame* items = nullptr;
    for (const auto& group : groups) {
        QTreeWidgetItem* item = findItem(app.tree(), QString::fromLatin1(group.item));
        if (!item) {
            // No world maps in the document yet: the frame without its map.
            CTabbedFrame frame(app.doc(), *EditorRegistry::standard().forKind(RecordKind::WorldMap));
            ASSERT_TRUE(frame.load());
            frame.initialUpdate();
            writeShot(frame, QString::fromLatin1(group.file));
            continue;
        }
        CTabbedFrame* frame = app.tree().openItem(item);
        ASSERT_NE(frame, nullptr) << group.item;
        writeShot(*frame, QString::fromLatin1(group.file));
        if (QLatin1String(group.item) == QLatin1String("Items and Magic"))
            items = frame;
    }

    // Every tab of the items frame.
    ASSERT_NE(items, nullptr);
    items->resize(900, 640);
    for (int tab = 0; tab < items->tabBar()->count(); ++tab) {
        items->tabBar()->setCurrentIndex(tab);
        writeShot(*items, QStringLiteral("frame-items-%1.png").arg(items->tabBar()->tabText(tab).toLower()));
    }
    // The name field open in place, and the spell picker.
    items->tabBar()->setCurrentIndex(0);
    auto* itemView = qobject_cast<CItemEditView*>(items->activeView());
    ASSERT_NE(itemView, nullptr);
    // The item with the most uses, and its References panel.
    int mostUsed = 0;
    ReferenceIndex& index = ReferenceIndex::of(app.doc());
    for (int item = 0; item < 255; ++item)
        if (index.usesOf(RecordRef(RecordKind::Item, item)).size()
            > index.usesOf(RecordRef(RecordKind::Item, mostUsed)).size())
            mostUsed = item;
    itemView->selectRecord(mostUsed);
    writeShot(*items, QStringLiteral("frame-items-references.png"));
    itemView->selectRecord(0);
    itemView->propertyTree()->activate(itemprops::kName);
    writeShot(*items, QStringLiteral("frame-items-name-field.png"));
    itemView->propertyTree()->activate(3001);
    settle();
    ASSERT_NE(itemView->propertyTree()->picker(), nullptr);
    writeShot(*itemView->propertyTree()->picker(), QStringLiteral("property-name-picker.png"));
}

// A message that fits the window with the default names but not with the
// longest a player can give: marked with View > Check With Longest Names
// on (the default), unmarked with it off.
TEST(Screenshots, DialogueLongestNamesCheck)
{
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    AppUnderTest app({rom.path()});
    ASSERT_TRUE(app.started);
    CTabbedFrame* frame = app.tree().openItem(findItem(app.tree(), QStringLiteral("Dialogue and Fonts")));
    ASSERT_NE(frame, nullptr);
    frame->resize(900, 640);
    auto* view = qobject_cast<CDialogueView*>(frame->activeView());
    ASSERT_NE(view, nullptr);
    DialogueMessage message;
    ASSERT_TRUE(ParseDialogue(message, QStringLiteral("<C 1> <C 2> <C 3>\r\n<C 4> <C 5> <C 6>\r\n<C 7> <C 8> <C 9>\r\n"
                                                      "<C 10> <C 11> <C 12> <C 13> <C 14>")));
    app.doc().undoStack()->push(new ReplaceMessageCommand(app.doc(), 7, message.bytes));
    view->selectMessage(7);
    writeShot(*frame, QStringLiteral("dialogue-longest-names.png"));
    app.frame().findChild<QAction*>(QStringLiteral("actionLongestNames"))->setChecked(false);
    writeShot(*frame, QStringLiteral("dialogue-default-names.png"));
}

// The dialogue editor and both font editors on the sample ROM, at a size
// where their parts can be seen.
TEST(Screenshots, DialogueAndFontEditors)
{
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    AppUnderTest app({rom.path()});
    ASSERT_TRUE(app.started);
    CTabbedFrame* frame = app.tree().openItem(findItem(app.tree(), QStringLiteral("Dialogue and Fonts")));
    ASSERT_NE(frame, nullptr);
    frame->resize(900, 640);
    const char* files[] = {"dialogue-editor.png", "dialogue-font-editor.png", "menu-font-editor.png"};
    for (int tab = 0; tab < 3; ++tab) {
        frame->selectTab(tab);
        writeShot(*frame, QString::fromLatin1(files[tab]));
    }
    // The pages of a long message at three times their size, to see the game's text up close.
    frame->selectTab(0);
    auto* view = qobject_cast<CDialogueView*>(frame->activeView());
    ASSERT_NE(view, nullptr);
    view->selectMessage(2);
    settle();
    const QImage pages = view->pageStrip()->grab().toImage();
    ASSERT_TRUE(pages.scaled(pages.size() * 3).save(QStringLiteral(TESSEL_SCREENSHOT_DIR "/dialogue-pages-x3.png")));

    // Text being typed: its pages show before it is applied, the one that
    // does not fit framed in red.
    view->scriptEdit()->setScriptText(QStringLiteral(
        "<C 2>: The night train keeps watch over the harbor.<P>\r\nWe will wait here until dawn, and then we "
        "will see who comes down the road from the north gate, and what he carries, and where he goes after. Nobody here has ever seen him sleep."));
    writeShot(*frame, QStringLiteral("dialogue-editor-preview.png"));

    // Typed text not applied yet: the status bar says so.
    view->selectMessage(3);
    view->scriptEdit()->setFocus();
    QTest::keyClicks(view->scriptEdit(), QStringLiteral("Typed but not applied"));
    writeShot(*frame, QStringLiteral("dialogue-editor-pending.png"));
    // A refused text: the caret at the character the game lacks, and the
    // message as its box shows it.
    view->scriptEdit()->selectAll();
    typeText(view->scriptEdit(), QStringLiteral("Voil\u00E0 <C 2>, na\u00EFve"));
    QTest::mouseClick(view->applyButton(), Qt::LeftButton);
    writeShot(*frame, QStringLiteral("dialogue-editor-refused.png"));
    ASSERT_FALSE(app.messages.entries.isEmpty());
    QMessageBox box(QMessageBox::Warning, app.messages.entries.last().caption, app.messages.entries.last().text,
                    QMessageBox::Ok);
    box.show();
    writeShot(box, QStringLiteral("dialogue-editor-refused-message.png"));
}

// A slot list of monster names with its picker open.
TEST(Screenshots, NamePicker)
{
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    AppUnderTest app({rom.path()});
    ASSERT_TRUE(app.started);
    CFF3Doc& doc = app.doc();
    GameNameList list;
    list.setDocument(&doc);
    list.setNames(int(doc.part<MonstersPart>().table().monsters.size()), [&doc](int index) {
        const auto name = doc.part<MonstersPart>().table().monsters[std::size_t(index)].name();
        return QByteArray(reinterpret_cast<const char*>(name.data()), qsizetype(name.size()));
    });
    list.setMode(GameNameList::NoneAllowed);
    for (int value : {0, 7, GameNameSource::kNone, 42})
        list.addRow(value, records::kMonsterNameWidth);
    list.resize(160, 4 * GameNameList::kRowHeight + 4);
    list.show();
    writeShot(list, QStringLiteral("name-list.png"));
    list.openPicker(1);
    writeShot(*list.picker(), QStringLiteral("name-picker.png"));
    list.picker()->hide();
}

// The dialogs of the File menu's patch and backup commands.
TEST(Screenshots, PatchAndBackupDialogs)
{
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    ScriptedFileChooser files;

    CCreatePatchDialog create(rom.path(), true, files);
    create.show();
    writeShot(create, QStringLiteral("dialog-create-patch.png"));

    CApplyPatchDialog apply(rom.path(), files);
    apply.findChild<CFileField*>(QStringLiteral("patchPath"))->setPath(rom.dir() + QStringLiteral("/hack.bps"));
    apply.show();
    writeShot(apply, QStringLiteral("dialog-apply-patch.png"));

    const QDateTime noon(QDate(2024, 5, 1), QTime(12, 0, 0));
    QList<RomBackups::Entry> backups;
    for (int i = 0; i < 4; ++i)
        backups.append({rom.path(), noon.addSecs(-3600 * i), 4 - i, 3146240 + (i == 3 ? 1048576 : 0)});
    CRestoreBackupDialog restore(backups, QStringLiteral("sample.smc"), rom.dir() + QStringLiteral("/sample.smc-backups"));
    restore.show();
    writeShot(restore, QStringLiteral("dialog-restore-backup.png"));
}

// File > Apply Patch: the "Changes" window for a patch with a few edits,
// before the patched file is written.
TEST(Screenshots, ChangesWindowForAPatch)
{
    TempRom rom(resavedSampleRomBytes(), QStringLiteral("sample.smc"));
    TempRom hack(resavedSampleRomBytes(), QStringLiteral("hack.smc"));
    {
        TestDoc t;
        ASSERT_TRUE(t.doc.open(hack.path()));
        QUndoStack& stack = *t.doc.undoStack();
        const RecordTableSource items(t.doc, RecordKind::Item);
        stack.push(items.makeEdit(3, items.fieldAt(QStringLiteral("General/Cost in GP")), 4321));
        stack.push(items.makeEdit(7, items.fieldAt(QStringLiteral("Numerical Status Properties/Battle Power")), 99));
        const RecordTableSource monsters(t.doc, RecordKind::Monster);
        stack.push(monsters.makeEdit(12, monsters.fieldAt(QStringLiteral("Statistics/Speed")), 60));
        for (int message : {2, 3, 8}) {
            DialogueMessage m;
            ASSERT_TRUE(ParseDialogue(m, QStringLiteral("<C 1>: The patch rewrote message %1.").arg(message)));
            stack.push(new ReplaceMessageCommand(t.doc, message, m.bytes));
        }
        stack.push(new SetMapCellsCommand(t.doc, 0, {{{40, 60}, 7}, {{41, 60}, 7}, {{41, 61}, 7}, {{120, 90}, 3}},
                                          QStringLiteral("Brush")));
        stack.push(new SetScriptBytesCommand(t.doc, {{0xCA028A, bytesOf({0x80, 0x05})}}, QStringLiteral("Edit")));
        ASSERT_TRUE(t.doc.save(hack.path()));
    }
    const QString patchPath = rom.dir() + QStringLiteral("/hack.bps");
    writeFileBytes(patchPath, Patcher::create(Patcher::Format::Bps, rom.read(), hack.read()).data);

    AppUnderTest app({rom.path()});
    ASSERT_TRUE(app.started);
    onNextDialog([&](QDialog& dialog) {
        dialog.findChild<CFileField*>(QStringLiteral("patchPath"))->setPath(patchPath);
        onNextDialog([&](QDialog& changes) {
            changes.resize(760, 520);
            writeShot(changes, QStringLiteral("changes-window-patch.png"));
        });
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    app.frame().findChild<QAction*>(QStringLiteral("actionApplyPatch"))->trigger();
}

// The Run window on the sample, at the default scale.
TEST(Screenshots, RunWindow)
{
    SKIP_WITHOUT_EMULATOR_CORE();
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    AppUnderTest app({rom.path()});
    ASSERT_TRUE(app.started);
    ASSERT_TRUE(app.frame().runDocument());
    CRunWindow* run = app.frame().runWindow();
    run->setPaused(true);
    run->runFrames(120);
    writeShot(*run, QStringLiteral("run-window.png"));

    QAction* pause = run->findChild<QAction*>(QStringLiteral("actionPause"));
    ASSERT_NE(pause, nullptr);
    QMenu* emulation = pause->associatedObjects().isEmpty() ? nullptr
                                                            : qobject_cast<QMenu*>(pause->associatedObjects().first());
    ASSERT_NE(emulation, nullptr);
    emulation->popup(run->mapToGlobal(QPoint(40, 20)));
    writeShot(*emulation, QStringLiteral("run-window-emulation-menu.png"));
    emulation->hide();
}

namespace {

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, {});
    QApplication::sendEvent(widget, &event);
}

}  // namespace

// The map editor with the grid on, a marquee selection, the trigger tints
// of the Pointer tool and the overview; then the same at 2x.
TEST(Screenshots, MapEditor)
{
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    AppUnderTest app({rom.path()});
    ASSERT_TRUE(app.started);
    CTabbedFrame* frame = app.tree().openItem(findItem(app.tree(), QStringLiteral("World of Balance")));
    ASSERT_NE(frame, nullptr);
    frame->resize(1000, 720);
    auto* view = qobject_cast<CMapView*>(frame->activeView());
    ASSERT_NE(view, nullptr);
    const WorldMap& map = *view->map();
    ASSERT_GE(map.triggers.size(), 2);
    // An event trigger and the trigger nearest to it, which is the selected one.
    auto distance = [](const MapTrigger& a, const MapTrigger& b) { return qAbs(a.x - b.x) + qAbs(a.y - b.y); };
    const MapTrigger* event = &map.triggers.first();
    const MapTrigger* nearest = &map.triggers.last();
    for (const MapTrigger& a : map.triggers)
        for (const MapTrigger& b : map.triggers)
            if (a.kind == MapTrigger::Event && &a != &b && distance(a, b) < distance(*event, *nearest)) {
                event = &a;
                nearest = &b;
            }
    const MapTrigger& first = *event;
    settle();
    view->scrollTo({qMin(first.x, nearest->x) - 6, qMin(first.y, nearest->y) - 5});
    view->actions().gridLines->trigger();
    view->selectTriggerCell({nearest->x, nearest->y});

    view->selectTool(MapToolId::Marquee);
    const QPoint corner = view->scrollPosition();
    const QPoint from = view->cellGeometry().cellRect(corner.x() + 14, corner.y() + 9).center();
    const QPoint to = view->cellGeometry().cellRect(corner.x() + 20, corner.y() + 13).center();
    sendMouse(view, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(view, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    sendMouse(view, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    view->selectTool(MapToolId::Pointer);
    sendMouse(view, QEvent::MouseMove, view->cellGeometry().cellRect(corner.x() + 8, corner.y() + 16).center(),
              Qt::NoButton, Qt::NoButton);
    QTest::qWait(400);  // the overview and the space meter catch up
    writeShot(*frame, QStringLiteral("map-editor.png"));

    view->actions().zoomIn->trigger();
    view->scrollTo({qMin(first.x, nearest->x) - 3, qMin(first.y, nearest->y) - 2});
    writeShot(*frame, QStringLiteral("map-editor-zoom2.png"));
    view->actions().actualSize->trigger();

    // A copy of the selection about to be pasted lower down.
    view->scrollTo(corner);
    view->copy();
    view->paste();
    sendMouse(view, QEvent::MouseMove, view->cellGeometry().cellRect(corner.x() + 5, corner.y() + 20).center(),
              Qt::NoButton, Qt::NoButton);
    writeShot(*frame, QStringLiteral("map-editor-paste.png"));
    view->paste();
    view->actions().gridLines->trigger();
}

// A stamp taken from a marquee selection shown under the cursor; the
// region grid with the trigger labels; the History panel after a few edits.
TEST(Screenshots, MapStampGridAndHistory)
{
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    AppUnderTest app({rom.path()});
    ASSERT_TRUE(app.started);
    CTabbedFrame* frame = app.tree().openItem(findItem(app.tree(), QStringLiteral("World of Balance")));
    ASSERT_NE(frame, nullptr);
    frame->resize(1000, 720);
    auto* view = qobject_cast<CMapView*>(frame->activeView());
    ASSERT_NE(view, nullptr);
    settle();
    const MapTrigger& door = view->map()->triggers.first();
    view->scrollTo({door.x - 10, door.y - 8});
    const QPoint corner = view->scrollPosition();
    auto pointOf = [&](int dx, int dy) { return view->cellGeometry().cellRect(corner.x() + dx, corner.y() + dy).center(); };

    view->selectTool(MapToolId::Marquee);
    // The door with the grass and forest around it, painted once onto the
    // mountains and shown again under the cursor.
    sendMouse(view, QEvent::MouseButtonPress, pointOf(8, 7), Qt::LeftButton, Qt::LeftButton);
    sendMouse(view, QEvent::MouseMove, pointOf(12, 10), Qt::NoButton, Qt::LeftButton);
    sendMouse(view, QEvent::MouseButtonRelease, pointOf(12, 10), Qt::LeftButton, Qt::NoButton);
    view->actions().useAsStamp->trigger();
    sendMouse(view, QEvent::MouseButtonPress, pointOf(18, 16), Qt::LeftButton, Qt::LeftButton);
    sendMouse(view, QEvent::MouseButtonRelease, pointOf(18, 16), Qt::LeftButton, Qt::NoButton);
    sendMouse(view, QEvent::MouseMove, pointOf(20, 28), Qt::NoButton, Qt::NoButton);
    writeShot(*frame, QStringLiteral("map-stamp-preview.png"));

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(view, &escape);
    view->selectTool(MapToolId::Pointer);
    view->actions().regionGrid->trigger();
    view->actions().triggerLabels->trigger();
    sendMouse(view, QEvent::MouseMove, view->cellGeometry().cellRect(door.x, door.y).center(), Qt::NoButton, Qt::NoButton);
    writeShot(*frame, QStringLiteral("map-region-grid-labels.png"));

    view->replaceTileWith(view->map()->tileAt(door.x, door.y), 0);
    frame->findChild<QAction*>(QStringLiteral("actionHistory"))->trigger();
    settle();
    writeShot(*frame, QStringLiteral("map-history.png"));

    // Every cell of the tile under the cursor, tinted.
    view->selectTool(MapToolId::Marquee);
    view->selectSameTile(corner + QPoint(4, 4));
    settle();
    writeShot(*frame, QStringLiteral("map-select-same-tile.png"));

    // Zoomed out to 1:4: most of the world in the window.
    view->actions().zoomOut->trigger();
    view->actions().zoomOut->trigger();
    settle();
    writeShot(*frame, QStringLiteral("map-zoom-quarter.png"));
}

// The map's tool windows: the tile palette and the triggers list docked,
// a trigger selected, the highlighted tile; the tile editor, the trigger
// sheet of an entrance and "Edit Color".
TEST(Screenshots, MapToolWindows)
{
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    AppUnderTest app({rom.path()});
    ASSERT_TRUE(app.started);
    CTabbedFrame* frame = app.tree().openItem(findItem(app.tree(), QStringLiteral("World of Balance")));
    ASSERT_NE(frame, nullptr);
    frame->resize(1100, 800);
    auto* view = qobject_cast<CMapView*>(frame->activeView());
    ASSERT_NE(view, nullptr);
    MapToolWindows& windows = view->toolWindows();
    windows.triggersWindow()->toggleViewAction()->trigger();
    settle();
    CTriggerWindow& triggers = *windows.triggers();
    int entrance = 0;
    for (int i = 0; i < view->map()->triggers.size(); ++i)
        if (EntranceDestination::of(view->map()->triggers[i]).worldMap() >= 0)
            entrance = i;
    triggers.selectTrigger(entrance);
    triggers.goToSource();
    const MapTrigger& selected = view->map()->triggers[entrance];
    view->setCurrentTile(view->map()->tileAt(selected.x + 1, selected.y));
    view->actions().highlightSelectedTile->trigger();
    QTest::qWait(300);
    writeShot(*frame, QStringLiteral("map-tool-windows.png"));
    view->actions().highlightSelectedTile->trigger();

    CTileEditor& editor = *windows.tileEditor();
    windows.tileEditorToggle()->trigger();
    editor.selectTile(view->map()->tileAt(selected.x + 1, selected.y));
    editor.selectQuarter(3);
    editor.adjustSize();
    writeShot(editor, QStringLiteral("map-tile-editor.png"));
    editor.hide();

    onNextDialog([](QDialog& sheet) { writeShot(sheet, QStringLiteral("map-trigger-properties.png")); });
    triggers.editSelected();

    CEditColorDialog color(view->map()->color(37), QStringLiteral("Color 37: palette 2, entry 5"));
    color.show();
    writeShot(color, QStringLiteral("map-edit-color.png"));
}

// The monster, formation and character editors.
TEST(Screenshots, MonsterFormationAndCharacterEditors)
{
    {
        ViewOnSample<CMonsterEditView> v;
        v.view->resize(960, 680);
        v.view->selectMonster(15);
        ASSERT_EQ(v.view->currentMonster(), 15);
        writeShot(*v.view, QStringLiteral("monster-statistics.png"));
        v.view->sheet()->setCurrentIndex(1);
        writeShot(*v.view, QStringLiteral("monster-items-abilities.png"));
    }
    {
        // Formation 5 of the sample holds six monsters; the second is selected.
        ViewOnSample<CMonsterFormationView> v;
        v.view->resize(1100, 680);
        v.view->formationNumber()->setValue(5);
        v.view->selectSlot(1);
        ASSERT_EQ(v.view->selectedSlot(), 1);
        writeShot(*v.view, QStringLiteral("formation-editor.png"));
    }
    {
        ViewOnSample<CCharStatsView> v;
        v.view->resize(900, 600);
        v.view->characterNumber()->setValue(1);
        writeShot(*v.view, QStringLiteral("character-form.png"));
    }
}

// The monster table of the monsters' frame, sorted by HP, largest first.
TEST(Screenshots, MonsterTableSortedByHp)
{
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    AppUnderTest app({rom.path()});
    ASSERT_TRUE(app.started);
    CTabbedFrame* frame = app.views().openAt(RecordRef(RecordKind::Monster, 0));
    ASSERT_NE(frame, nullptr);
    frame->initialUpdate();
    frame->resize(1000, 620);
    auto* tables = frame->findChild<CMonsterTablesView*>();
    ASSERT_NE(tables, nullptr);
    frame->selectTab(int(frame->views().indexOf(tables)));
    CRecordTableView* monsters = tables->table(RecordKind::Monster);
    const int hp = int(monsters->columnPaths().indexOf(QStringLiteral("Statistics/HP"))) + 1;
    monsters->table()->sortByColumn(hp, Qt::DescendingOrder);
    monsters->table()->selectRow(0);
    writeShot(*frame, QStringLiteral("monster-table.png"));
    monsters->filterBox()->setText(QStringLiteral("hp > 20000 weak = fire"));
    writeShot(*frame, QStringLiteral("monster-table-filtered.png"));
    monsters->filterBox()->setText(QStringLiteral("hp > 20000 weak = cheese"));
    writeShot(*frame, QStringLiteral("monster-table-filter-message.png"));
}

// The Event Scripts frame after following a command's jump.
TEST(Screenshots, EventScriptsAfterAJump)
{
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    AppUnderTest app({rom.path()});
    ASSERT_TRUE(app.started);
    CTabbedFrame* frame = app.views().openAt(RecordRef(RecordKind::Event));
    ASSERT_NE(frame, nullptr);
    frame->initialUpdate();
    frame->resize(900, 600);
    auto* view = qobject_cast<CEventScriptView*>(frame->activeView());
    ASSERT_NE(view, nullptr);
    const events::ScriptListing& listing = *view->model()->listing();
    for (int i = 2000; i < listing.size(); ++i) {
        const QList<RecordRef> refs = listing.references(i);
        if (std::any_of(refs.begin(), refs.end(), [](const RecordRef& r) { return r.kind == RecordKind::Event; })) {
            app.views().openAt(RecordRef::event(listing.address(i)));
            break;
        }
    }
    ASSERT_TRUE(view->followLink());
    writeShot(*frame, QStringLiteral("frame-event-scripts-after-jump.png"));
}

// The dialogue editor at a message several event commands show, with its
// "Used by events" list filled.
TEST(Screenshots, DialogueUsedByEvents)
{
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    AppUnderTest app({rom.path()});
    ASSERT_TRUE(app.started);
    const events::ScriptListing& listing = app.doc().part<ScriptPart>().listing();
    int message = -1;
    for (int m = 1; m < 400 && message < 0; ++m)
        if (listing.referencing(RecordRef(RecordKind::Message, m)).size() >= 3)
            message = m;
    ASSERT_GE(message, 0);
    CTabbedFrame* frame = app.views().openAt(RecordRef(RecordKind::Message, message));
    ASSERT_NE(frame, nullptr);
    frame->initialUpdate();
    frame->resize(900, 640);
    auto* view = qobject_cast<CDialogueView*>(frame->activeView());
    ASSERT_NE(view, nullptr);
    settle();
    ASSERT_GE(view->references()->topLevelItemCount(), 3);
    writeShot(*frame, QStringLiteral("dialogue-used-by-events.png"));
}

// The offer of a recovery copy whose ROM file was written after it was opened.
TEST(Screenshots, RecoveryOffer)
{
    TempRom rom(sampleRomBytes(), QStringLiteral("hack.smc"));
    RecoveryCopy copy;
    copy.romPath = rom.path();
    copy.romSize = QFileInfo(rom.path()).size();
    copy.romModified = QFileInfo(rom.path()).lastModified().addSecs(-3600);
    copy.copied = QDateTime::currentDateTime().addSecs(-600);
    CRecoveryOfferDialog offer(copy);
    offer.show();
    writeShot(offer, QStringLiteral("recovery-offer.png"));
}
