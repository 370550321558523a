#include "document/editcommands.h"
#include "tests/testsupport.h"
#include "worldmap/worldmap.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

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
        const QByteArray before = bytesOf(target.locate(t.doc));
        stack()->push(command);
        EXPECT_EQ(bytesOf(target.locate(t.doc)), expectedAfter);
        stack()->undo();
        EXPECT_EQ(bytesOf(target.locate(t.doc)), before);
        stack()->redo();
        EXPECT_EQ(bytesOf(target.locate(t.doc)), expectedAfter);
    }

    QUndoStack* stack() { return t.doc.undoStack(); }

    TempRom file;
    TestDoc t;
};

}  // namespace

TEST_F(EditCommands, ByteWordAndBitFieldEditsUndoAndRedoExactly)
{
    const TableBytes record = TableBytes::itemRecord(7);
    QByteArray expected = bytesOf(record.locate(t.doc));

    expected[28] = char(0x34);
    expected[29] = char(0x12);
    expectUndoRedo(makeSetWord(t.doc, record, 28, 0x1234, QStringLiteral("Change Price")), record, expected);

    // Bits 4-7 of byte 3 only; the low nibble is kept.
    expected[3] = char((quint8(expected[3]) & 0x0F) | 0xA0);
    expectUndoRedo(makeSetBitField(t.doc, record, 3, 1, 0xF0, 0xA, QStringLiteral("Change Evade")), record, expected);
    EXPECT_EQ(bitFieldValue(t.doc, record, 3, 1, 0xF0), 0xAu);

    // A field across two bytes, with a value wider than the mask cut to it.
    const quint16 word = quint16(quint8(expected[10]) | quint8(expected[11]) << 8);
    const quint16 changed = quint16((word & ~0x0FF0) | ((0x1AB & 0xFF) << 4));
    expected[10] = char(changed & 0xFF);
    expected[11] = char(changed >> 8);
    expectUndoRedo(makeSetBitField(t.doc, record, 10, 2, 0x0FF0, 0x1AB, QStringLiteral("Change Field")), record,
                   expected);
}

TEST_F(EditCommands, FontMessageAndMapEditsUndoAndRedoExactly)
{
    expectUndoRedo(makeSetByte(t.doc, TableBytes::dialogueWidth(0x41), 0, 12, QStringLiteral("Change Width")),
                   TableBytes::dialogueWidth(0x41), QByteArray(1, char(12)));
    const QByteArray glyph(GameFonts::kMenuGlyphSize, char(0x5A));
    expectUndoRedo(new SetBytesCommand(t.doc, TableBytes::menuGlyph(0x90), 0, glyph, QStringLiteral("Draw")),
                   TableBytes::menuGlyph(0x90), glyph);

    const QByteArray piece(32, char(0x37));
    expectUndoRedo(new SetBytesCommand(t.doc, TableBytes::mapPiece(1, 255), 0, piece, QStringLiteral("Draw")),
                   TableBytes::mapPiece(1, 255), piece);
    expectUndoRedo(makeSetWord(t.doc, TableBytes::mapPaletteColor(0, 127), 0, 0x7C1F, QStringLiteral("Edit Color")),
                   TableBytes::mapPaletteColor(0, 127), QByteArray("\x1F\x7C", 2));
    expectUndoRedo(makeSetWord(t.doc, TableBytes::mapTileProperty(0, 3), 0, 0xBEEF, QStringLiteral("Change Property")),
                   TableBytes::mapTileProperty(0, 3), QByteArray("\xEF\xBE", 2));

    const QByteArray oldMessage = t.doc.dialogue.messages[5].bytes;
    stack()->push(new ReplaceMessageCommand(t.doc, 5, QByteArray("\x80\x81\x00", 3)));
    EXPECT_EQ(t.doc.dialogue.messages[5].bytes, QByteArray("\x80\x81\x00", 3));
    EXPECT_EQ(stack()->undoText(), QStringLiteral("Change Message 0005"));
    stack()->undo();
    EXPECT_EQ(t.doc.dialogue.messages[5].bytes, oldMessage);
}

TEST_F(EditCommands, TriggerEditsKeepTheKindAndUndo)
{
    WorldMap& map = *t.doc.worldMaps.map(0);
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
    const TableBytes name = TableBytes::itemName(3);
    const QByteArray original = bytesOf(name.locate(t.doc));
    constexpr int kNameField = 1;
    for (quint8 letter : {0x80, 0x81, 0x82})
        stack()->push(makeSetByte(t.doc, name, 1, letter, QStringLiteral("Change Name"), kNameField));
    EXPECT_EQ(stack()->count(), 1);
    // The same bytes of another run, or another field key, start a step of their own.
    stack()->push(makeSetByte(t.doc, TableBytes::itemRecord(3), 1, 0x80, QStringLiteral("Change Type"), kNameField));
    stack()->push(makeSetByte(t.doc, name, 1, 0x83, QStringLiteral("Change Name"), kNameField + 1));
    EXPECT_EQ(stack()->count(), 3);
    stack()->undo();
    stack()->undo();
    stack()->undo();
    EXPECT_EQ(bytesOf(name.locate(t.doc)), original);
}

TEST_F(EditCommands, EditsThatChangeNothingLeaveNoStep)
{
    const TableBytes name = TableBytes::itemName(3);
    const quint8 current = name.locate(t.doc)[0];
    stack()->push(makeSetByte(t.doc, name, 0, current, QStringLiteral("Change Name"), 1));
    EXPECT_EQ(stack()->count(), 0);
    // Typing that ends where it started leaves nothing to undo either.
    stack()->push(makeSetByte(t.doc, name, 0, current ^ 1, QStringLiteral("Change Name"), 1));
    stack()->push(makeSetByte(t.doc, name, 0, current, QStringLiteral("Change Name"), 1));
    EXPECT_EQ(stack()->count(), 0);
    EXPECT_FALSE(t.doc.isModified());
    // Bytes that are not there are never written.
    stack()->push(makeSetByte(t.doc, TableBytes::itemName(256), 0, 1, QStringLiteral("Change Name")));
    stack()->push(makeSetWord(t.doc, name, records::kItemNameWidth - 1, 1, QStringLiteral("Change Name")));
    stack()->push(makeSetByte(t.doc, TableBytes::mapPiece(5, 0), 0, 1, QStringLiteral("Draw")));
    EXPECT_EQ(stack()->count(), 0);
}

TEST_F(EditCommands, TheModifiedFlagFollowsTheSavedState)
{
    QSignalSpy modified(&t.doc, &CFF3Doc::modifiedChanged);
    const TableBytes price = TableBytes::itemRecord(0);
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
    stack()->push(makeSetByte(t.doc, TableBytes::itemName(9), 0, 0x99, QStringLiteral("Change Name")));
    stack()->undo();
    ASSERT_TRUE(t.doc.save(file.path()));
    TestDoc reread;
    ASSERT_TRUE(reread.doc.open(file.path()));
    EXPECT_EQ(reread.doc.items.items[9].name, t.doc.items.items[9].name);

    stack()->redo();
    ASSERT_TRUE(t.doc.open(file.path()));
    EXPECT_EQ(stack()->count(), 0);
    EXPECT_FALSE(t.doc.isModified());
}
