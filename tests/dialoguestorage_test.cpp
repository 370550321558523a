#include "rom/romimage.h"
#include "tests/testsupport.h"
#include "text/dialogueaddresses.h"
#include "text/dialoguelayout.h"
#include "text/dialoguescript.h"
#include "tools/samplerom/sampledialogue.h"

#include <gtest/gtest.h>

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
    edit(t.doc.dialogue);
    EXPECT_TRUE(t.doc.save(file.path())) << (t.messages.entries.isEmpty() ? std::string()
                                                                          : t.messages.entries[0].text.toStdString());
    return file.read();
}

std::vector<DialogueMessage> messagesOf(const QByteArray& image)
{
    TempRom file(image);
    TestDoc t;
    EXPECT_TRUE(t.doc.open(file.path()));
    EXPECT_TRUE(t.doc.dialogue.loaded);
    return t.doc.dialogue.messages;
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
    EXPECT_FALSE(t.doc.dialogue.loaded);
    EXPECT_TRUE(t.doc.dialogue.messages.empty());
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_EQ(file.read(), image);
}

TEST(DialogueStorage, EmptyMessagesAndZeroOperandsSurviveASave)
{
    const QByteArray saved = saveWith(sampleRomBytes(), [](DialogueList& d) {
        d.messages[0].bytes.clear();
        ASSERT_EQ(ParseDialogue(d.messages[1], QStringLiteral("<T 0>Go<WT 0, 5>!")), 0);
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
                ASSERT_EQ(ParseDialogue(d.messages[std::size_t(i)], QString::fromLatin1(longText)), 0);
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
    EXPECT_FALSE(t.doc.dialogue.loaded);

    QByteArray tooMany = saved;
    quint16 count = 0;
    const std::size_t entries = groupTable(saved, &count).size();
    tooMany[rom::fileOffset(kGroupTableAddress + SnesAddress(3 * entries) + 1)] = char(0x7F);
    TempRom file2(tooMany);
    TestDoc t2;
    ASSERT_TRUE(t2.doc.open(file2.path()));
    EXPECT_FALSE(t2.doc.dialogue.loaded);
}

TEST(DialogueLayout, BankEndsAndTheTextAreaLimit)
{
    QString reason;
    // A message that would end exactly at a bank boundary moves on.
    std::optional<DialogueLayout> layout = layOutDialogue({0x100, 0x100, 0x7E00, 0x8000, 10}, 0xF0, &reason);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->address(2), 0xCD0200u);
    EXPECT_EQ(layout->address(3), 0xCE0000u);
    EXPECT_EQ(layout->address(4), 0xCE8000u);
    ASSERT_EQ(layout->groups.size(), 2u);
    EXPECT_EQ(layout->groups[0].bound, 3);
    EXPECT_EQ(layout->groups[0].bank, 0xCD);
    EXPECT_EQ(layout->groups[1].bound, 0xFFFF);
    EXPECT_EQ(layout->groups[1].bank, 0xCE);
    EXPECT_FALSE(layout->overflowed());

    // A message alone at a bank start keeps a pointer of its own, or it
    // would read back as empty.
    layout = layOutDialogue({0xC000, 0xC000, 0}, 0xF0, &reason);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->address(0), 0xCD0000u);
    EXPECT_EQ(layout->address(1), 0xCE0001u);

    // The unused tail of bank $CD counts: nothing reaches $CE:F000.
    layout = layOutDialogue({0x100, 0x8F00, 0x8000, 0x100, 0x7000, 0x100}, 0xF0, &reason);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->address(2), 0xCE0000u);
    EXPECT_EQ(layout->address(3), 0xCE8000u);
    EXPECT_EQ(layout->address(4), 0xF00000u);  // $CE:8100 + 0x7000 would pass the limit
    EXPECT_EQ(layout->address(5), 0xF07000u);
    EXPECT_EQ(layout->overflowEnd, 0xF07100u);
    ASSERT_EQ(layout->groups.size(), 3u);
    EXPECT_EQ(layout->groups[1].bound, 4);
    EXPECT_EQ(layout->groups[1].bank, 0xCE);

    // Overflowing text never restarts at the overflow bank.
    const std::vector<quint32> many(12, 0x7000);
    layout = layOutDialogue(many, 0xF0, &reason);
    ASSERT_TRUE(layout);
    std::vector<SnesAddress> starts;
    for (std::size_t i = 0; i < many.size(); ++i)
        starts.push_back(layout->address(i));
    EXPECT_TRUE(std::is_sorted(starts.begin(), starts.end()));
    EXPECT_EQ(layout->groups.back().bank, 0xF3);

    // Too much text and too long messages are refused with a reason.
    EXPECT_FALSE(layOutDialogue(std::vector<quint32>(300, 0x7000), 0xF0, &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_FALSE(layOutDialogue({0x10000}, 0xF0, &reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("0000")));
    EXPECT_FALSE(layOutDialogue(std::vector<quint32>(kMaxMessageCount + 1, 1), 0xF0, &reason));
}

TEST(DialogueStorage, AMessageCutByTheEndOfTheFileEndsWithZero)
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
    EXPECT_EQ(list.messages.back().bytes, QByteArray("\x20\x14\x00", 3));
}

TEST(DialogueStorage, TextThatCannotBePlacedRefusesTheSaveAndWritesNothing)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    t.doc.dialogue.messages[0x12].bytes = QByteArray(0x10000, 'A') + QByteArray(1, '\0');
    EXPECT_FALSE(t.doc.save(file.path()));
    ASSERT_EQ(t.messages.entries.size(), 1);
    EXPECT_TRUE(t.messages.entries[0].text.contains(QStringLiteral("0012"))) << t.messages.entries[0].text.toStdString();
    EXPECT_EQ(file.read(), sampleRomBytes());
    EXPECT_EQ(quint8(file.read()[0x81]) & 1, 0);
}
