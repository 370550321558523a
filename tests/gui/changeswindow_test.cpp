// The "Changes" window: areas with counts, the filter, and double-clicks
// that open the editors of the open document.
#include "compare/views/cchangeswindow.h"
#include "document/recordtablesource.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

RomChange recordChange(int index, const QString& field)
{
    RomChange c;
    c.area = QStringLiteral("items");
    c.subject = RecordRef(RecordKind::Item, index);
    c.index = index;
    c.name = QStringLiteral("Dirk");
    c.field = field;
    c.oldValue = 10;
    c.newValue = 20;
    return c;
}

RomChanges someChanges()
{
    RomChange message;
    message.area = QStringLiteral("dialogue");
    message.subject = RecordRef(RecordKind::Message, 5);
    message.index = 5;
    message.oldValue = QStringLiteral("Hello");
    message.newValue = QStringLiteral("Good bye");
    RomChange bytes;
    bytes.area = QStringLiteral("bytes");
    bytes.subject = RecordRef::address(0xC00000);
    bytes.start = 0x200;
    bytes.end = 0x204;
    bytes.region = QStringLiteral("unknown");
    return {recordChange(3, QStringLiteral("General/Cost in GP")), recordChange(4, QStringLiteral("General/Name")),
            message, bytes};
}

QStringList areaTexts(const QTreeWidget& tree)
{
    QStringList texts;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        if (!tree.topLevelItem(i)->isHidden())
            texts.append(tree.topLevelItem(i)->text(0));
    return texts;
}

void doubleClickRow(QTreeWidget& tree, QTreeWidgetItem* item)
{
    ASSERT_NE(item, nullptr);
    tree.scrollToItem(item);
    const QPoint at = tree.visualItemRect(item).center();
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

TEST(ChangesWindow, GroupsByAreaWithCountsAndFiltersOnEveryWord)
{
    CChangesWindow window(someChanges(), QStringLiteral("heading"));
    window.show();
    QTreeWidget& tree = *window.tree();
    EXPECT_EQ(areaTexts(tree), (QStringList{"items (2)", "dialogue (1)", "bytes (1)"}));
    EXPECT_EQ(tree.topLevelItem(0)->child(0)->text(0), QStringLiteral("items 3 Dirk, General/Cost in GP"));
    EXPECT_EQ(tree.topLevelItem(0)->child(0)->text(1), QStringLiteral("10 -> 20"));
    EXPECT_EQ(tree.topLevelItem(2)->child(0)->text(0), QStringLiteral("0x000200-0x000204"));

    QTest::keyClicks(window.filterBox(), QStringLiteral("COST dirk"));
    EXPECT_EQ(areaTexts(tree), QStringList{"items (1 of 2)"});
    EXPECT_TRUE(tree.topLevelItem(0)->child(1)->isHidden());
    window.filterBox()->clear();
    QTest::keyClicks(window.filterBox(), QStringLiteral("bye"));
    EXPECT_EQ(areaTexts(tree), QStringList{"dialogue (1)"});
    window.filterBox()->clear();
    EXPECT_EQ(areaTexts(tree).size(), 3);
}

TEST(ChangesWindow, DoubleClickAsksForTheSubjectExceptForBareBytes)
{
    CChangesWindow window(someChanges(), QStringLiteral("heading"), QStringLiteral("Apply"));
    window.show();
    QList<RecordRef> asked;
    QObject::connect(&window, &CChangesWindow::subjectRequested, [&asked](const RecordRef& r) { asked.append(r); });
    doubleClickRow(*window.tree(), window.tree()->topLevelItem(1)->child(0));
    doubleClickRow(*window.tree(), window.tree()->topLevelItem(2)->child(0));
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0], RecordRef(RecordKind::Message, 5));
    EXPECT_EQ(window.buttons()->buttons().size(), 2);  // Apply and Cancel
}

TEST(ChangesWindow, CompareWithListsTheOtherFileAndOpensTheEditorAtARecord)
{
    TempRom original(resavedSampleRomBytes(), QStringLiteral("original.smc"));
    TempRom edited(resavedSampleRomBytes(), QStringLiteral("edited.smc"));
    {
        TestDoc t;
        ASSERT_TRUE(t.doc.open(edited.path()));
        const RecordTableSource items(t.doc, RecordKind::Item);
        t.doc.undoStack()->push(items.makeEdit(3, items.fieldAt(QStringLiteral("General/Cost in GP")), 4321));
        ASSERT_TRUE(t.doc.save(edited.path()));
    }
    AppUnderTest app;
    ASSERT_TRUE(app.frame().openDocument(original.path()));
    app.files.answers = {edited.path()};
    app.frame().findChild<QAction*>(QStringLiteral("actionCompare"))->trigger();

    auto* window = app.frame().findChild<CChangesWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(areaTexts(*window->tree()), QStringList{"items (1)"});
    EXPECT_EQ(window->tree()->topLevelItem(0)->child(0)->text(1), QStringLiteral("5560 -> 4321"));
    ASSERT_TRUE(app.views().frames().isEmpty());
    doubleClickRow(*window->tree(), window->tree()->topLevelItem(0)->child(0));
    EXPECT_EQ(app.views().frames().size(), 1);
}
