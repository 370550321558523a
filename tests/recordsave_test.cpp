#include "document/propertytable.h"
#include "records/characterproperties.h"
#include "records/formationproperties.h"
#include "records/monsterproperties.h"
#include "rom/romaddress.h"
#include "tests/propertytablefixture.h"
#include "document/parts/formationspart.h"
#include "document/parts/monsterspart.h"

#include <gtest/gtest.h>

using namespace tessel;

// Monsters, formations and characters are written back where they changed
// and nowhere else: the whole file is compared after each save.
namespace {

class RecordSave : public PropertyTableFixture {
protected:
    // The file as saved, against what it held before with `changes` made.
    QList<qsizetype> unexpectedDifferences(QByteArray before, const QList<std::pair<SnesAddress, QByteArray>>& changes)
    {
        for (const auto& [address, bytes] : changes)
            before.replace(rom::fileOffset(address), bytes.size(), bytes);
        return differences(before, file.read());
    }
};

}  // namespace

TEST_F(RecordSave, UntouchedTablesStayAsTheFileHoldsThem)
{
    // Another program changes a monster, a formation and a character in the file meanwhile.
    QByteArray outside = file.read();
    outside[rom::fileOffset(0xCF0000 + 5 * 32 + 1)] = char(0x5A);
    outside[rom::fileOffset(0xCFD0D0 + 6 * 10)] = char(0x80);
    outside[rom::fileOffset(0xCF5900 + 7 * 4)] = char(0x3C);
    outside[rom::fileOffset(0xED7CA0 + 8 * 22 + 6)] = char(0x77);
    file.write(outside);

    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_EQ(differences(outside, file.read()), QList<qsizetype>());

    // An edit of one record writes that run only; the other program's changes stay.
    edit(RecordKind::Monster, 10, monsterprops::kFirstStat + 1, 3);
    edit(RecordKind::Character, 9, characterprops::kLevel1Hp, 99);
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_EQ(unexpectedDifferences(outside, {{0xCF0000 + 10 * 32 + 1, bytesOf({3})}, {0xED7CA0 + 9 * 22, bytesOf({99})}}),
              QList<qsizetype>());

    // Undoing after the save puts the old bytes back at the next.
    t.doc.undoStack()->undo();
    t.doc.undoStack()->undo();
    EXPECT_TRUE(t.doc.part<MonstersPart>().table().isChanged());
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_EQ(differences(outside, file.read()), QList<qsizetype>());
}

TEST_F(RecordSave, ARefusedSaveKeepsTheChangesPending)
{
    edit(RecordKind::Formation, 3, formationprops::kAppearance, 2);
    EXPECT_FALSE(t.doc.save(file.dir() + QStringLiteral("/missing/rom.smc")));
    EXPECT_TRUE(t.doc.part<FormationsPart>().table().isChanged());
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_EQ(quint8(file.read()[rom::fileOffset(0xCF5900 + 3 * 4)]) & 0x0F, 2);
}
