#include "text/dialogueaddresses.h"
#include "text/dialoguelayout.h"

#include <gtest/gtest.h>

using namespace tessel;

using namespace dialogue;

namespace {

const std::vector<quint8> kExpansionBanks = [] {
    std::vector<quint8> banks;
    for (int bank = 0xF0; bank <= 0xFF; ++bank)
        banks.push_back(quint8(bank));
    return banks;
}();

std::optional<DialogueLayout> layOut(const std::vector<quint32>& lengths, QString* reason = nullptr)
{
    QString ignored;
    return layOutDialogue(lengths, kExpansionBanks, reason ? reason : &ignored);
}

}  // namespace

TEST(DialogueLayout, BankEndsAndTheTextAreaLimit)
{
    // A message that would end exactly at a bank boundary moves on.
    std::optional<DialogueLayout> layout = layOut({0x100, 0x100, 0x7E00, 0x8000, 10});
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->address(2), 0xCD0200u);
    EXPECT_EQ(layout->address(3), 0xCE0000u);
    EXPECT_EQ(layout->address(4), 0xCE8000u);
    ASSERT_EQ(layout->groups.size(), 2u);
    EXPECT_EQ(layout->groups[0].bound, 3);
    EXPECT_EQ(layout->groups[0].bank, 0xCD);
    EXPECT_EQ(layout->groups[1].bound, 0xFFFF);
    EXPECT_EQ(layout->groups[1].bank, 0xCE);
    EXPECT_EQ(layout->endPointer, 0x800A);
    EXPECT_FALSE(layout->overflowed());

    // The unused tail of bank $CD counts: nothing reaches $CE:F000.
    layout = layOut({0x100, 0x8F00, 0x8000, 0x100, 0x7000, 0x100});
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->address(2), 0xCE0000u);
    EXPECT_EQ(layout->address(3), 0xCE8000u);
    EXPECT_EQ(layout->address(4), 0xF00000u);  // $CE:8100 + 0x7000 would pass the limit
    EXPECT_EQ(layout->address(5), 0xF07000u);
    EXPECT_EQ(layout->overflowEnd, 0xF07100u);
    ASSERT_EQ(layout->groups.size(), 3u);
    EXPECT_EQ(layout->groups[1].bound, 4);
    EXPECT_EQ(layout->groups[1].bank, 0xCE);

    // Overflowing text never restarts at the first overflow bank.
    const std::vector<quint32> many(12, 0x7000);
    layout = layOut(many);
    ASSERT_TRUE(layout);
    std::vector<SnesAddress> starts;
    for (std::size_t i = 0; i < many.size(); ++i)
        starts.push_back(layout->address(i));
    EXPECT_TRUE(std::is_sorted(starts.begin(), starts.end()));
    EXPECT_EQ(layout->groups.back().bank, 0xF3);
}

TEST(DialogueLayout, AMessageAloneAtABankStartKeepsAPointerOfItsOwn)
{
    // Otherwise message 0 would share pointer 0 with message 1 and read as empty.
    std::optional<DialogueLayout> layout = layOut({0xC000, 0xC000, 0});
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->address(0), 0xCD0000u);
    EXPECT_EQ(layout->address(1), 0xCE0001u);

    // Empty messages before the bank change go to the new bank with their
    // pointer, so the message before them keeps its whole bank to read in.
    layout = layOut({40000, 0, 0, 40000, 5});
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->groups[0].bound, 1);
    EXPECT_EQ(layout->groups[0].bank, 0xCD);
    for (std::size_t i : {1u, 2u, 3u}) {
        EXPECT_EQ(layout->pointers[i], 1) << i;
        EXPECT_EQ(layout->banks[i], 0xCE) << i;
    }

    // The longest message fits even at offset 1; the one after moves on.
    layout = layOut({kMaxMessageLength, kMaxMessageLength, 1});
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->address(1), 0xF00001u);
    EXPECT_EQ(layout->address(2), 0xF10000u);
    EXPECT_EQ(layout->overflowEnd, 0xF10001u);
}

TEST(DialogueLayout, TextThatCannotBeLaidOutIsRefusedWithAReason)
{
    QString reason;
    EXPECT_FALSE(layOut(std::vector<quint32>(300, 0x7000), &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_FALSE(layOut({1, kMaxMessageLength + 1}, &reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("0001"))) << reason.toStdString();
    EXPECT_FALSE(layOut(std::vector<quint32>(kMaxMessageCount + 1, 1), &reason));

    // With only one overflow bank, the text that finds no bank is named.
    const std::vector<quint8> oneBank = {0xF0};
    EXPECT_FALSE(layOutDialogue({0xF000, 0xF000, 0xF000, 0x100}, oneBank, &reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("61696 bytes"))) << reason.toStdString();
}
