#include "document/editcommands.h"
#include "document/tablecsv.h"
#include "shell/ctabbedframe.h"
#include "shell/editorregistry.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"
#include "uikit/ceditorview.h"
#include "document/parts/itemspart.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenuBar>
#include <QPointer>
#include <QTabBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

QAction* fileAction(QMainWindow& window, const QString& text)
{
    const QList<QAction*> menus = window.menuBar()->actions();
    if (menus.isEmpty() || !menus[0]->menu())
        return nullptr;
    for (QAction* action : menus[0]->menu()->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

}  // namespace

TEST(TabbedFrame, SwitchingTabsShowsOneViewAtATime)
{
    TestDoc t;
    CTabbedFrame frame(t.doc, *EditorRegistry::standard().forKind(RecordKind::Item));
    ASSERT_TRUE(frame.load());
    frame.show();
    const QList<CEditorView*> views = frame.views();
    ASSERT_EQ(views.size(), 5);
    QStringList titles;
    for (int i = 0; i < frame.tabBar()->count(); ++i)
        titles.append(frame.tabBar()->tabText(i));
    EXPECT_EQ(titles, (QStringList{"Items", "Shops", "Magic", "Espers", "Tables"}));

    frame.tabBar()->setCurrentIndex(2);
    EXPECT_EQ(frame.activeView(), views[2]);
    EXPECT_EQ(frame.activeView()->objectName(), QStringLiteral("CMagicEditView"));
    for (int i = 0; i < views.size(); ++i)
        EXPECT_EQ(views[i]->isVisible(), i == 2) << i;
}

TEST(TabbedFrame, WorldMapFrameHasOneMapTab)
{
    TestDoc t;
    CTabbedFrame frame(t.doc, *EditorRegistry::standard().forKind(RecordKind::WorldMap));
    ASSERT_TRUE(frame.load());
    EXPECT_EQ(frame.resourceId(), 148u);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("World Map - Tessel"));
    ASSERT_EQ(frame.tabBar()->count(), 1);
    EXPECT_EQ(frame.tabBar()->tabText(0), QStringLiteral("Map"));
    EXPECT_EQ(frame.activeView()->objectName(), QStringLiteral("CMapView"));
    // Nothing loaded: nothing to save.
    EXPECT_FALSE(fileAction(frame, QStringLiteral("&Save"))->isEnabled());
}

TEST(TabbedFrame, FileMenuHasSaveTestAndClose)
{
    AppUnderTest app;
    TempRom rom;
    ASSERT_TRUE(app.frame().openDocument(rom.path()));
    CTabbedFrame* frame = app.tree().openItem(findItem(app.tree(), QStringLiteral("Monsters")));
    ASSERT_NE(frame, nullptr);

    QAction* save = fileAction(*frame, QStringLiteral("&Save"));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_TRUE(save->isEnabled());
    QAction* test = fileAction(*frame, QStringLiteral("&Test..."));
    ASSERT_NE(test, nullptr);
    EXPECT_TRUE(test->isEnabled());
    EXPECT_EQ(test->shortcut(), QKeySequence(Qt::Key_F5));

    // Save in the frame saves the document.
    flipItemNameBits(app.doc(), 3, 0);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Monster Formations and Statistics - test.smc*"));
    save->trigger();
    EXPECT_FALSE(app.doc().isModified());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Monster Formations and Statistics - test.smc"));

    QPointer<CTabbedFrame> watch(frame);
    QAction* close = fileAction(*frame, QStringLiteral("&Close"));
    ASSERT_NE(close, nullptr);
    close->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
    EXPECT_TRUE(app.views().frames().isEmpty());
    // With its views gone, the area opens anew.
    EXPECT_NE(app.tree().openItem(findItem(app.tree(), QStringLiteral("Monsters"))), nullptr);
}

TEST(TabbedFrame, EditMenuUndoesAndRedoesTheDocumentsCommandsByName)
{
    TempRom rom;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(rom.path()));
    CTabbedFrame frame(t.doc, *EditorRegistry::standard().forKind(RecordKind::Item));
    ASSERT_TRUE(frame.load());
    QAction* undo = frame.undoAction();
    QAction* redo = frame.redoAction();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo"));
    EXPECT_EQ(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(redo->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                                      QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));

    const quint16 price = quint16(t.doc.part<ItemsPart>().table().items[4].record[28] | t.doc.part<ItemsPart>().table().items[4].record[29] << 8);
    t.doc.undoStack()->push(makeSetWord(t.doc, t.doc.part<ItemsPart>().bytes(RecordPart::Record, 4), 28, quint16(price + 1),
                                        QStringLiteral("Change Price")));
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Change Price"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Items and Magic - test.smc*"));

    undo->trigger();
    EXPECT_EQ(t.doc.part<ItemsPart>().table().items[4].record[28] | t.doc.part<ItemsPart>().table().items[4].record[29] << 8, price);
    EXPECT_FALSE(t.doc.isModified());
    EXPECT_EQ(redo->text(), QStringLiteral("&Redo Change Price"));
    redo->trigger();
    EXPECT_EQ(quint16(t.doc.part<ItemsPart>().table().items[4].record[28] | t.doc.part<ItemsPart>().table().items[4].record[29] << 8), quint16(price + 1));
    EXPECT_TRUE(t.doc.isModified());
}

TEST(TabbedFrame, ExportAndImportTableGoThroughTheActiveViewsTableAsOneUndoStep)
{
    TempRom rom{resavedSampleRomBytes()};
    TestDoc t;
    ASSERT_TRUE(t.doc.open(rom.path()));
    CTabbedFrame frame(t.doc, *EditorRegistry::standard().forKind(RecordKind::Item));
    ASSERT_TRUE(frame.load());
    frame.show();
    ScriptedFileChooser files;
    for (CEditorView* view : frame.views())
        view->setFileChooser(&files);
    QAction* exportTable = fileAction(frame, QStringLiteral("&Export Table..."));
    QAction* importTable = fileAction(frame, QStringLiteral("&Import Table..."));
    ASSERT_NE(exportTable, nullptr);
    ASSERT_NE(importTable, nullptr);
    EXPECT_TRUE(importTable->isVisible());

    QTemporaryDir dir;
    files.answers = {dir.filePath(QStringLiteral("prices"))};
    exportTable->trigger();
    EXPECT_EQ(files.suggestions, QStringList{QStringLiteral("items.csv")});
    QFile file(dir.filePath(QStringLiteral("prices.csv")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray csv = file.readAll();
    file.close();
    ASSERT_EQ(csv, tablecsv::exportTable(t.doc, RecordKind::Item));

    // Item 0 costs 10; the file asks for 1234.
    const QByteArray dirk = "\n0,<D8>Bronze Dirk,Weapon,true,false,false,";
    ASSERT_TRUE(csv.contains(dirk + "10,"));
    QByteArray edited = csv;
    edited.replace(dirk + "10,", dirk + "1234,");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(edited);
    file.close();
    files.answers = {file.fileName()};
    importTable->trigger();
    ASSERT_EQ(t.messages.entries.size(), 1);
    EXPECT_EQ(t.messages.entries[0].text, QStringLiteral("1 records changed."));
    EXPECT_EQ(tablecsv::exportTable(t.doc, RecordKind::Item), edited);
    EXPECT_EQ(frame.undoAction()->text(), QStringLiteral("&Undo Import items"));
    frame.undoAction()->trigger();
    EXPECT_EQ(tablecsv::exportTable(t.doc, RecordKind::Item), csv);
    EXPECT_FALSE(frame.undoAction()->isEnabled());

    // The Shops tab imports shops only: the item file is refused.
    frame.tabBar()->setCurrentIndex(1);
    files.answers = {file.fileName()};
    importTable->trigger();
    ASSERT_EQ(t.messages.entries.size(), 2);
    EXPECT_EQ(t.messages.entries[1].text,
              QStringLiteral("Nothing was imported:\nThe file holds the items table, not the shops table."));
    EXPECT_EQ(t.doc.undoStack()->count(), 1);  // the undone import, to redo
}
