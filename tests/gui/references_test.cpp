#include "records/views/citemeditview.h"
#include "records/shopproperties.h"
#include "records/views/cmonstereditview.h"
#include "records/views/cshopeditview.h"
#include "shell/ctabbedframe.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"
#include "uikit/cpropertytree.h"
#include "uikit/creferenceslist.h"
#include "uikit/gamenamelist.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// The view of type V that the program shows now (in a visible frame).
template <class V>
V* shownView(AppUnderTest& app)
{
    V* shown = nullptr;
    for (CTabbedFrame* frame : app.views().frames())
        if (auto* view = qobject_cast<V*>(frame->activeView()); view && frame->isVisible())
            shown = view;
    return shown;
}

template <class V>
V* openView(AppUnderTest& app, const RecordRef& at)
{
    CTabbedFrame* frame = app.views().openAt(at);
    if (!frame)
        return nullptr;
    frame->initialUpdate();
    QApplication::processEvents();
    return qobject_cast<V*>(frame->activeView());
}

// The item editor lists where its item is sold; double-clicking the shop
// opens the shop editor at that shop.
TEST(ReferencesPanel, TheItemEditorListsAShopAndOpensItOnDoubleClick)
{
    QByteArray image = sampleRomBytes();
    image[rom::fileOffset(0xC47AC0 + 12 * 9 + 1 + 3)] = char(0x2A);  // shop 12, slot 3 sells item 0x2A
    TempRom rom(image);
    AppUnderTest app;
    ASSERT_TRUE(app.started);
    ASSERT_TRUE(app.frame().openDocument(rom.path()));

    CTabbedFrame* itemFrame = app.views().openAt(RecordRef(RecordKind::Item, 0x2A));
    ASSERT_NE(itemFrame, nullptr);
    itemFrame->initialUpdate();
    auto* items = qobject_cast<CItemEditView*>(itemFrame->activeView());
    ASSERT_NE(items, nullptr);
    QApplication::processEvents();
    CReferencesList* refs = items->references();
    ASSERT_TRUE(refs->isVisible());
    QList<QTreeWidgetItem*> rows = refs->findItems(QStringLiteral("Shop 12, slot 3"), Qt::MatchExactly);
    ASSERT_EQ(rows.size(), 1);

    refs->scrollToItem(rows[0]);
    const QPoint at = refs->visualItemRect(rows[0]).center();
    QTest::mouseClick(refs->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(refs->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
    CShopEditView* shops = nullptr;
    for (CTabbedFrame* frame : app.views().frames())
        if (auto* view = qobject_cast<CShopEditView*>(frame->activeView()); view && frame->isVisible())
            shops = view;
    ASSERT_NE(shops, nullptr);
    EXPECT_EQ(shops->currentShop(), 12);
    // The shop's own panel lists what names it: nothing here but events.
    for (int row = 0; row < shops->references()->topLevelItemCount(); ++row)
        EXPECT_EQ(shops->references()->userAt(row).kind, RecordKind::Event);
}

// A shop's item slot offers "Go to" its item; the item editor opens there.
// Number fields and empty slots offer nothing.
TEST(PickerGoTo, AShopSlotOpensItsItemAndEmptySlotsOfferNothing)
{
    QByteArray image = sampleRomBytes();
    image[rom::fileOffset(0xC47AC0 + 12 * 9 + 1 + 3)] = char(0x2A);
    image[rom::fileOffset(0xC47AC0 + 12 * 9 + 1 + 7)] = char(0xFF);
    TempRom rom(image);
    AppUnderTest app;
    ASSERT_TRUE(app.started);
    ASSERT_TRUE(app.frame().openDocument(rom.path()));
    auto* shops = openView<CShopEditView>(app, RecordRef(RecordKind::Shop, 12));
    ASSERT_NE(shops, nullptr);
    auto* tree = shops->findChild<CPropertyTree*>();
    ASSERT_NE(tree, nullptr);

    EXPECT_EQ(tree->goToTarget(shopprops::kFirstItem + 3), RecordRef(RecordKind::Item, 0x2A));
    EXPECT_FALSE(tree->goToTarget(shopprops::kFirstItem + 7));
    EXPECT_FALSE(tree->goToTarget(tree->properties().groups.front().properties.front().id));  // the shop's type, a choice
    QTreeWidgetItem* none = tree->propertyItem(shopprops::kFirstItem + 7);
    EXPECT_TRUE(chooseFromContextMenu(tree->viewport(), tree->visualItemRect(none).center(), 0).isEmpty());

    QTreeWidgetItem* slot = tree->propertyItem(shopprops::kFirstItem + 3);
    tree->scrollToItem(slot);
    const QStringList menu = chooseFromContextMenu(tree->viewport(), tree->visualItemRect(slot).center(), 0);
    ASSERT_EQ(menu.size(), 1);
    EXPECT_TRUE(menu[0].startsWith(QStringLiteral("Go to "))) << menu[0].toStdString();
    auto* items = shownView<CItemEditView>(app);
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(items->currentRecord(), 0x2A);
}

// A monster's dropped-item slot goes to the item it holds.
TEST(PickerGoTo, AMonsterDropSlotOpensItsItem)
{
    TempRom rom;
    AppUnderTest app;
    ASSERT_TRUE(app.started);
    ASSERT_TRUE(app.frame().openDocument(rom.path()));
    auto* monsters = openView<CMonsterEditView>(app, RecordRef(RecordKind::Monster, 5));
    ASSERT_NE(monsters, nullptr);
    auto* dropped = monsters->findChild<GameNameList*>(QStringLiteral("dropped"));
    ASSERT_NE(dropped, nullptr);
    const int item = dropped->rowValue(0);
    ASSERT_EQ(dropped->goToTarget(0), RecordRef(RecordKind::Item, item));

    EXPECT_EQ(chooseFromContextMenu(dropped->viewport(), dropped->visualItemRect(dropped->item(0)).center(), 0),
              QStringList{QStringLiteral("Go to")});
    auto* items = shownView<CItemEditView>(app);
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(items->currentRecord(), item);
}

}  // namespace
