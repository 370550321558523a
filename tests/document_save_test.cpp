#include "document/editcommands.h"
#include "rom/romidentity.h"
#include "tests/testsupport.h"
#include "text/dialogueaddresses.h"
#include "document/parts/itemspart.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// True when a file offset lies in one of the areas the dialogue save
// rewrites: the text area, the pointer table, the group table with its count
// and the message-address routine.
bool inDialogueArea(qsizetype offset)
{
    using namespace dialogue;
    const auto within = [offset](SnesAddress start, qint64 size) {
        return offset >= rom::fileOffset(start) && offset < rom::fileOffset(start) + size;
    };
    return within(kTextAreaStart, kTextAreaSize) || within(kPointerTableAddress, 2 * kPointerTableRoom) ||
           within(kGroupTableAddress, kMaxGroupEntries * kGroupEntrySize + 2) ||
           within(kMarkerAddress, qint64(kMessageAddressRoutine.size()));
}

}  // namespace

// The sample ROM stores the world maps as a save writes them (blocks as the
// encoder produces them, region summaries as the save rebuilds them), so
// only the dialogue, moved into the relocated layout, may change.
TEST(DocumentSave, SavingWithoutEditsChangesOnlyTheDialogueLayoutAndItsFlag)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    ASSERT_TRUE(t.doc.save(file.path()));
    const QByteArray after = file.read();
    ASSERT_EQ(after.size(), rom::kRomFileSize);
    EXPECT_FALSE(t.doc.isModified());

    // The game layout becomes the relocated one: the routine is installed,
    // flags byte 1 gains bit 0, and nothing outside the dialogue areas moves.
    const QByteArray& before = sampleRomBytes();
    EXPECT_EQ(bytesAt(after, dialogue::kMarkerAddress, 38),
              QByteArray(reinterpret_cast<const char*>(dialogue::kMessageAddressRoutine.data()), 38));
    EXPECT_EQ(quint8(after[0x81]), 0x01);  // 0x00 in the sample
    for (qsizetype offset : differences(before, after))
        EXPECT_TRUE(offset == 0x81 || inDialogueArea(offset)) << offset;
    // The same bytes again on the next save.
    EXPECT_EQ(resavedSampleRomBytes(), after);
}

TEST(DocumentSave, TheEditorFlagsBlockRoundTrips)
{
    QByteArray image = sampleRomBytes();
    for (int i = 0; i < 128; ++i)
        image[0x80 + i] = char(i * 3);
    TempRom file(image);
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    ASSERT_TRUE(t.doc.save(file.path()));
    const QByteArray after = file.read();
    // Only bit 0 of byte 1 may be added, by the dialogue save.
    for (int i = 0; i < 128; ++i) {
        if (i == 1)
            EXPECT_EQ(quint8(after[0x81]) & 0xFE, quint8(image[0x81]) & 0xFE);
        else
            EXPECT_EQ(after[0x80 + i], image[0x80 + i]) << i;
    }
}

TEST(DocumentSave, AReadOnlyFileIsLeftUntouchedAndTheFailureReported)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    t.doc.undoStack()->push(makeSetByte(t.doc, t.doc.part<ItemsPart>().bytes(RecordPart::Name, 0), 0, 0x99, QStringLiteral("Change Name")));
    QFile::setPermissions(file.path(), QFile::ReadOwner | QFile::ReadGroup);
    EXPECT_FALSE(t.doc.save(file.path()));
    QFile::setPermissions(file.path(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(file.read(), sampleRomBytes());
    ASSERT_EQ(t.messages.entries.size(), 1);
    EXPECT_TRUE(t.messages.entries[0].text.startsWith(QStringLiteral("Could not save ")));
    EXPECT_TRUE(t.doc.isModified());
}

TEST(DocumentSave, SaveNeverCreatesAMissingFile)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    ASSERT_TRUE(QFile::remove(file.path()));
    EXPECT_FALSE(t.doc.save(file.path()));
    EXPECT_FALSE(QFile::exists(file.path()));
    EXPECT_EQ(t.messages.entries.size(), 1);
}

TEST(DocumentSave, SavingKeepsTheFilePermissions)
{
    TempRom file;
    const QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(file.path(), permissions);
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_EQ(QFileInfo(file.path()).permissions() & 0x7077, permissions & 0x7077);
}

TEST(DocumentSave, NothingIsSavedWithoutALoadedDocument)
{
    TempRom file;
    TestDoc t;
    EXPECT_FALSE(t.doc.save(file.path()));
    EXPECT_EQ(file.read(), sampleRomBytes());
}

// Saving to another path (File > Save As) builds on the file as it is now,
// refuses to replace a read-only file, and from then on the document is the
// new file.
TEST(DocumentSave, SaveAsWritesAnotherFileAndGoesOnWithIt)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    const quint8 before = t.doc.part<ItemsPart>().table().items[3].name[0];
    flipItemNameBits(t.doc, 3, 0);
    const QString other = file.dir() + QStringLiteral("/other.smc");
    writeFileBytes(other, QByteArray("not yours"));
    QFile::setPermissions(other, QFile::ReadOwner);
    EXPECT_FALSE(t.doc.save(other));
    EXPECT_EQ(fileBytes(other), QByteArray("not yours"));
    EXPECT_TRUE(t.doc.isModified());

    // A byte no part owns, changed by another program since the open, comes
    // along as a save in place would keep it.
    QByteArray changed = sampleRomBytes();
    changed[0x10] = char(0x77);
    file.write(changed);
    const QString copy = file.dir() + QStringLiteral("/copy.smc");
    ASSERT_TRUE(t.doc.save(copy)) << t.messages.entries.last().text.toStdString();
    EXPECT_EQ(file.read(), changed);
    EXPECT_EQ(t.doc.pathName(), copy);
    EXPECT_FALSE(t.doc.isModified());
    EXPECT_EQ(t.doc.title(), QStringLiteral("copy.smc"));
    EXPECT_EQ(fileBytes(copy)[0x10], char(0x77));

    TestDoc reopened;
    ASSERT_TRUE(reopened.doc.open(copy));
    EXPECT_EQ(reopened.doc.part<ItemsPart>().table().items[3].name[0], before ^ 1);
}
