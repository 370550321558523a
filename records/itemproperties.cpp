#include "records/itemproperties.h"

#include "records/propertybuilder.h"

namespace tessel {

namespace itemprops {

namespace {

using namespace recordlabels;

enum ItemType { Tool = 0, Weapon = 1, Armor = 2, Relic = 5, Item = 6 };

bool isEquipment(int type)
{
    return type >= Weapon && type <= Relic;
}

bool isArmorLike(int type)  // armour, shields, hats and relics
{
    return type >= Armor && type <= Relic;
}

void addGeneral(PropertyBuilder& b)
{
    b.group(1000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "General")));
    b.gameText(kName, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Name")), records::kItemNameWidth);
    b.choice(kItemType, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Item Type")), 0, 0x0F, kItemTypes);
    b.flag(1003, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Can be thrown")), 0, 4);
    b.flag(1004, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Can be used as an item in battle")), 0, 5);
    b.flag(1005, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Can be used in the field")), 0, 6);
    b.number(kPrice, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Cost in GP")), 28, 0xFFFF, 2);
}

void addEquippableBy(PropertyBuilder& b, const PropertyContext& context)
{
    b.group(100, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Equippable By:")));
    for (int c = 0; c < 14; ++c) {
        const QString key = QStringLiteral("Character %1").arg(c);
        const QString name = context.characterNames.value(c);
        // A character without a name is shown by its number.
        b.flag(101 + c, name.trimmed().isEmpty() ? key : name, c < 8 ? 1 : 2, c % 8);
        b.last().key = key;
    }
    b.flag(115, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Effective only when Imp")), 2, 6);
    b.flag(116, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Unknown Bit")), 2, 7);
}

void addAbilities(PropertyBuilder& b, int type)
{
    if (type == Weapon) {
        b.group(200, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Attack- and Ability-Related Properties")));
        b.flag(201, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Can use SwdTech when equipped")), 19, 1);
        b.flag(202, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Can use Runic when equipped")), 19, 7);
        b.flag(203, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Can use with two hands")), 19, 6);
        b.flag(204, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Does same damage from back row")), 19, 5);
        b.choice(205, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Special action performed when used")), 27,
                 0xF0, kWeaponActions);
        b.number(206, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Unknown nybble")), 27, 0x0F);
    } else if (type == Item) {
        b.group(200, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Ability-Related Properties")));
        b.flag(201, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Affects HP")), 19, 3);
        b.flag(202, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Affects MP")), 19, 4);
        b.flag(203, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Removes status conditions")), 19, 5);
        b.flag(204, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Causes damage")), 19, 6);
        b.flag(
            205,
            QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Manipulates 1/16ths of the maximum value affected")),
            19, 7);
        b.choice(206, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Special action performed when used")), 27,
                 0xFF, kItemActions, PropertyField::Rule::ZeroStoredAsFF);
        b.flag(207, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Unknown bit")), 19, 1);
    }
}

void addNumbers(PropertyBuilder& b, int type)
{
    b.group(6000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Numerical Status Properties")));
    switch (type) {
    case Tool:
        b.number(6001, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Attack Strength")), 20);
        b.number(6002, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Hit Rate")), 21);
        return;
    case Weapon:
        b.number(6001, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Battle Power")), 20);
        b.number(6002, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Hit Rate")), 21);
        break;
    case Item:
        b.number(6001, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "HP/MP Affected")), 20);
        return;
    default:
        if (!isArmorLike(type))
            return;
        b.number(6001, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Defense Power")), 20);
        b.number(6002, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Magic Defense Power")), 21);
        break;
    }
    b.choice(6003, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Vigor Modification")), 16, 0x0F, kStatChange);
    b.choice(6004, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Speed Modification")), 16, 0xF0, kStatChange);
    b.choice(6005, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Stamina Modification")), 17, 0x0F,
             kStatChange);
    b.choice(6006, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Magic Power Modification")), 17, 0xF0,
             kStatChange);
    b.choice(6007, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Evade% Modification")), 26, 0x0F,
             kPercentChange);
    b.choice(6008, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Magic Block% Modification")), 26, 0xF0,
             kPercentChange);
}

void addEquipmentEffects(PropertyBuilder& b, int type)
{
    b.group(7000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Boolean Status Properties")));
    b.flags(7001, 9, kStatusBoosts);
    b.flags(7009, 11, kStatusBoosts2);

    b.group(8000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Battle-Related Effects")));
    b.flags(8001, 10, kBattleEffects1);
    b.flags(8007, 12, kBattleEffects2);
    b.flags(8014, 13, kBattleEffects3);

    b.group(9000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Status Conditions Protected Against")));
    b.flags(9001, 6, kStatus1Protection);
    b.flags(9009, 7, kStatus2);

    b.group(9100, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Status Conditions Inflicted while Equipped")));
    b.flags(9101, 8, kStatusWhileEquipped);
    if (isArmorLike(type))
        b.flags(9109, 25, kStatus2);
}

void addMagic(PropertyBuilder& b, const ItemEntry& item, const PropertyContext& context)
{
    b.group(3000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Magic-Related Properties")));
    // Types 1, 3 and 5 (and the odd unnamed ones): the low bit of the type.
    // The spell fills the whole byte, so bits 6-7 clear on an edit.
    if (hasCastSpell(item.record[0]))
        b.nameChoice(kCastSpell,
                     QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Special attack when used as an item")),
                     kCastSpellByte, context.spellNames, false, kCastSpellMask, 0xFF);
    if (hasLearnedSpell(item.record[0])) {
        b.nameChoice(kLearnedSpell, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Spell learned from item")),
                     kLearnedSpellByte, context.spellNames, false);
        b.number(3003, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Spell learn rate (in percent)")), 3);
    }
}

void addElements(PropertyBuilder& b, int type)
{
    if (type == Weapon) {
        b.group(4000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Elemental Properties")));
        b.flags(4001, 15, kElements);
    } else if (isArmorLike(type)) {
        b.group(4000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Elements that Cause 50% Damage")));
        b.flags(4001, 15, kElements);
        b.group(4100, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Elements that are Absorbed")));
        b.flags(4101, 22, kElements);
        b.group(4200, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Elements that have No Effect")));
        b.flags(4201, 23, kElements);
        b.group(4300, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Elements that are Weak Points")));
        b.flags(4301, 24, kElements);
    }
}

}  // namespace

PropertyList build(const ItemEntry& item, const PropertyContext& context)
{
    const int type = item.record[0] & 0x0F;
    PropertyBuilder b(item.name, item.record);
    addGeneral(b);
    if (isEquipment(type))
        addEquippableBy(b, context);
    b.group(2000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Targetting")));
    b.flags(2001, 14, kTargeting);
    addAbilities(b, type);
    addNumbers(b, type);
    if (isEquipment(type))
        addEquipmentEffects(b, type);
    if (type == Item)
        b.statusesAffected(21);
    addMagic(b, item, context);
    addElements(b, type);
    if (isEquipment(type)) {
        b.group(5000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Field Effects when Equipped")));
        b.flags(5001, 5, kFieldEffects);
    }
    return b.take();
}

}  // namespace itemprops

}  // namespace tessel
