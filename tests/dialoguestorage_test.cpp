#include "rom/romimage.h"
#include "tests/testsupport.h"
#include "text/dialogueaddresses.h"
#include "text/dialoguelayout.h"
#include "text/dialoguescript.h"
#include "tools/samplerom/sampledialogue.h"
#include "document/parts/dialoguepart.h"

#include <gtest/gtest.h>

using namespace tessel;

using namespace dialogue;

namespace {

quint16 wordAt(const QByteArray& image, SnesAddress address)
{
    const QByteArray b = bytesAt(image, address, 2);
    return quint16(quint8(b[0]) | quint8(b[1]) << 8);
}

std::vector<DialogueGroup> groupTable(const QByteArray& image, quint16* count)
{
    std::vector<DialogueGroup> groups;
    for (SnesAddress at = kGroupTableAddress;; at += 3) {
        groups.push_back({wordAt(image, at), quint8(image[rom::fileOffset(at + 2)])});
        if (groups.back().bound == 0xFFFF || groups.size() > 20) {
            *count = wordAt(image, at + 3);
            return groups;
        }
    }
}

// Opens the image, lets `edit` change the dialogue, saves; returns the file.
template <typename Edit>
QByteArray saveWith(const QByteArray& image, Edit edit, TempRom* keep = nullptr)
{
    TempRom local(image);
    TempRom& file = keep ? *keep : local;
    if (keep)
        file.write(image);
    TestDoc t;
    EXPECT_TRUE(t.doc.open(file.path()));
    edit(t.doc.part<DialoguePart>().dialogue());
    EXPECT_TRUE(t.doc.save(file.path())) << (t.messages.entries.isEmpty() ? std::string()
                                                                          : t.messages.entries[0].text.toStdString());
    return file.read();
}

std::vector<DialogueMessage> messagesOf(const QByteArray& image)
{
    TempRom file(image);
    TestDoc t;
    EXPECT_TRUE(t.doc.open(file.path()));
    EXPECT_TRUE(t.doc.part<DialoguePart>().dialogue().loaded);
    return t.doc.part<DialoguePart>().dialogue().messages;
}

void expectSameMessages(const std::vector<DialogueMessage>& a, const std::vector<DialogueMessage>& b)
{
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        ASSERT_EQ(a[i].bytes, b[i].bytes) << "message " << i;
}

}  // namespace

TEST(DialogueStorage, TheSampleRomsGameLayoutGivesItsMessages)
{
    const std::vector<DialogueMessage> messages = messagesOf(sampleRomBytes());
    const std::vector<QByteArray>& expected = samplegen::sampleDialogueMessages();
    ASSERT_EQ(messages.size(), std::size_t(kGameMessageCount));
    for (std::size_t i = 0; i < messages.size(); ++i)
        ASSERT_EQ(messages[i].bytes, expected[i]) << i;
    // The sample has empty messages, and a zero operand before the end.
    EXPECT_TRUE(messages[9].isEmpty());
    EXPECT_TRUE(std::any_of(messages.begin(), messages.end(), [](const DialogueMessage& m) {
        return m.bytes.contains(QByteArray("\x16\x00", 2)) || m.bytes.contains(QByteArray("\x14\x00", 2));
    }));
}

TEST(DialogueStorage, SaveWritesTheRelocatedLayoutAndReopensTheSameMessages)
{
    const QByteArray saved = saveWith(sampleRomBytes(), [](DialogueList&) {});
    ASSERT_EQ(saved.size(), rom::kRomFileSize);
    EXPECT_EQ(bytesAt(saved, kMarkerAddress, 38),
              QByteArray(reinterpret_cast<const char*>(kMessageAddressRoutine.data()), 38));
    EXPECT_EQ(quint8(saved[0x81]) & 1, 1);

    quint16 count = 0;
    const std::vector<DialogueGroup> groups = groupTable(saved, &count);
    EXPECT_EQ(count, kGameMessageCount);
    // One bank change ($CD to $CE) at the sample's split, then the end entry.
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].bank, 0xCD);
    const quint16 split = wordAt(sampleRomBytes(), kBankSplitAddress);
    EXPECT_GE(groups[0].bound, split);
    EXPECT_EQ(groups[1].bound, 0xFFFF);
    EXPECT_EQ(groups[1].bank, 0xCE);

    expectSameMessages(messagesOf(saved), messagesOf(sampleRomBytes()));
    // A second save of the relocated layout changes nothing.
    EXPECT_EQ(saveWith(saved, [](DialogueList&) {}), saved);
}

TEST(DialogueStorage, AnUnknownMarkerLoadsNothingAndSaveLeavesTheDialogueAlone)
{
    QByteArray image = sampleRomBytes();
    image[rom::fileOffset(kMarkerAddress)] = char(0x42);
    TempRom file(image);
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    EXPECT_FALSE(t.doc.part<DialoguePart>().dialogue().loaded);
    EXPECT_TRUE(t.doc.part<DialoguePart>().dialogue().messages.empty());
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_EQ(file.read(), image);
}

TEST(DialogueStorage, EmptyMessagesAndZeroOperandsSurviveASave)
{
    const QByteArray saved = saveWith(sampleRomBytes(), [](DialogueList& d) {
        d.messages[0].bytes.clear();
        ASSERT_TRUE(ParseDialogue(d.messages[1], QStringLiteral("<T 0>Go<WT 0, 5>!")));
        d.messages[2].bytes.clear();
        d.messages[3].bytes.clear();
        d.messages.back().bytes.clear();  // the last one has no next pointer
    });
    const std::vector<DialogueMessage> messages = messagesOf(saved);
    EXPECT_TRUE(messages[0].isEmpty());
    EXPECT_EQ(dialoguescript::scriptText(messages[1]), QStringLiteral("<T 0>Go<WT 0, 5>!"));
    EXPECT_TRUE(messages[2].isEmpty());
    EXPECT_TRUE(messages[3].isEmpty());
    EXPECT_TRUE(messages.back().isEmpty());
    EXPECT_EQ(messages[4].bytes, samplegen::sampleDialogueMessages()[4]);
}

TEST(DialogueStorage, TextPastTheTextAreaGrowsTheFileWithZerosBehindIt)
{
    const QByteArray longText(2000, 'A');
    auto grow = [&](int messages) {
        return [&, messages](DialogueList& d) {
            for (int i = 0; i < messages; ++i)
                ASSERT_TRUE(ParseDialogue(d.messages[std::size_t(i)], QString::fromLatin1(longText)));
        };
    };
    TempRom file;
    const QByteArray first = saveWith(sampleRomBytes(), grow(40), &file);
    ASSERT_EQ(first.size(), 0x400200);
    quint16 count = 0;
    const std::vector<DialogueGroup> groups = groupTable(first, &count);
    ASSERT_EQ(groups.back().bank, 0xF0);
    EXPECT_EQ(groups[groups.size() - 2].bank, 0xCE);
    // The text area's limit holds, and zeros follow the overflowing text.
    const std::vector<DialogueMessage> messages = messagesOf(first);
    EXPECT_EQ(messages[0].bytes.size(), 2001);
    EXPECT_EQ(bytesAt(first, kTextAreaStart + kTextAreaSize - 0x100, 0x100), QByteArray(0x100, char(0xFF)));
    qsizetype end = first.size();
    while (end > 0 && first[end - 1] == 0)
        --end;
    EXPECT_LT(end, rom::fileOffset(0xF10000));
    EXPECT_GT(end, rom::fileOffset(0xF00000));
    EXPECT_EQ(first.mid(end), QByteArray(first.size() - end, '\0'));

    // The same text saves to the same bytes again.
    EXPECT_EQ(saveWith(first, [](DialogueList&) {}, &file), first);
}

TEST(DialogueStorage, RelocatedTablesThatMakeNoSenseLoadNothing)
{
    const QByteArray saved = saveWith(sampleRomBytes(), [](DialogueList&) {});
    QByteArray noEnd = saved;
    noEnd.replace(rom::fileOffset(kGroupTableAddress), 30, QByteArray(30, '\0'));
    TempRom file(noEnd);
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    EXPECT_FALSE(t.doc.part<DialoguePart>().dialogue().loaded);

    QByteArray tooMany = saved;
    quint16 count = 0;
    const std::size_t entries = groupTable(saved, &count).size();
    tooMany[rom::fileOffset(kGroupTableAddress + SnesAddress(3 * entries) + 1)] = char(0x7F);
    TempRom file2(tooMany);
    TestDoc t2;
    ASSERT_TRUE(t2.doc.open(file2.path()));
    EXPECT_FALSE(t2.doc.part<DialoguePart>().dialogue().loaded);

    // A count that leaves no room for the word after the pointers.
    QByteArray full = saved;
    const SnesAddress countAt = kGroupTableAddress + SnesAddress(3 * entries);
    full[rom::fileOffset(countAt)] = char(quint8(kPointerTableRoom));
    full[rom::fileOffset(countAt) + 1] = char(kPointerTableRoom >> 8);
    TempRom file3(full);
    TestDoc t3;
    ASSERT_TRUE(t3.doc.open(file3.path()));
    EXPECT_FALSE(t3.doc.part<DialoguePart>().dialogue().loaded);
    ASSERT_TRUE(t3.doc.save(file3.path()));
    EXPECT_EQ(file3.read(), full);
}

TEST(DialogueStorage, AMessageCutByTheEndOfTheFileKeepsItsWholeCodesAndEndsWithZero)
{
    QByteArray image = sampleRomBytes();
    // Point the last message at the file's last two bytes.
    const SnesAddress at = kPointerTableAddress + 2 * (kGameMessageCount - 1);
    image[rom::fileOffset(kBankSplitAddress)] = char(0xFF);
    image[rom::fileOffset(kBankSplitAddress) + 1] = char(0xFF);
    image[rom::fileOffset(at)] = char(0xFE);
    image[rom::fileOffset(at) + 1] = char(0xFF);
    image[rom::fileOffset(at) + 2] = char(0x00);
    image[rom::fileOffset(at) + 3] = char(0x00);
    image.truncate(rom::fileOffset(kTextAreaStart + 0x10000));
    image[image.size() - 2] = char(0x20);
    image[image.size() - 1] = char(0x14);
    RomImage rom;
    rom.openInMemory(image, RomImage::Mode::Loading);
    DialogueList list;
    LoadGameLayoutDialogue(rom, list);
    // The 0x14 lost its value to the cut: it goes, so the 0x00 ends the message.
    EXPECT_EQ(list.messages.back().bytes, QByteArray("\x20\x00", 2));
}

TEST(DialogueStorage, TextThatCannotBePlacedRefusesTheSaveAndWritesNothing)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    t.doc.part<DialoguePart>().dialogue().messages[0x12].bytes = QByteArray(0x10000, 'A') + QByteArray(1, '\0');
    EXPECT_FALSE(t.doc.save(file.path()));
    ASSERT_EQ(t.messages.entries.size(), 1);
    EXPECT_TRUE(t.messages.entries[0].text.contains(QStringLiteral("0012"))) << t.messages.entries[0].text.toStdString();
    EXPECT_EQ(file.read(), sampleRomBytes());
    EXPECT_EQ(quint8(file.read()[0x81]) & 1, 0);
}

TEST(DialogueStorage, MessagesAroundABankChangeReadBackWhole)
{
    // Message 0 fills most of $CD alone at offset 0; message 2 has to go to
    // $CE, so message 1 (empty) sits between the banks.
    const QByteArray longText(40000, 'A');
    const QByteArray saved = saveWith(sampleRomBytes(), [&](DialogueList& d) {
        d.messages[0].bytes = longText + '\0';
        d.messages[1].bytes.clear();
        d.messages[2].bytes = longText + '\0';
    });
    const std::vector<DialogueMessage> messages = messagesOf(saved);
    EXPECT_EQ(messages[0].bytes, longText + '\0');
    EXPECT_TRUE(messages[1].isEmpty());
    EXPECT_EQ(messages[2].bytes, longText + '\0');
    EXPECT_EQ(messages[3].bytes, samplegen::sampleDialogueMessages()[3]);
}

TEST(DialogueStorage, AnEmptyLastMessageAndALoneZeroReadBackAsTheyWere)
{
    for (const QByteArray& last : {QByteArray(), QByteArray(1, '\0'), QByteArray("\x20\x00", 2)}) {
        const QByteArray saved = saveWith(sampleRomBytes(), [&](DialogueList& d) { d.messages.back().bytes = last; });
        EXPECT_EQ(messagesOf(saved).back().bytes, last) << last.toHex().toStdString();
        // The game finds a 0x00 at the last message's pointer either way.
        quint16 count = 0;
        const std::vector<DialogueGroup> groups = groupTable(saved, &count);
        const SnesAddress at = rom::inBank(groups.back().bank, wordAt(saved, kPointerTableAddress + 2 * (count - 1)));
        EXPECT_EQ(bytesAt(saved, at, qMax<int>(int(last.size()), 1)).back(), '\0');
    }
}

TEST(DialogueStorage, AMessageThatWouldNotReadBackRefusesTheSave)
{
    // Bytes a parser never makes: a 0x00 inside, an operand swallowing the end.
    for (const QByteArray& broken : {QByteArray("\x20\x00\x21\x00", 4), QByteArray("\x20\x14\x00", 3),
                                     QByteArray("\x20\x21", 2)}) {
        TempRom file;
        TestDoc t;
        ASSERT_TRUE(t.doc.open(file.path()));
        t.doc.part<DialoguePart>().dialogue().messages[0x30].bytes = broken;
        EXPECT_FALSE(t.doc.save(file.path()));
        ASSERT_EQ(t.messages.entries.size(), 1);
        EXPECT_TRUE(t.messages.entries[0].text.contains(QStringLiteral("0030")));
        EXPECT_EQ(file.read(), sampleRomBytes());
    }
}
