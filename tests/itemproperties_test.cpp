#include "records/itemproperties.h"
#include "text/menutext.h"

#include <gtest/gtest.h>

#include <random>

using namespace tessel;

namespace {

PropertyContext testContext()
{
    PropertyContext context;
    for (int c = 0; c < 14; ++c)
        context.characterNames.append(QStringLiteral("Hero%1").arg(c));
    std::vector<QByteArray> spells;
    for (int s = 0; s < 54; ++s)
        spells.push_back(menutext::EncodeMenuText(QStringLiteral("Spell%1").arg(s), 7));
    context.spellNames = std::make_shared<NameTable>(7, spells);
    return context;
}

ItemEntry itemOfType(int type, quint8 fill = 0)
{
    ItemEntry item;
    item.name.fill(0xFF);
    item.record.fill(fill);
    item.record[0] = quint8((fill & 0xF0) | type);
    return item;
}

std::vector<int> groupIds(const PropertyList& list)
{
    std::vector<int> ids;
    for (const PropertyGroup& g : list.groups)
        ids.push_back(g.id);
    return ids;
}

std::vector<int> propertyIds(const PropertyList& list, int group)
{
    std::vector<int> ids;
    if (const PropertyGroup* g = list.group(group))
        for (const Property& p : g->properties)
            ids.push_back(p.id);
    return ids;
}

std::vector<int> range(int first, int last)
{
    std::vector<int> ids;
    for (int id = first; id <= last; ++id)
        ids.push_back(id);
    return ids;
}

std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Stores a value through a property of the item's list, as the editor does.
void store(ItemEntry& item, int id, quint32 value)
{
    const PropertyList list = itemprops::build(item, testContext());
    const Property* p = list.find(id);
    ASSERT_NE(p, nullptr) << id;
    p->write(value).applyTo(item.record);
}

const Property& prop(const PropertyList& list, int id)
{
    const Property* p = list.find(id);
    EXPECT_NE(p, nullptr) << id;
    static const Property none;
    return p ? *p : none;
}

}  // namespace

TEST(ItemProperties, GroupsFollowTheItemType)
{
    const std::vector<int> equipment = {1000, 100, 2000, 6000, 7000, 8000, 9000, 9100, 3000};
    const std::vector<int> armorElements = {4000, 4100, 4200, 4300, 5000};
    const std::map<int, std::vector<int>> expected = {
        {0, {1000, 2000, 6000, 3000}},
        {1, {1000, 100, 2000, 200, 6000, 7000, 8000, 9000, 9100, 3000, 4000, 5000}},
        {2, equipment + armorElements},
        {3, equipment + armorElements},
        {4, equipment + armorElements},
        {5, equipment + armorElements},
        {6, {1000, 2000, 200, 6000, 9200, 3000}},
    };
    for (int type = 0; type < 16; ++type) {
        const PropertyList list = itemprops::build(itemOfType(type), testContext());
        const auto known = expected.find(type);
        const std::vector<int> unnamedType = {1000, 2000, 6000, 3000};
        EXPECT_EQ(groupIds(list), known != expected.end() ? known->second : unnamedType) << "type " << type;
        // The special attack belongs to every odd type; spells are learned from armour-like items only.
        std::vector<int> magic = type % 2 ? std::vector<int>{3001} : std::vector<int>{};
        if (type >= 2 && type <= 5)
            magic = magic + std::vector<int>{3002, 3003};
        EXPECT_EQ(propertyIds(list, 3000), magic) << "type " << type;
        if (type > 6) {
            EXPECT_TRUE(propertyIds(list, 6000).empty()) << type;
            EXPECT_EQ(prop(list, itemprops::kItemType).displayText(), QString()) << type;
        }
    }
}

TEST(ItemProperties, IdsAndOrderWithinTheGroups)
{
    const PropertyList weapon = itemprops::build(itemOfType(1), testContext());
    EXPECT_EQ(propertyIds(weapon, 1000), range(1001, 1006));
    EXPECT_EQ(propertyIds(weapon, 100), range(101, 116));
    EXPECT_EQ(propertyIds(weapon, 2000), range(2001, 2008));
    EXPECT_EQ(propertyIds(weapon, 200), range(201, 206));
    EXPECT_EQ(propertyIds(weapon, 6000), range(6001, 6008));
    EXPECT_EQ(propertyIds(weapon, 7000), range(7001, 7013));
    EXPECT_EQ(propertyIds(weapon, 8000), range(8001, 8019));
    EXPECT_EQ(propertyIds(weapon, 9000), range(9001, 9007) + range(9009, 9016));
    EXPECT_EQ(propertyIds(weapon, 9100), range(9101, 9108));
    EXPECT_EQ(propertyIds(weapon, 4000), range(4001, 4008));
    EXPECT_EQ(propertyIds(weapon, 5000), range(5001, 5004));
    EXPECT_EQ(prop(weapon, 202).label, QStringLiteral("Can use Runic when equipped"));
    EXPECT_EQ(prop(weapon, 9007).label, QStringLiteral("Mortal Attacks"));
    EXPECT_EQ(prop(weapon, 7005).label, QStringLiteral("Raise HP by 12\u00BD%"));
    // Character flags carry the characters' names and a stable name for files.
    EXPECT_EQ(prop(weapon, 104).label, QStringLiteral("Hero3"));
    EXPECT_EQ(prop(weapon, 104).exportKey(), QStringLiteral("Character 3"));
    EXPECT_EQ(prop(weapon, 6001).label, QStringLiteral("Battle Power"));
    PropertyContext unnamed = testContext();
    unnamed.characterNames[5].clear();
    EXPECT_EQ(prop(itemprops::build(itemOfType(1), unnamed), 106).label, QStringLiteral("Character 5"));

    const PropertyList armor = itemprops::build(itemOfType(2), testContext());
    EXPECT_EQ(propertyIds(armor, 9100), range(9101, 9116));
    EXPECT_EQ(prop(armor, 6001).label, QStringLiteral("Defense Power"));
    EXPECT_EQ(armor.group(4000)->label, QStringLiteral("Elements that Cause 50% Damage"));

    const PropertyList item = itemprops::build(itemOfType(6), testContext());
    EXPECT_EQ(propertyIds(item, 200), range(201, 207));
    EXPECT_EQ(propertyIds(item, 6000), std::vector<int>{6001});
    EXPECT_EQ(propertyIds(item, 9200), range(9201, 9231));
    EXPECT_EQ(prop(item, 9207).label, QStringLiteral("Death"));
    EXPECT_EQ(prop(item, 207).label, QStringLiteral("Unknown bit"));

    const PropertyList tool = itemprops::build(itemOfType(0), testContext());
    EXPECT_EQ(propertyIds(tool, 6000), range(6001, 6002));
    EXPECT_EQ(prop(tool, 6001).label, QStringLiteral("Attack Strength"));
}

TEST(ItemProperties, ChangingTheTypeRereadsTheSameBytesAndChangesOnlyTheTypeNibble)
{
    ItemEntry item = itemOfType(1, 0xA5);
    const auto before = item.record;
    store(item, itemprops::kItemType, 6);
    EXPECT_EQ(item.record[0], 0xA6);
    for (int b = 1; b < 30; ++b)
        EXPECT_EQ(item.record[b], before[b]) << b;
    const PropertyList asItem = itemprops::build(item, testContext());
    EXPECT_EQ(asItem.group(200)->label, QStringLiteral("Ability-Related Properties"));
    // R[21] = 0xA5: bits 0, 2, 5, 7 (Blindness, Poison, Imp, Death) read as statuses now.
    EXPECT_EQ(prop(asItem, 9201).value, 1u);
    EXPECT_EQ(prop(asItem, 9202).value, 0u);
    EXPECT_EQ(prop(asItem, 9207).value, 1u);
}

TEST(ItemProperties, NibblesPricesAndSpecialValuesAreWrittenBack)
{
    ItemEntry weapon = itemOfType(1);
    weapon.record[16] = 0x38;
    weapon.record[27] = 0x2B;
    weapon.record[18] = 0xC5;
    PropertyList list = itemprops::build(weapon, testContext());
    EXPECT_EQ(prop(list, 6003).displayText(), QStringLiteral("No change"));  // the nibble 8
    EXPECT_EQ(prop(list, 6004).displayText(), QStringLiteral("+3"));
    EXPECT_EQ(prop(list, 205).displayText(), QStringLiteral("Attack increases as HP increases"));
    EXPECT_EQ(prop(list, 206).displayText(), QStringLiteral("11"));
    EXPECT_EQ(prop(list, 3001).value, 5u);  // the low six bits

    store(weapon, 6004, 9);  // "-1" into the high nibble only
    EXPECT_EQ(weapon.record[16], 0x98);
    store(weapon, 205, 9);   // "Dice" keeps the unknown nybble
    EXPECT_EQ(weapon.record[27], 0x9B);
    store(weapon, 206, 0x1F);  // a number is cut to its nibble
    EXPECT_EQ(weapon.record[27], 0x9F);
    store(weapon, 3001, 12);   // the spell fills the byte: bits 6-7 clear
    EXPECT_EQ(weapon.record[18], 0x0C);

    store(weapon, itemprops::kPrice, 65535);
    EXPECT_EQ(weapon.record[28], 0xFF);
    EXPECT_EQ(weapon.record[29], 0xFF);
    EXPECT_EQ(prop(itemprops::build(weapon, testContext()), itemprops::kPrice).displayText(), QStringLiteral("65535"));
    store(weapon, itemprops::kPrice, 70000);  // low 16 bits: 4464
    EXPECT_EQ(weapon.record[28], 0x70);
    EXPECT_EQ(weapon.record[29], 0x11);
}

TEST(ItemProperties, AnItemsSpecialActionStoresNoActionAs0xFF)
{
    ItemEntry item = itemOfType(6);
    item.record[27] = 0xFF;
    EXPECT_EQ(prop(itemprops::build(item, testContext()), 206).displayText(), QStringLiteral("No special action"));
    item.record[27] = 0x00;
    EXPECT_EQ(prop(itemprops::build(item, testContext()), 206).displayText(), QStringLiteral("No special action"));
    store(item, 206, 3);
    EXPECT_EQ(item.record[27], 0x03);
    store(item, 206, 0);
    EXPECT_EQ(item.record[27], 0xFF);
    item.record[27] = 0x42;  // no row: no text, kept
    EXPECT_EQ(prop(itemprops::build(item, testContext()), 206).displayText(), QString());
}

TEST(ItemProperties, SpellChoicesOutsideTheListShowTheirNumber)
{
    ItemEntry shield = itemOfType(3);
    shield.record[4] = 54;
    shield.record[18] = 60;
    const PropertyList list = itemprops::build(shield, testContext());
    EXPECT_EQ(prop(list, 3002).displayText(), QStringLiteral("#54"));
    EXPECT_EQ(prop(list, 3001).displayText(), QStringLiteral("#60"));
    shield.record[4] = 53;
    EXPECT_EQ(prop(itemprops::build(shield, testContext()), 3002).displayText(), QStringLiteral("Spell53"));
}

// Every property of every type writes only the bits it shows (or, for the
// special attack, the byte it stores), so bits no property shows survive
// every edit.
TEST(ItemProperties, EveryEditChangesOnlyItsOwnBits)
{
    std::mt19937 random(11);
    for (int type = 0; type < 16; ++type) {
        ItemEntry item = itemOfType(type);
        for (int b = 1; b < 30; ++b)
            item.record[b] = quint8(random());
        item.record[0] = quint8((random() & 0xF0) | type);
        const PropertyList list = itemprops::build(item, testContext());
        for (const PropertyGroup& g : list.groups) {
            for (const Property& p : g.properties) {
                if (p.kind == PropertyKind::GameText)
                    continue;
                ItemEntry edited = item;
                const quint32 other = p.kind == PropertyKind::Flag ? !p.value : p.value + 1;
                const FieldWrite w = p.write(other);
                w.applyTo(edited.record);
                quint32 changed = 0;
                for (int i = 0; i < w.width; ++i)
                    changed |= quint32(edited.record[w.offset + i] ^ item.record[w.offset + i]) << (8 * i);
                EXPECT_EQ(changed & ~p.field.storedMask(), 0u) << "type " << type << " property " << p.id;
                for (int b = 0; b < 30; ++b) {
                    if (b < w.offset || b >= w.offset + w.width) {
                        EXPECT_EQ(edited.record[b], item.record[b]) << "property " << p.id << " byte " << b;
                    }
                }
            }
        }
        // The bits no property of this type shows.
        quint8 shown[30] = {};
        for (const PropertyGroup& g : list.groups)
            for (const Property& p : g.properties)
                if (p.kind != PropertyKind::GameText)
                    for (int i = 0; i < p.field.width; ++i)
                        shown[p.field.offset + i] |= quint8(p.field.storedMask() >> (8 * i));
        EXPECT_EQ(shown[0] & 0x80, 0) << type;
        if (type >= 1 && type <= 5) {
            EXPECT_EQ(shown[5], 0xA3) << type;
            EXPECT_EQ(shown[6], 0xF7) << type;
            EXPECT_EQ(shown[10], 0xFC) << type;
            EXPECT_EQ(shown[11], 0xF1) << type;
            EXPECT_EQ(shown[12], 0x7F) << type;
            EXPECT_EQ(shown[13], 0x9F) << type;
        }
        if (type == 6) {
            EXPECT_EQ(shown[21], 0xF7);
        }
    }
}

TEST(ItemProperties, ShownValuesFollowTheirKinds)
{
    ItemEntry item = itemOfType(1);
    item.name = {0x80, 0x81, 0xFE, 0x82, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    item.record[0] |= 0x20;
    item.record[28] = 0x39;
    item.record[29] = 0x30;
    const PropertyList list = itemprops::build(item, testContext());
    EXPECT_EQ(prop(list, itemprops::kName).displayText(), QStringLiteral("AB C"));
    EXPECT_EQ(prop(list, itemprops::kName).text.size(), 13);
    EXPECT_EQ(prop(list, itemprops::kItemType).displayText(), QStringLiteral("Weapon"));
    EXPECT_EQ(prop(list, 1003).displayText(), QStringLiteral("False"));
    EXPECT_EQ(prop(list, 1004).displayText(), QStringLiteral("True"));
    EXPECT_EQ(prop(list, itemprops::kPrice).displayText(), QStringLiteral("12345"));
    EXPECT_EQ(prop(list, itemprops::kPrice).field.maximum(), 65535u);
    Property prefixed = prop(list, itemprops::kItemType);
    prefixed.numberPrefix = true;
    EXPECT_EQ(prefixed.displayText(), QStringLiteral("1 - Weapon"));
}
