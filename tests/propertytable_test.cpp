#include "document/propertytable.h"
#include "records/esperproperties.h"
#include "records/formationproperties.h"
#include "records/itemproperties.h"
#include "records/magicproperties.h"
#include "rom/romaddress.h"
#include "tests/propertytablefixture.h"
#include "text/menutext.h"
#include "document/parts/esperspart.h"
#include "document/parts/formationspart.h"
#include "document/parts/itemspart.h"
#include "document/parts/shopspart.h"
#include "document/parts/spellspart.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

class PropertyTableTest : public PropertyTableFixture {
protected:

    void rename(RecordKind kind, int index, const QString& name)
    {
        const PropertyTable table(t.doc, kind);
        t.doc.undoStack()->push(table.makeNameEdit(index, menutext::EncodeMenuText(name, table.nameWidth(index))));
    }

    QString nameOf(RecordKind kind, int index)
    {
        const PropertyTable table(t.doc, kind);
        return table.properties(index).find(1001)->displayText();
    }
};

}  // namespace

TEST_F(PropertyTableTest, EditsAreUndoableCommandsThatMarkTheDocumentModified)
{
    const quint8 before = t.doc.part<ItemsPart>().table().items[9].record[16];
    edit(RecordKind::Item, 9, 6004, 9);
    EXPECT_TRUE(t.doc.isModified());
    EXPECT_EQ(t.doc.part<ItemsPart>().table().items[9].record[16], quint8((before & 0x0F) | 0x90));
    EXPECT_EQ(t.doc.undoStack()->undoText(), QStringLiteral("Change Speed Modification"));
    t.doc.undoStack()->undo();
    EXPECT_EQ(t.doc.part<ItemsPart>().table().items[9].record[16], before);
    EXPECT_FALSE(t.doc.isModified());

    edit(RecordKind::Shop, 4, 2001, 200);
    EXPECT_EQ(t.doc.part<ShopsPart>().table().shop(4)[1], 200);
    edit(RecordKind::Esper, 2, 2003, 0xFF);
    EXPECT_EQ(t.doc.part<EspersPart>().table().espers[2].record[3], 0xFF);
    // Spell edits reach the record too.
    edit(RecordKind::Spell, 255, 1003, 99);
    EXPECT_EQ(t.doc.part<SpellsPart>().table().spells[255].record[6], 99);
    EXPECT_EQ(t.doc.undoStack()->count(), 3);  // the undone edit was dropped by the next
}

TEST_F(PropertyTableTest, EnteringTheValueShownChangesNoStoredByte)
{
    // A template byte of 13, past the 12 the editor offers, and an item
    // action stored as 0 where the editor would write 0xFF for the 0 shown.
    t.doc.part<FormationsPart>().table().formations[7].record()[0] = 0xD3;
    t.doc.part<ItemsPart>().table().items[240].record[27] = 0x00;
    edit(RecordKind::Formation, 7, formationprops::kTemplate, 13);
    edit(RecordKind::Item, 240, 206, 0);
    EXPECT_EQ(t.doc.part<FormationsPart>().table().formations[7].record()[0], 0xD3);
    EXPECT_EQ(t.doc.part<ItemsPart>().table().items[240].record[27], 0x00);
    EXPECT_EQ(t.doc.undoStack()->count(), 0);
    EXPECT_FALSE(t.doc.isModified());
    // A value the user chose is stored, within the field's range.
    edit(RecordKind::Formation, 7, formationprops::kTemplate, 12);
    EXPECT_EQ(t.doc.part<FormationsPart>().table().formations[7].record()[0], 0xC3);
}

TEST_F(PropertyTableTest, EsperNamesAndSpells54To80AreTheSameBytes)
{
    QSignalSpy changes(&t.doc, &CFF3Doc::changed);
    rename(RecordKind::Esper, 3, QStringLiteral("Quetzal"));
    EXPECT_EQ(nameOf(RecordKind::Spell, 57), QStringLiteral("Quetzal"));
    // The bytes are held once: the spell's name run is the esper's.
    EXPECT_EQ(t.doc.part<SpellsPart>().name(57).data(), t.doc.part<EspersPart>().table().espers[3].name.data());
    // Both editors hear of it.
    QList<RecordRef> refs;
    for (const QList<QVariant>& change : changes)
        refs.append(change[0].value<DocumentChange>().ref);
    EXPECT_TRUE(refs.contains(RecordRef(RecordKind::Esper, 3)));
    EXPECT_TRUE(refs.contains(RecordRef(RecordKind::Spell, 57)));

    rename(RecordKind::Spell, 80, QStringLiteral("Last"));
    EXPECT_EQ(nameOf(RecordKind::Esper, 26), QStringLiteral("Last"));
    // The spells around the esper run keep their own names.
    const QString spell53 = nameOf(RecordKind::Spell, 53);
    const QString spell81 = nameOf(RecordKind::Spell, 81);
    rename(RecordKind::Esper, 0, QStringLiteral("First"));
    EXPECT_EQ(nameOf(RecordKind::Spell, 53), spell53);
    EXPECT_EQ(nameOf(RecordKind::Spell, 81), spell81);

    t.doc.undoStack()->undo();
    t.doc.undoStack()->undo();
    t.doc.undoStack()->undo();
    EXPECT_EQ(nameOf(RecordKind::Spell, 57), nameOf(RecordKind::Esper, 3));
    EXPECT_FALSE(t.doc.isModified());
    EXPECT_FALSE(t.doc.part<SpellsPart>().table().isChanged());

    rename(RecordKind::Spell, 60, QStringLiteral("Shared"));
    ASSERT_TRUE(t.doc.save(file.path()));
    const QList<qsizetype> changed = differences(resavedSampleRomBytes(), file.read());
    ASSERT_FALSE(changed.isEmpty());
    for (qsizetype offset : changed)
        EXPECT_TRUE(offset >= rom::fileOffset(0xE6F6E1 + 6 * 8) && offset < rom::fileOffset(0xE6F6E1 + 7 * 8)) << offset;
}

TEST_F(PropertyTableTest, SpellsAreWrittenOnlyWhereTheyChanged)
{
    // Another program changes a spell name and record in the file meanwhile.
    QByteArray outside = file.read();
    outside[rom::fileOffset(0xE6F831 + 10 * 20)] = char(0x99);
    outside[rom::fileOffset(0xC46AC0 + 14 * 200 + 6)] = char(0x42);
    file.write(outside);

    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_EQ(file.read(), outside) << "untouched spells are not written";

    edit(RecordKind::Spell, 5, 1003, 123);
    rename(RecordKind::Spell, 90, QStringLiteral("Twelve Wide"));
    ASSERT_TRUE(t.doc.save(file.path()));
    QByteArray expected = outside;
    expected[rom::fileOffset(0xC46AC0 + 14 * 5 + 6)] = char(123);
    expected.replace(rom::fileOffset(0xCF3C40 + 12 * 5), 12, QByteArray::fromHex("93b09ea5af9efe96a29d9eff"));  // "Twelve Wide"
    EXPECT_EQ(differences(expected, file.read()), QList<qsizetype>());

    // Undoing after the save changes the spells again: the old bytes go back.
    t.doc.undoStack()->undo();
    t.doc.undoStack()->undo();
    EXPECT_TRUE(t.doc.part<SpellsPart>().table().isChanged());
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_EQ(differences(outside, file.read()), QList<qsizetype>());
}

TEST_F(PropertyTableTest, ARefusedSaveKeepsTheSpellsPendingForTheNextSave)
{
    edit(RecordKind::Spell, 7, 1002, 50);
    EXPECT_FALSE(t.doc.save(file.dir() + QStringLiteral("/missing/rom.smc")));
    EXPECT_TRUE(t.doc.part<SpellsPart>().table().isChanged());
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_EQ(quint8(file.read()[rom::fileOffset(0xC46AC0 + 14 * 7 + 5)]), 50);
}
