#include "records/views/citemeditview.h"
#include "records/views/cshopeditview.h"
#include "shell/ctabbedframe.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"
#include "uikit/creferenceslist.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

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

}  // namespace
