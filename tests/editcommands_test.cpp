#include "document/editcommands.h"
#include "tests/testsupport.h"
#include "worldmap/worldmap.h"
#include "document/parts/itemspart.h"
#include "document/parts/worldmappart.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

QByteArray bytesOf(std::span<const quint8> run)
{
    return QByteArray(reinterpret_cast<const char*>(run.data()), qsizetype(run.size()));
}

// A sample ROM opened from a file of its own, so saves can be checked.
class EditCommands : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(t.doc.open(file.path())); }

    // Pushes a command and checks that undo and redo move the located bytes
    // exactly between their old and new state.
    void expectUndoRedo(QUndoCommand* command, const TableBytes& target, const QByteArray& expectedAfter)
    {
        const QByteArray before = bytesOf(target.locate());
        stack()->push(command);
        EXPECT_EQ(bytesOf(target.locate()), expectedAfter);
        stack()->undo();
        EXPECT_EQ(bytesOf(target.locate()), before);
        stack()->redo();
        EXPECT_EQ(bytesOf(target.locate()), expectedAfter);
    }

    QUndoStack* stack() { return t.doc.undoStack(); }

    TempRom file;
    TestDoc t;
};

}  // namespace

TEST_F(EditCommands, ByteWordAndBitFieldEditsUndoAndRedoExactly)
{
    const TableBytes record = t.doc.part<ItemsPart>().bytes(RecordPart::Record, 7);
    QByteArray expected = bytesOf({0x01, 0x2E, 0x07, 0x00, 0x00, 0x00, 0x33, 0x00, 0x26, 0x00, 0x17, 0x00, 0x00, 0x00, 0x41,
                                   0x00, 0x47, 0xC9, 0x00, 0xE2, 0x22, 0xCC, 0x00, 0x00, 0x00, 0x00, 0x82, 0x29, 0x90, 0x0B});
    ASSERT_EQ(bytesOf(record.locate()), expected) << "item 7 of the sample";

    expected.replace(28, 2, bytesOf({0x34, 0x12}));
    expectUndoRedo(makeSetWord(t.doc, record, 28, 0x1234, QStringLiteral("Change Price")), record, expected);

    // Bits 4-7 of byte 1 only; the low nibble (0xE) is kept.
    expected[1] = char(0xAE);
    expectUndoRedo(makeSetBitField(t.doc, record, 1, 1, 0xF0, 0xA, QStringLiteral("Change Evade")), record, expected);
    EXPECT_EQ(bitFieldValue(record, 1, 1, 0xF0), 0xAu);

    // Bits 4-11 of the word 0x0017 at byte 10, with a value wider than the mask cut to it.
    expected.replace(10, 2, bytesOf({0xB7, 0x0A}));
    expectUndoRedo(makeSetBitField(t.doc, record, 10, 2, 0x0FF0, 0x1AB, QStringLiteral("Change Field")), record,
                   expected);
}

// Edit > Undo names the message the step changed.
TEST_F(EditCommands, AMessageReplacementIsNamedAfterItsMessage)
{
    stack()->push(new ReplaceMessageCommand(t.doc, 5, bytesOf({0x80, 0x81, 0x00})));
    EXPECT_EQ(stack()->undoText(), QStringLiteral("Change Message 0005"));
}

TEST_F(EditCommands, TriggerEditsKeepTheKindAndUndo)
{
    WorldMap& map = *worldMapOf(t.doc, 0);
    ASSERT_FALSE(map.triggers.isEmpty());
    const MapTrigger before = map.triggers[0];
    MapTrigger changed = before;
    changed.x = quint8(before.x + 1);
    changed.data = 0x123456;
    changed.kind = before.kind == MapTrigger::Entrance ? MapTrigger::Event : MapTrigger::Entrance;
    stack()->push(new SetTriggerCommand(t.doc, 0, 0, changed, QStringLiteral("Edit Trigger")));
    EXPECT_EQ(map.triggers[0].x, changed.x);
    EXPECT_EQ(map.triggers[0].data, 0x123456u);
    EXPECT_EQ(map.triggers[0].kind, before.kind);
    stack()->undo();
    EXPECT_EQ(map.triggers[0].x, before.x);
    EXPECT_EQ(map.triggers[0].data, before.data);
}

TEST_F(EditCommands, TypingIntoOneFieldIsOneStepAndOtherFieldsAreNot)
{
    const TableBytes name = t.doc.part<ItemsPart>().bytes(RecordPart::Name, 3);
    const QByteArray original = bytesOf(name.locate());
    constexpr int kNameField = 1;
    for (quint8 letter : {0x80, 0x81, 0x82})
        stack()->push(makeSetByte(t.doc, name, 1, letter, QStringLiteral("Change Name"), kNameField));
    EXPECT_EQ(stack()->count(), 1);
    // The same bytes of another run, or another field key, start a step of their own.
    stack()->push(makeSetByte(t.doc, t.doc.part<ItemsPart>().bytes(RecordPart::Record, 3), 1, 0x80, QStringLiteral("Change Type"), kNameField));
    stack()->push(makeSetByte(t.doc, name, 1, 0x83, QStringLiteral("Change Name"), kNameField + 1));
    EXPECT_EQ(stack()->count(), 3);
    stack()->undo();
    stack()->undo();
    stack()->undo();
    EXPECT_EQ(bytesOf(name.locate()), original);
}

TEST_F(EditCommands, EditsThatChangeNothingLeaveNoStep)
{
    const TableBytes name = t.doc.part<ItemsPart>().bytes(RecordPart::Name, 3);
    const quint8 current = name.locate()[0];
    stack()->push(makeSetByte(t.doc, name, 0, current, QStringLiteral("Change Name"), 1));
    EXPECT_EQ(stack()->count(), 0);
    // Typing that ends where it started leaves nothing to undo either.
    stack()->push(makeSetByte(t.doc, name, 0, current ^ 1, QStringLiteral("Change Name"), 1));
    stack()->push(makeSetByte(t.doc, name, 0, current, QStringLiteral("Change Name"), 1));
    EXPECT_EQ(stack()->count(), 0);
    EXPECT_FALSE(t.doc.isModified());
    // Bytes that are not there are never written.
    stack()->push(makeSetByte(t.doc, t.doc.part<ItemsPart>().bytes(RecordPart::Name, 256), 0, 1, QStringLiteral("Change Name")));
    stack()->push(makeSetWord(t.doc, name, records::kItemNameWidth - 1, 1, QStringLiteral("Change Name")));
    stack()->push(makeSetByte(t.doc, t.doc.part<FontsPart>().menuGlyph(0x20), 0, 1, QStringLiteral("Draw")));
    EXPECT_EQ(stack()->count(), 0);
}

TEST_F(EditCommands, TheModifiedFlagFollowsTheSavedState)
{
    QSignalSpy modified(&t.doc, &CFF3Doc::modifiedChanged);
    const TableBytes price = t.doc.part<ItemsPart>().bytes(RecordPart::Record, 0);
    stack()->push(makeSetWord(t.doc, price, 28, 500, QStringLiteral("Change Price")));
    EXPECT_TRUE(t.doc.isModified());
    stack()->undo();
    EXPECT_FALSE(t.doc.isModified());
    stack()->redo();
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_FALSE(t.doc.isModified());
    EXPECT_TRUE(stack()->isClean());
    // Undo after a save leads away from the saved state, redo back to it.
    stack()->undo();
    EXPECT_TRUE(t.doc.isModified());
    stack()->redo();
    EXPECT_FALSE(t.doc.isModified());
    EXPECT_EQ(modified.size(), 6);
}

TEST_F(EditCommands, AnUndoneEditIsNotSavedAndOpeningForgetsTheHistory)
{
    stack()->push(makeSetByte(t.doc, t.doc.part<ItemsPart>().bytes(RecordPart::Name, 9), 0, 0x99, QStringLiteral("Change Name")));
    stack()->undo();
    ASSERT_TRUE(t.doc.save(file.path()));
    TestDoc reread;
    ASSERT_TRUE(reread.doc.open(file.path()));
    EXPECT_EQ(reread.doc.part<ItemsPart>().table().items[9].name, t.doc.part<ItemsPart>().table().items[9].name);

    stack()->redo();
    ASSERT_TRUE(t.doc.open(file.path()));
    EXPECT_EQ(stack()->count(), 0);
    EXPECT_FALSE(t.doc.isModified());
}
