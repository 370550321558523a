#include "document/recordcopy.h"
#include "tests/propertytablefixture.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

constexpr int kPrice = 1006;        // items: "Cost in GP", bytes 28-29
constexpr int kEquippable = 100;    // items: the "Equippable By:" group, bytes 1-2

class RecordCopyTest : public PropertyTableFixture {
protected:
    PropertyTable items() { return PropertyTable(t.doc, RecordKind::Item); }
    QByteArray record(int index) { return items().currentBytes(RecordPart::Record, index); }
    QByteArray name(int index) { return items().currentBytes(RecordPart::Name, index); }
    int store(int index, const RecordCopy& copy, FieldChoice choice = {})
    {
        return storeRecordCopy(t.doc, items(), index, copy, choice, QStringLiteral("Paste Record"));
    }
};

QList<qsizetype> changedOffsets(const QByteArray& a, const QByteArray& b)
{
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            offsets.append(i);
    return offsets;
}

}  // namespace

TEST_F(RecordCopyTest, PastingAllFieldsCopiesTheRecordInOneUndoableStep)
{
    // Item 0 is a weapon and item 160 a shield: the paste turns the shield
    // into a copy of the weapon, type and all.
    const QByteArray shield = record(160);
    const QByteArray shieldName = name(160);
    const RecordCopy dirk = RecordCopy::of(items(), 0);
    ASSERT_NE(record(0), shield);

    EXPECT_GT(store(160, dirk), 0);
    EXPECT_EQ(record(160), record(0));
    EXPECT_EQ(name(160), name(0));
    EXPECT_TRUE(fieldsDifferingFrom(items(), 160, dirk).isEmpty());
    EXPECT_EQ(t.doc.undoStack()->count(), 1);

    t.doc.undoStack()->undo();
    EXPECT_EQ(record(160), shield);
    EXPECT_EQ(name(160), shieldName);
    // A paste that changes nothing is no step.
    EXPECT_EQ(store(0, dirk), 0);
    EXPECT_TRUE(t.doc.undoStack()->canRedo());
}

TEST_F(RecordCopyTest, PastingOneGroupChangesOnlyItsBytes)
{
    edit(RecordKind::Item, 1, kPrice, 1234);
    const QByteArray before = record(2);
    const RecordCopy source = RecordCopy::of(items(), 1);
    ASSERT_NE(before.mid(1, 2), record(1).mid(1, 2)) << "the sample's items 1 and 2 should differ in who equips them";

    store(2, source, {kEquippable, std::nullopt});
    for (qsizetype offset : changedOffsets(before, record(2)))
        EXPECT_TRUE(offset == 1 || offset == 2) << offset;
    EXPECT_EQ(record(2).mid(1, 2), record(1).mid(1, 2));
    EXPECT_NE(record(2).mid(28, 2), record(1).mid(28, 2));
}

TEST_F(RecordCopyTest, ChangedFieldsAreThoseThatDifferFromTheFileUntilSaved)
{
    EXPECT_TRUE(fieldsChangedSinceFile(items(), 3).isEmpty());
    const QByteArray inFile = record(3);
    edit(RecordKind::Item, 3, kPrice, 4321);
    EXPECT_EQ(fieldsChangedSinceFile(items(), 3), QSet<int>{kPrice});

    // Revert Field: the file's value comes back, as a step of its own.
    EXPECT_EQ(store(3, RecordCopy::inFile(items(), 3), {std::nullopt, kPrice}), 1);
    EXPECT_EQ(record(3), inFile);
    EXPECT_TRUE(fieldsChangedSinceFile(items(), 3).isEmpty());
    t.doc.undoStack()->undo();
    EXPECT_EQ(fieldsChangedSinceFile(items(), 3), QSet<int>{kPrice});

    // What was saved is the file's from then on.
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_TRUE(fieldsChangedSinceFile(items(), 3).isEmpty());
    EXPECT_EQ(RecordCopy::inFile(items(), 3).record, record(3));
}

TEST(RecordCopyClipboard, RoundTripsAndRefusesWhatIsNotACopy)
{
    const RecordCopy copy{RecordKind::Monster, 40, QByteArray("\x80\x81", 2), QByteArray(32, '\x07')};
    const QByteArray bytes = copy.toClipboard();
    const std::optional<RecordCopy> back = RecordCopy::fromClipboard(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->kind, RecordKind::Monster);
    EXPECT_EQ(back->index, 40);
    EXPECT_EQ(back->name, copy.name);
    EXPECT_EQ(back->record, copy.record);

    EXPECT_FALSE(RecordCopy::fromClipboard(bytes.left(bytes.size() - 1)));
    EXPECT_FALSE(RecordCopy::fromClipboard(bytes + '\0'));
    EXPECT_FALSE(RecordCopy::fromClipboard(QByteArray("TRec")));
    QByteArray huge = bytes.left(4 + 1 + 4);
    huge += QByteArray("\x7F\xFF\xFF\xFF", 4);
    EXPECT_FALSE(RecordCopy::fromClipboard(huge));
}
