#include "document/cff3doc.h"
#include "records/itemproperties.h"
#include "records/views/cespereditview.h"
#include "records/views/citemeditview.h"
#include "records/views/cmagiceditview.h"
#include "records/views/cmonsterformationview.h"
#include "records/views/cshopeditview.h"
#include "tests/gui/viewonsample.h"
#include "tests/testsupport.h"
#include "text/menutext.h"
#include "text/plainname.h"
#include "uikit/cpropertytree.h"
#include "uikit/crangespinbox.h"
#include "uikit/gamenameedit.h"
#include "uikit/gamenamelist.h"
#include "uikit/gamenamepicker.h"
#include "document/parts/itemspart.h"
#include "document/parts/shopspart.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

using namespace tessel;

namespace {

// Replaces the whole name in an open name field (without committing it).
void retype(GameNameEdit* field, const QString& text)
{
    QTest::keyClick(field, Qt::Key_End);
    for (int i = 0; i < field->name().size(); ++i)
        QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// Collects the warnings Qt prints while it lives.
class QtWarnings {
public:
    QtWarnings() { previous_ = qInstallMessageHandler(&QtWarnings::collect); }
    ~QtWarnings() { qInstallMessageHandler(previous_); }
    static QStringList& seen()
    {
        static QStringList lines;
        return lines;
    }

private:
    static void collect(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        if (type != QtDebugMsg && type != QtInfoMsg)
            seen().append(text);
    }
    QtMessageHandler previous_;
};

// Shows each message in a modal box, closed at once, as the program does:
// the box takes the focus from the field that refused a number.
class ModalMessages : public platform::MessageService {
public:
    void showMessage(const QString& text, const QString& caption, platform::MessageIcon) override
    {
        texts.append(text);
        QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, QApplication::activeWindow());
        QTimer::singleShot(20, &box, &QDialog::accept);
        box.exec();
    }
    QStringList texts;
};

quint16 price(const ItemEntry& item)
{
    return quint16(item.record[28] | item.record[29] << 8);
}

}  // namespace

TEST(PropertyTree, TypingANumberCommitsOneUndoableEdit)
{
    ViewOnSample<CItemEditView> v;
    const quint16 before = price(v.t.doc.part<ItemsPart>().table().items[0]);
    v.clickValue(itemprops::kPrice);
    auto* box = v.editor<QLineEdit>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QString::number(before));
    QTest::keyClicks(box, QStringLiteral("70000"));  // the text was selected: replaced
    QTest::keyClick(box, Qt::Key_Return);
    settle();
    EXPECT_EQ(price(v.t.doc.part<ItemsPart>().table().items[0]), 70000 & 0xFFFF);
    EXPECT_EQ(v.shown(itemprops::kPrice), QString::number(70000 & 0xFFFF));
    EXPECT_TRUE(v.t.doc.isModified());

    v.stack().undo();
    EXPECT_EQ(price(v.t.doc.part<ItemsPart>().table().items[0]), before);
    EXPECT_EQ(v.shown(itemprops::kPrice), QString::number(before));
    v.stack().redo();
    EXPECT_EQ(price(v.t.doc.part<ItemsPart>().table().items[0]), 70000 & 0xFFFF);
    EXPECT_EQ(v.stack().count(), 1);
}

TEST(PropertyTree, AClickTogglesAFlagAndEscapeCancelsAnEdit)
{
    ViewOnSample<CItemEditView> v;
    const quint8 before = v.t.doc.part<ItemsPart>().table().items[0].record[0];
    v.clickValue(1004);  // "Can be used as an item in battle"
    EXPECT_EQ(v.t.doc.part<ItemsPart>().table().items[0].record[0], before ^ 0x20);
    EXPECT_EQ(v.shown(1004), before & 0x20 ? QStringLiteral("False") : QStringLiteral("True"));

    const quint16 priceBefore = price(v.t.doc.part<ItemsPart>().table().items[0]);
    v.clickValue(itemprops::kPrice);
    auto* box = v.editor<QLineEdit>();
    ASSERT_NE(box, nullptr);
    QTest::keyClicks(box, QStringLiteral("5"));
    QTest::keyClick(box, Qt::Key_Escape);
    settle();
    EXPECT_EQ(v.stack().count(), 1);
    EXPECT_EQ(price(v.t.doc.part<ItemsPart>().table().items[0]), priceBefore);
    EXPECT_EQ(v.editor<QLineEdit>(), nullptr);
}

TEST(PropertyTree, PickingAChoiceStoresItsRowAndATypeChangeShowsOtherGroups)
{
    ViewOnSample<CItemEditView> v;
    ASSERT_EQ(v.t.doc.part<ItemsPart>().table().items[0].record[0] & 0x0F, 1);
    v.clickValue(6004);  // "Speed Modification", a high nibble
    auto* list = v.editor<QComboBox>();
    ASSERT_NE(list, nullptr);
    const quint8 low = v.t.doc.part<ItemsPart>().table().items[0].record[16] & 0x0F;
    list->setCurrentIndex(list->findText(QStringLiteral("-3")));
    emit list->activated(list->currentIndex());
    settle();
    EXPECT_EQ(v.t.doc.part<ItemsPart>().table().items[0].record[16], quint8(0xB0 | low));

    ASSERT_EQ(v.tree().groupItem(9200), nullptr);
    v.clickValue(itemprops::kItemType);
    list = v.editor<QComboBox>();
    ASSERT_NE(list, nullptr);
    list->setCurrentIndex(list->findText(QStringLiteral("Item")));
    emit list->activated(list->currentIndex());
    settle();
    EXPECT_EQ(v.t.doc.part<ItemsPart>().table().items[0].record[0] & 0x0F, 6);
    EXPECT_NE(v.tree().groupItem(9200), nullptr);
    EXPECT_EQ(v.tree().groupItem(100), nullptr);
    v.stack().undo();
    EXPECT_NE(v.tree().groupItem(100), nullptr);
}

TEST(PropertyTree, TypingANameCommitsOnEnterOrTabAndEscapeLeavesIt)
{
    ViewOnSample<CItemEditView> v;
    const auto before = v.t.doc.part<ItemsPart>().table().items[0].name;
    v.clickValue(itemprops::kName);
    auto* field = v.editor<GameNameEdit>();
    ASSERT_NE(field, nullptr);
    retype(field, QStringLiteral("Zed"));
    QTest::keyClick(field, Qt::Key_Escape);
    settle();
    EXPECT_EQ(v.t.doc.part<ItemsPart>().table().items[0].name, before);
    EXPECT_EQ(v.stack().count(), 0);

    v.clickValue(itemprops::kName);
    field = v.editor<GameNameEdit>();
    ASSERT_NE(field, nullptr);
    retype(field, QStringLiteral("Zed"));
    QTest::keyClick(field, Qt::Key_Tab);
    settle();
    const QByteArray expected = menutext::EncodeMenuText(QStringLiteral("Zed"), 13);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(v.t.doc.part<ItemsPart>().table().items[0].name.data()), 13), expected);
    EXPECT_EQ(v.shown(itemprops::kName), QStringLiteral("Zed"));
    EXPECT_EQ(v.stack().count(), 1);
    EXPECT_EQ(v.editor<QWidget>(), nullptr) << "Tab opens no other editor";
    v.stack().undo();
    EXPECT_EQ(v.t.doc.part<ItemsPart>().table().items[0].name, before);
}

TEST(PropertyTree, TheInPlaceNameEditorCausesNoQtWarnings)
{
    ViewOnSample<CItemEditView> v;
    v.view->activateWindow();
    QtWarnings warnings;
    QtWarnings::seen().clear();
    for (const Qt::Key leave : {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Escape}) {
        v.clickValue(itemprops::kName);
        auto* field = v.editor<GameNameEdit>();
        ASSERT_NE(field, nullptr);
        retype(field, QStringLiteral("Zed"));
        QTest::keyClick(field, leave);
        settle();
    }
    // Left by a click on another row.
    v.clickValue(itemprops::kName);
    ASSERT_NE(v.editor<GameNameEdit>(), nullptr);
    v.clickValue(itemprops::kPrice);
    QTest::keyClick(v.editor<QLineEdit>(), Qt::Key_Escape);
    settle();
    EXPECT_EQ(QtWarnings::seen(), QStringList());
}

TEST(PropertyTree, PickingANameStoresItsIndex)
{
    ViewOnSample<CItemEditView> v;  // item 0 is a weapon: it has a special attack
    v.clickValue(3001);
    GameNamePicker* picker = v.tree().picker();
    ASSERT_NE(picker, nullptr);
    ASSERT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->rowCount(), 54);
    QListWidget* rows = picker->list();
    rows->scrollToItem(rows->item(12));
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualItemRect(rows->item(12)).center());
    settle();
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(v.t.doc.part<ItemsPart>().table().items[0].record[18], 12);
    v.stack().undo();
    EXPECT_NE(v.t.doc.part<ItemsPart>().table().items[0].record[18], 12);
}

TEST(PropertyTree, FoldedGroupsStayFoldedForTheNextRecord)
{
    ViewOnSample<CItemEditView> v;
    v.tree().collapseItem(v.tree().groupItem(2000));
    v.view->selectRecord(0x60);  // a hat: other groups, the same "Targetting"
    settle();
    EXPECT_FALSE(v.tree().groupItem(2000)->isExpanded());
    EXPECT_TRUE(v.tree().groupItem(1000)->isExpanded());
    v.tree().expandItem(v.tree().groupItem(2000));
    v.view->selectRecord(1);
    EXPECT_TRUE(v.tree().groupItem(2000)->isExpanded());
}

TEST(RecordViews, TheFilterNarrowsTheNamesAndEscapeClearsIt)
{
    ViewOnSample<CItemEditView> v;
    GameNameList* names = v.view->nameList();
    ASSERT_EQ(names->count(), 256);
    const QString wanted = menutext::PlainName(v.t.doc.part<ItemsPart>().table().items[7].name.data(), 13).mid(4, 4).toLower();
    QTest::keyClicks(v.view->filterBox(), wanted);
    settle();
    ASSERT_GT(names->count(), 0);
    ASSERT_LT(names->count(), 256);
    for (int row = 0; row < names->count(); ++row) {
        const int item = names->rowValue(row);
        EXPECT_TRUE(menutext::PlainName(v.t.doc.part<ItemsPart>().table().items[item].name.data(), 13).contains(wanted, Qt::CaseInsensitive));
    }
    // The first match is shown.
    EXPECT_EQ(v.view->currentRecord(), names->rowValue(names->currentRow()));
    QTest::keyClick(v.view->filterBox(), Qt::Key_Escape);
    settle();
    EXPECT_EQ(names->count(), 256);
    EXPECT_TRUE(v.view->filterBox()->text().isEmpty());
}

TEST(RecordViews, AnEsperRenameShowsInTheMagicEditor)
{
    ViewOnSample<CEsperEditView> espers;
    CMagicEditView magic(espers.t.doc);
    magic.selectRecord(54 + 2);
    espers.view->selectRecord(2);
    espers.clickValue(1001);
    auto* field = espers.editor<GameNameEdit>();
    ASSERT_NE(field, nullptr);
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClicks(field, QStringLiteral("X"));
    QTest::keyClick(field, Qt::Key_Return);
    settle();
    const QString shownByEsper = espers.shown(1001);
    EXPECT_TRUE(shownByEsper.startsWith(QLatin1Char('X')));
    EXPECT_EQ(magic.propertyTree()->propertyItem(1001)->text(CPropertyTree::ValueColumn), shownByEsper);
    EXPECT_EQ(magic.nameList()->count(), 255);
}

TEST(RecordViews, TheRangeMessageOfANumberFieldIsShownOnce)
{
    ViewOnSample<CShopEditView> shops;
    ViewOnSample<CMonsterFormationView> formations;
    for (auto [number, test, typed] : {std::tuple(shops.view->shopNumber(), &shops.t, "128"),
                                       std::tuple(formations.view->formationNumber(), &formations.t, "576")}) {
        CFF3Doc* doc = &test->doc;
        ModalMessages modal;
        doc->setMessageService(&modal);
        number->window()->activateWindow();
        number->setFocus();
        number->selectAll();
        QTest::keyClicks(number, QLatin1String(typed));
        QTest::keyClick(number, Qt::Key_Return);
        settle();
        QTest::qWait(100);
        EXPECT_EQ(modal.texts.size(), 1) << typed;
        EXPECT_EQ(number->value(), 0);
        doc->setMessageService(&test->messages);
    }
}

TEST(RecordViews, TheShopEditorShowsEveryGroupOpenAndEmptySlotsAsNone)
{
    ViewOnSample<CShopEditView> v;
    v.t.doc.part<ShopsPart>().table().shop(6)[8] = 0xFF;
    v.tree().collapseItem(v.tree().groupItem(2000));
    v.view->shopNumber()->setValue(6);
    settle();
    for (int g = 0; g < v.tree().topLevelItemCount(); ++g)
        EXPECT_TRUE(v.tree().topLevelItem(g)->isExpanded()) << g;
    EXPECT_EQ(v.shown(2008), QStringLiteral("None"));
}

TEST(RecordViews, AShopNumberOutOfRangeIsRefusedAndTheShopStays)
{
    ViewOnSample<CShopEditView> v;
    CRangeSpinBox* number = v.view->shopNumber();
    number->setValue(5);
    settle();
    EXPECT_EQ(v.view->currentShop(), 5);
    number->selectAll();
    QTest::keyClicks(number, QStringLiteral("128"));
    QTest::keyClick(number, Qt::Key_Return);
    settle();
    ASSERT_EQ(v.t.messages.entries.size(), 1);
    EXPECT_EQ(v.t.messages.entries[0].text, QStringLiteral("Please enter an integer between 0 and 127."));
    EXPECT_EQ(v.view->currentShop(), 5);
    EXPECT_EQ(number->value(), 5);

    number->selectAll();
    QTest::keyClicks(number, QStringLiteral("127"));
    QTest::keyClick(number, Qt::Key_Return);
    settle();
    EXPECT_EQ(v.view->currentShop(), 127);
    EXPECT_EQ(v.t.messages.entries.size(), 1);

    // A slot's item through the picker.
    v.clickValue(2003);
    GameNamePicker* picker = v.tree().picker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->rowCount(), 257);  // "None" and the 256 items
    QListWidget* rows = picker->list();
    rows->scrollToItem(rows->item(1));
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualItemRect(rows->item(1)).center());
    settle();
    EXPECT_EQ(v.t.doc.part<ShopsPart>().table().shop(127)[3], 0);
}
