#include "records/esperproperties.h"
#include "records/magicproperties.h"
#include "records/namefilter.h"
#include "records/shopproperties.h"
#include "text/menutext.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

std::shared_ptr<NameTable> names(const QString& stem, int count, int width)
{
    std::vector<QByteArray> all;
    for (int i = 0; i < count; ++i)
        all.push_back(menutext::EncodeMenuText(stem + QString::number(i), width));
    return std::make_shared<NameTable>(width, all);
}

PropertyContext testContext()
{
    PropertyContext context;
    context.spellNames = names(QStringLiteral("Sp"), 54, 7);
    context.itemNames = names(QStringLiteral("It"), 256, 13);
    return context;
}

std::vector<int> idsOf(const PropertyList& list)
{
    std::vector<int> ids;
    for (const PropertyGroup& g : list.groups)
        for (const Property& p : g.properties)
            ids.push_back(p.id);
    return ids;
}

}  // namespace

TEST(MagicProperties, NameWidthFollowsTheRunAndSpell255HasNoName)
{
    MagicEntry spell;
    spell.name.fill(0x80);
    EXPECT_EQ(magicprops::build(84, spell).find(magicprops::kName)->text.size(), 10);
    EXPECT_EQ(magicprops::build(85, spell).find(magicprops::kName)->text.size(), 12);
    EXPECT_EQ(magicprops::build(53, spell).find(magicprops::kName)->text.size(), 7);
    EXPECT_EQ(magicprops::build(54, spell).find(magicprops::kName)->text.size(), 8);

    const PropertyList last = magicprops::build(255, spell);
    EXPECT_EQ(last.find(magicprops::kName), nullptr);
    ASSERT_NE(last.find(1002), nullptr);
    EXPECT_EQ(last.find(1002)->label, QStringLiteral("MP Cost"));
    EXPECT_EQ(last.groups.size(), 4u);
}

TEST(MagicProperties, FieldsAndBitsReadAndWriteTheirBytes)
{
    MagicEntry spell;
    spell.name.fill(0xFF);
    spell.record = {0x41, 0x03, 0, 0, 0, 12, 90, 0, 77, 0, 0x08, 0, 0, 0x80};
    const PropertyList list = magicprops::build(3, spell);
    EXPECT_EQ(list.find(1002)->value, 12u);
    EXPECT_EQ(list.find(1003)->value, 90u);
    EXPECT_EQ(list.find(1004)->value, 77u);
    EXPECT_EQ(list.find(2001)->value, 1u);
    EXPECT_EQ(list.find(2007)->value, 1u);
    EXPECT_EQ(list.find(4002)->value, 1u);
    EXPECT_EQ(list.find(9231)->label, QStringLiteral("Floating"));
    EXPECT_EQ(list.find(9231)->value, 1u);
    // Bit 3 of the first status byte has no property: 9201-9207 are bits 0-2 and 4-7.
    for (int id = 9201; id <= 9207; ++id)
        EXPECT_NE(list.find(id)->field.mask, 0x08u) << id;

    list.find(1003)->write(300).applyTo(spell.record);  // low 8 bits
    EXPECT_EQ(spell.record[6], 44);
    list.find(9201)->write(1).applyTo(spell.record);
    EXPECT_EQ(spell.record[10], 0x09);
}

TEST(EsperProperties, SpellSlotsOfferNoneAndShowStrayNumbers)
{
    EsperEntry esper;
    esper.name.fill(0xFF);
    esper.record = {5, 3, 10, 0xFF, 0, 54, 0, 0, 0, 0, 17};
    const PropertyList list = esperprops::build(esper, testContext());
    EXPECT_EQ(idsOf(list), (std::vector<int>{1001, 1002, 2001, 2002, 2003, 2004, 2005, 2006, 2007, 2008, 2009, 2010}));
    EXPECT_EQ(list.find(2001)->label, QStringLiteral("Spell 1"));
    EXPECT_EQ(list.find(2001)->displayText(), QStringLiteral("Sp3"));
    EXPECT_EQ(list.find(2002)->label, QStringLiteral("Spell 1 Learn Rate"));
    EXPECT_EQ(list.find(2002)->value, 5u);
    EXPECT_EQ(list.find(2003)->displayText(), QStringLiteral("None"));
    EXPECT_EQ(list.find(2005)->displayText(), QStringLiteral("#54"));
    EXPECT_EQ(list.find(1002)->displayText(), QString());  // bonus 17 has no row

    list.find(2001)->write(0xFF).applyTo(esper.record);
    EXPECT_EQ(esper.record[1], 0xFF);
    list.find(1002)->write(255).applyTo(esper.record);
    EXPECT_EQ(esper.record[10], 0xFF);
    esper.record[10] = 255;
    EXPECT_EQ(esperprops::build(esper, testContext()).find(1002)->displayText(), QStringLiteral("No bonus"));
}

TEST(ShopProperties, TitleAndPriceRuleShareByteZeroAndSlotsNameItems)
{
    std::array<quint8, 9> shop = {0x26, 1, 2, 3, 4, 5, 6, 7, 0xFF};
    const PropertyList list = shopprops::build(shop, testContext());
    EXPECT_EQ(idsOf(list), (std::vector<int>{1001, 1002, 2001, 2002, 2003, 2004, 2005, 2006, 2007, 2008}));
    EXPECT_EQ(list.find(1001)->displayText(), QString());  // title 6: no row
    EXPECT_EQ(list.find(1002)->displayText(), QStringLiteral("Items cost 1.5X normal price"));
    EXPECT_EQ(list.find(2001)->label, QStringLiteral("Item 0"));
    EXPECT_EQ(list.find(2008)->displayText(), QStringLiteral("None"));  // 0xFF: an empty slot

    list.find(1001)->write(3).applyTo(shop);
    EXPECT_EQ(shop[0], 0x23);
    list.find(1002)->write(0x13).applyTo(shop);  // only the low nibble of the value
    EXPECT_EQ(shop[0], 0x33);
    list.find(2003)->write(200).applyTo(shop);
    EXPECT_EQ(shop[3], 200);
}

TEST(NameFilter, KeepsNamesContainingTheTextInAnyCase)
{
    const NameTable table(8, {menutext::EncodeMenuText(QStringLiteral("Fire"), 8),
                              QByteArray::fromHex("d8a0a2af9efeb4ff"),  // a symbol, "give 0"
                              menutext::EncodeMenuText(QStringLiteral("Bolt"), 8),
                              menutext::EncodeMenuText(QStringLiteral("Firaga"), 8)});
    EXPECT_EQ(filterNames(table, QStringLiteral("fir")), (std::vector<int>{0, 3}));
    EXPECT_EQ(filterNames(table, QStringLiteral("e 0")), std::vector<int>{1});  // the name's space is a space
    EXPECT_EQ(filterNames(table, QString()), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_TRUE(filterNames(table, QStringLiteral("ice")).empty());
}
