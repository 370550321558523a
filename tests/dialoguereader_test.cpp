#include "rom/romimage.h"
#include "tests/testsupport.h"
#include "text/dialogueaddresses.h"
#include "text/dialoguemessagereader.h"
#include "text/dialoguestorage.h"

#include <gtest/gtest.h>

using namespace tessel;

using namespace dialogue;

namespace {

// Reads a message placed at $F0:0000 of a small image.
QByteArray readPlaced(const QByteArray& placed, SnesAddress limit)
{
    RomImage rom;
    rom.openInMemory(QByteArray(rom::fileOffset(0xF00000), '\0') + placed, RomImage::Mode::Loading);
    return readDialogueMessage(rom, 0xF00000, limit);
}

void writeWord(QByteArray& image, SnesAddress address, quint16 value)
{
    image[rom::fileOffset(address)] = char(value);
    image[rom::fileOffset(address) + 1] = char(value >> 8);
}

}  // namespace

TEST(DialogueReader, TheClosingZeroIsTheFirstThatIsNoOperand)
{
    const QByteArray message = bytesOf({0x14, 0x00, 0x11, 0x00, 0x05, 0x12, 0x16, 0x00, 0x12, 0x20, 0x00, 0x21});
    EXPECT_EQ(dialogueMessageLength(message.constData(), message.size()), 11);
    EXPECT_EQ(readPlaced(message, 0xF10000), message.left(11));
    EXPECT_TRUE(isWholeDialogueMessage(message.left(11)));
    EXPECT_FALSE(isWholeDialogueMessage(message));              // a code after the end
    EXPECT_FALSE(isWholeDialogueMessage(bytesOf({0x20, 0x14, 0x00})));  // the 0x00 is a value
    EXPECT_FALSE(isWholeDialogueMessage(bytesOf({0x16, 0x00})));
}

TEST(DialogueReader, AMessageCutShortKeepsOnlyWholeCodes)
{
    // Cut by the limit inside a value, inside a list, and between codes.
    EXPECT_EQ(readPlaced(bytesOf({0x20, 0x21, 0x14, 0x05, 0x00}), 0xF00003), bytesOf({0x20, 0x21, 0x00}));
    EXPECT_EQ(readPlaced(bytesOf({0x20, 0x11, 0x01, 0x02, 0x12, 0x00}), 0xF00004), bytesOf({0x20, 0x00}));
    EXPECT_EQ(readPlaced(bytesOf({0x20, 0x21, 0x22, 0x00}), 0xF00002), bytesOf({0x20, 0x21, 0x00}));
    // Nothing to read at all still gives a whole (one-byte) message.
    EXPECT_EQ(readPlaced(bytesOf({0x20}), 0xF00000), bytesOf({0x00}));
}

TEST(DialogueReader, NoMessageIsReadLongerThanASaveCanWrite)
{
    const QByteArray endless(0x30000, char(0x41));
    const QByteArray read = readPlaced(endless, 0xF30000);
    EXPECT_EQ(read.size(), qsizetype(kMaxMessageLength));
    EXPECT_TRUE(isWholeDialogueMessage(read));
    // A list open at the cut is dropped whole.
    QByteArray openList = endless;
    openList[kMaxMessageLength - 3] = char(0x11);
    const QByteArray cut = readPlaced(openList, 0xF30000);
    EXPECT_EQ(cut.size(), qsizetype(kMaxMessageLength) - 2);
    EXPECT_TRUE(isWholeDialogueMessage(cut));
}

// A damaged ROM whose text has no 0x00 anywhere and whose pointers run
// downwards: each message stops at the text area's end and the longest
// length, instead of running to the end of the file.
TEST(DialogueReader, AGameLayoutWithoutEndsReadsBoundedMessages)
{
    QByteArray image = sampleRomBytes();
    image.replace(rom::fileOffset(kTextAreaStart), image.size() - rom::fileOffset(kTextAreaStart),
                  QByteArray(image.size() - rom::fileOffset(kTextAreaStart), char(0x41)));
    writeWord(image, kBankSplitAddress, 0xFFFF);
    // One message at $CD:F800, ten from $CD:1000 downwards, then empty ones
    // below them all.
    for (int i = 0; i <= kGameMessageCount; ++i)
        writeWord(image, kPointerTableAddress + SnesAddress(2 * i),
                  quint16(i == 0 ? 0xF800 : i <= 10 ? 0x1100 - 0x100 * i : 0x0010));
    RomImage rom;
    rom.openInMemory(image, RomImage::Mode::Loading);
    DialogueList list;
    LoadGameLayoutDialogue(rom, list);
    ASSERT_EQ(list.messages.size(), std::size_t(kGameMessageCount));
    for (std::size_t i = 1; i <= 10; ++i) {
        EXPECT_EQ(list.messages[i].length(), kMaxMessageLength) << i;
        EXPECT_TRUE(isWholeDialogueMessage(list.messages[i].bytes)) << i;
    }
    // $CD:F800 lies less than the longest length before the area's end.
    EXPECT_EQ(list.messages[0].length(), kTextAreaEnd - 0xCDF800 + 1);
    EXPECT_TRUE(list.messages[11].isEmpty());
}

// The last message of a relocated layout, moved past the image where the
// text lacks every 0x00: it is read to the end of its bank or of the file,
// whichever comes first, and closed there.
struct UnclosedMessage {
    const char* name;
    qsizetype appended;  // bytes of 0x41 after the 3 MB image
    quint8 bank;
    quint16 pointer;
    qsizetype readLength;  // without the 0x00 added
};

class UnclosedRelocatedMessage : public testing::TestWithParam<UnclosedMessage> {};

TEST_P(UnclosedRelocatedMessage, StopsAtItsBankOrTheFilesEnd)
{
    const UnclosedMessage& c = GetParam();
    QByteArray image = resavedSampleRomBytes() + QByteArray(c.appended, char(0x41));
    for (SnesAddress at = kGroupTableAddress;; at += 3) {
        if (quint8(image[rom::fileOffset(at)]) == 0xFF && quint8(image[rom::fileOffset(at) + 1]) == 0xFF) {
            image[rom::fileOffset(at) + 2] = char(c.bank);
            break;
        }
    }
    writeWord(image, kPointerTableAddress + 2 * (kGameMessageCount - 1), c.pointer);
    RomImage rom;
    rom.openInMemory(image, RomImage::Mode::Loading);
    DialogueList list;
    LoadDialogue(rom, list);
    ASSERT_TRUE(list.loaded);
    EXPECT_EQ(list.messages.back().bytes, QByteArray(c.readLength, char(0x41)) + '\0');
    for (const DialogueMessage& message : list.messages)
        EXPECT_LE(message.length(), kMaxMessageLength);
}

INSTANTIATE_TEST_SUITE_P(
    DialogueReader, UnclosedRelocatedMessage,
    testing::Values(UnclosedMessage{"BankEndWithMoreBanksAfter", 0x100000, 0xF0, 0xFFF0, 0x10},
                    UnclosedMessage{"LastByteOfABank", 0x100000, 0xF3, 0xFFFF, 1},
                    UnclosedMessage{"FileEndingInTheMiddleOfTheBank", 0x8000, 0xF0, 0x7FF0, 0x10},
                    UnclosedMessage{"EndOfTheAddressSpace", 0x100000, 0xFF, 0xFFF8, 8}),
    [](const testing::TestParamInfo<UnclosedMessage>& info) { return std::string(info.param.name); });
