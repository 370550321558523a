#include "document/propertytable.h"
#include "records/characterproperties.h"
#include "records/formationproperties.h"
#include "records/monsterproperties.h"
#include "tests/testsupport.h"
#include "text/menutext.h"
#include "document/parts/characterspart.h"
#include "document/parts/formationspart.h"
#include "document/parts/monsterspart.h"

#include <gtest/gtest.h>

using namespace tessel;

// The property lists of monsters, formations and characters, read from
// and written into the document's bytes through the commands editors push.
namespace {


class BattleProperties : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(t.doc.open(file.path())); }

    Property property(RecordKind kind, int index, int id)
    {
        const PropertyList list = PropertyTable(t.doc, kind).properties(index);
        const Property* p = list.find(id);
        EXPECT_NE(p, nullptr) << id;
        return p ? *p : Property();
    }
    quint32 shown(RecordKind kind, int index, int id) { return property(kind, index, id).value; }
    void edit(RecordKind kind, int index, int id, quint32 value)
    {
        const PropertyTable table(t.doc, kind);
        t.doc.undoStack()->push(table.makeEdit(index, property(kind, index, id), value));
    }

    std::span<quint8> stats(int monster) { return t.doc.part<MonstersPart>().table().monsters[std::size_t(monster)].stats(); }
    std::span<quint8> formation(int f) { return t.doc.part<FormationsPart>().table().formations[std::size_t(f)].record(); }
    std::span<quint8> extra(int f) { return t.doc.part<FormationsPart>().table().formations[std::size_t(f)].extra(); }
    std::array<quint8, 22>& character(int c) { return t.doc.part<CharactersPart>().table().characters[std::size_t(c)].record; }

    TempRom file{resavedSampleRomBytes()};
    TestDoc t;
};

}  // namespace

TEST_F(BattleProperties, MonsterFieldsAreShownAndStoredInTheirBytesAndBits)
{
    using namespace monsterprops;
    stats(3)[17] = 0xE5;
    EXPECT_EQ(shown(RecordKind::Monster, 3, kPackage), 5u);
    EXPECT_EQ(shown(RecordKind::Monster, 3, kMiss), 7u);
    edit(RecordKind::Monster, 3, kMiss, 2);
    EXPECT_EQ(stats(3)[17], 0x45);
    edit(RecordKind::Monster, 3, kPackage, 31);
    EXPECT_EQ(stats(3)[17], 0x5F);

    stats(3)[8] = 0x34;
    stats(3)[9] = 0x12;
    EXPECT_EQ(shown(RecordKind::Monster, 3, kFirstStat + 8), 0x1234u) << "HP";
    edit(RecordKind::Monster, 3, kFirstStat + 8, 65535);
    EXPECT_EQ(stats(3)[8] | stats(3)[9] << 8, 65535);
    edit(RecordKind::Monster, 3, kFirstStat + 12, 99);
    EXPECT_EQ(stats(3)[16], 99) << "Level";

    // Statuses from byte 27 bit 0 to byte 30 bit 7; elements in bytes 23-25.
    stats(3)[27] = 0;
    stats(3)[30] = 0;
    edit(RecordKind::Monster, 3, kFirstStatus, 1);
    edit(RecordKind::Monster, 3, kFirstStatus + 31, 1);
    EXPECT_EQ(stats(3)[27], 0x01);
    EXPECT_EQ(stats(3)[30], 0x80);
    EXPECT_EQ(property(RecordKind::Monster, 3, kFirstStatus + 31).label, QStringLiteral("Float (2)"));
    stats(3)[24] = 0x00;
    edit(RecordKind::Monster, 3, kFirstNoEffect + 5, 1);
    EXPECT_EQ(stats(3)[24], 0x20);
    EXPECT_EQ(property(RecordKind::Monster, 3, kFirstNoEffect + 5).label, QStringLiteral("Pearl/Holy"));

    // Item slots: two stolen, then two dropped; item 255 is an item like the others.
    edit(RecordKind::Monster, 3, kFirstDropped + 1, 255);
    edit(RecordKind::Monster, 3, kFirstStolen, 7);
    EXPECT_EQ(t.doc.part<MonstersPart>().table().monsters[3].items()[3], 255);
    EXPECT_EQ(t.doc.part<MonstersPart>().table().monsters[3].items()[0], 7);
    EXPECT_EQ(property(RecordKind::Monster, 3, kFirstDropped + 1).displayText(), PropertyTable(t.doc, RecordKind::Item)
                                                                                  .properties(255)
                                                                                  .find(1001)
                                                                                  ->displayText());

    // The special-attack name is the second name; the first stays.
    const QByteArray name = PropertyTable(t.doc, RecordKind::Monster).currentBytes(RecordPart::Name, 3).left(10);
    const PropertyTable table(t.doc, RecordKind::Monster);
    t.doc.undoStack()->push(table.makeTextEdit(3, property(RecordKind::Monster, 3, kAttackName),
                                               menutext::EncodeMenuText(QStringLiteral("Blaze"), 10)));
    EXPECT_EQ(property(RecordKind::Monster, 3, kAttackName).displayText(), QStringLiteral("Blaze"));
    EXPECT_EQ(table.currentBytes(RecordPart::Name, 3).left(10), name);
    EXPECT_EQ(t.doc.undoStack()->undoText(), QStringLiteral("Change Attack"));
}

TEST_F(BattleProperties, FormationSlotsHoldNineBitMonsterNumbers)
{
    using namespace formationprops;
    formation(7)[2 + 2] = 0x10;
    formation(7)[14] = 0b000100;
    EXPECT_EQ(shown(RecordKind::Formation, 7, slotField(3, kMonster)), 256u + 0x10);
    edit(RecordKind::Formation, 7, slotField(3, kMonster), 383);
    EXPECT_EQ(formation(7)[4], 0x7F);
    EXPECT_EQ(formation(7)[14], 0b000100);
    edit(RecordKind::Formation, 7, slotField(3, kMonster), 5);
    EXPECT_EQ(formation(7)[4], 5);
    EXPECT_EQ(formation(7)[14], 0);
    edit(RecordKind::Formation, 7, slotField(6, kMonster), 300);
    EXPECT_EQ(formation(7)[7], 300 - 256);
    EXPECT_EQ(formation(7)[14], 0b100000);
    // One step, undone as one.
    t.doc.undoStack()->undo();
    EXPECT_EQ(formation(7)[14], 0);
}

TEST_F(BattleProperties, ASlotWithoutAMonsterKeepsItsNumberWhenOthersChange)
{
    using namespace formationprops;
    formation(9)[2] = 0xC8;  // slot 1: 456, which names no monster
    formation(9)[14] = 0b000001;
    edit(RecordKind::Formation, 9, slotField(2, kMonster), 17);
    edit(RecordKind::Formation, 9, slotField(1, kX), 9);
    edit(RecordKind::Formation, 9, slotField(1, kPresent), 0);
    EXPECT_EQ(formation(9)[2], 0xC8);
    EXPECT_EQ(formation(9)[14] & 1, 1);
    EXPECT_EQ(shown(RecordKind::Formation, 9, slotField(1, kMonster)), 456u);
    EXPECT_EQ(property(RecordKind::Formation, 9, slotField(1, kMonster)).displayText(), QStringLiteral("#456"));
}

TEST_F(BattleProperties, FormationExtraBitsAndTheTemplate)
{
    using namespace formationprops;
    extra(2)[3] = 0x87;
    EXPECT_EQ(shown(RecordKind::Formation, 2, kPlayMusic), 0u) << "bit 7 set: no music";
    edit(RecordKind::Formation, 2, kMusic, 5);
    EXPECT_EQ(extra(2)[3], 0x87 | 0x28);
    edit(RecordKind::Formation, 2, kPlayMusic, 1);
    EXPECT_EQ(extra(2)[3], 0x2F);
    edit(RecordKind::Formation, 2, kPlayMusic, 0);
    EXPECT_EQ(extra(2)[3], 0xAF);
    edit(RecordKind::Formation, 2, kExecuteScript, 1);
    edit(RecordKind::Formation, 2, kScript, 200);
    EXPECT_EQ(extra(2)[1] & 0x80, 0x80);
    EXPECT_EQ(extra(2)[2], 200);
    edit(RecordKind::Formation, 2, kAppearance, 13);
    EXPECT_EQ(extra(2)[0] & 0x0F, 13);
    EXPECT_EQ(property(RecordKind::Formation, 2, kAppearance).displayText(), QStringLiteral("Flash in"));

    // The template: 0-12 in the high nibble, the low nibble kept.
    formation(2)[0] = 0x35;
    EXPECT_EQ(property(RecordKind::Formation, 2, kTemplate).field.maximum(), 12u);
    edit(RecordKind::Formation, 2, kTemplate, 20);
    EXPECT_EQ(formation(2)[0], 0xC5);
    edit(RecordKind::Formation, 2, kTemplate, 0);
    EXPECT_EQ(formation(2)[0], 0x05);
}

TEST_F(BattleProperties, CharacterEquipmentAndCommandsAreWrittenBack)
{
    using namespace characterprops;
    for (int i = 0; i < kEquipmentCount; ++i)
        edit(RecordKind::Character, 5, kFirstEquipment + i, quint32(0x10 + i));
    for (int i = 0; i < kEquipmentCount; ++i)
        EXPECT_EQ(character(5)[std::size_t(15 + i)], 0x10 + i);
    edit(RecordKind::Character, 5, kFirstCommand + 3, 0xFF);
    EXPECT_EQ(character(5)[5], 0xFF);
    EXPECT_EQ(property(RecordKind::Character, 5, kFirstCommand + 3).displayText(), QStringLiteral("None"));
    edit(RecordKind::Character, 5, kFirstStat, 77);
    EXPECT_EQ(character(5)[6], 77) << "Vigor";
    edit(RecordKind::Character, 5, kFirstStat + 8, 12);
    EXPECT_EQ(character(5)[14], 12) << "Magic Block %";

    // The name is shown only.
    const Property name = property(RecordKind::Character, 5, kName);
    EXPECT_TRUE(name.readOnly);
    const int before = t.doc.undoStack()->count();
    t.doc.undoStack()->push(PropertyTable(t.doc, RecordKind::Character)
                                .makeTextEdit(5, name, menutext::EncodeMenuText(QStringLiteral("Other"), 6)));
    EXPECT_EQ(t.doc.undoStack()->count(), before);
}

TEST(CharacterProgression, AddsEachLevelsGainToTheLevelBefore)
{
    const quint8 hp[98] = {10, 12, 255};
    const quint8 mp[98] = {1, 2};
    const std::vector<characterprops::LevelStats> rows = characterprops::progression(40, 3, hp, mp);
    ASSERT_EQ(rows.size(), 99u);
    EXPECT_EQ(rows[0].hp, 40);
    EXPECT_EQ(rows[1].hp, 50);
    EXPECT_EQ(rows[2].hp, 62);
    EXPECT_EQ(rows[3].hp, 62 + 255) << "sums are not capped";
    EXPECT_EQ(rows[2].mp, 6);
    EXPECT_EQ(rows[98].hp, 62 + 255);
}
