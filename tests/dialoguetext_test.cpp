#include "text/dialoguetext.h"

#include <gtest/gtest.h>

using namespace tessel;

using namespace dialoguetext;

TEST(DialogueText, CharacterCodes)
{
    EXPECT_EQ(codeFromChar(QLatin1Char('A')), 0x20);
    EXPECT_EQ(codeFromChar(QLatin1Char('a')), 0x3A);
    EXPECT_EQ(codeFromChar(QLatin1Char('0')), 0x54);
    EXPECT_EQ(codeFromChar(QLatin1Char('!')), 0x5E);
    EXPECT_EQ(codeFromChar(QLatin1Char('"')), 0x73);
    EXPECT_EQ(codeFromChar(QLatin1Char('&')), 0x71);
    EXPECT_EQ(codeFromChar(QLatin1Char(' ')), 0x7F);
    EXPECT_EQ(codeFromChar(QLatin1Char('[')), 0);
    for (int code = 0x20; code <= 0x73; ++code)
        EXPECT_EQ(codeFromChar(charFromCode(quint8(code))), code) << code;
    EXPECT_TRUE(charFromCode(0x74).isNull());
}

TEST(DialogueText, PairTableHoldsTheCodesOfItsStrings)
{
    EXPECT_EQ(DialoguePairTable[0], 0x3E);  // "e "
    EXPECT_EQ(DialoguePairTable[1], 0x7F);
    EXPECT_EQ(pairStrings()[0x83 - 0x80], QStringLiteral("th"));
    EXPECT_EQ(pairStrings()[127], QStringLiteral("e_"));
    for (int k = 0; k < kPairCount; ++k) {
        EXPECT_EQ(DialoguePairTable[2 * k], codeFromChar(pairStrings()[k][0])) << k;
        EXPECT_EQ(DialoguePairTable[2 * k + 1], codeFromChar(pairStrings()[k][1])) << k;
    }
}

TEST(DialogueText, CompressionTakesTheFirstPairFromTheLeft)
{
    // "the end" and the end code
    const QByteArray plain = QByteArray::fromHex("4d413e7f3e473d00");
    EXPECT_EQ(PairCompress(plain), QByteArray::fromHex("8380a43d00"));
}

TEST(DialogueText, CompressionLeavesOperandsAlone)
{
    EXPECT_EQ(PairCompress(QByteArray::fromHex("143e3e00")), QByteArray::fromHex("143e3e00"));
    // A list's values and closing code are operands; the text after it pairs again.
    EXPECT_EQ(PairCompress(QByteArray::fromHex("113e7f124d4100")), QByteArray::fromHex("113e7f128300"));
    // The last byte is always copied.
    EXPECT_EQ(PairCompress(QByteArray::fromHex("3e7f")), QByteArray::fromHex("80"));
    EXPECT_EQ(PairCompress(QByteArray::fromHex("3e")), QByteArray::fromHex("3e"));
}

TEST(DialogueText, ExpansionSpellsOutPairsNamesAndPlaceholders)
{
    const QByteArray message = QByteArray::fromHex("8302011914ff113435121320") + QByteArray(1, '\0')
                               + QByteArray::fromHex("5e");
    QByteArray expected = QByteArray::fromHex("4d41");         // "th"
    expected += QByteArray::fromHex("3324313120");             // TERRA
    expected += QByteArray::fromHex("7f");                     // line break
    expected += QByteArray::fromHex("2d342c212431");           // NUMBER
    expected += QByteArray::fromHex("7f20");                   // page break, "A"
    EXPECT_EQ(ExpandForDisplay(message), expected);
}

TEST(DialogueText, GlyphLabelsBlankTheCodesWithoutALabel)
{
    EXPECT_EQ(DialogueGlyphLabel(0x62), QLatin1Char('"'));
    EXPECT_EQ(DialogueGlyphLabel(0x73), QLatin1Char('"'));
    EXPECT_TRUE(DialogueGlyphLabel(0x67).isNull());
    EXPECT_TRUE(DialogueGlyphLabel(0x71).isNull());
    EXPECT_TRUE(DialogueGlyphLabel(0x7F).isNull());
    EXPECT_EQ(DialogueGlyphLabel(0x20), QLatin1Char('A'));
}

TEST(DialogueText, DefaultNamesAndEncodedWords)
{
    EXPECT_EQ(defaultSlotName(1), QStringLiteral("TERRA"));
    EXPECT_EQ(defaultSlotName(14), QStringLiteral("UMARO"));
    EXPECT_TRUE(defaultSlotName(15).isEmpty());
    const std::array<quint8, 6> shadow = {0x32, 0x27, 0x20, 0x23, 0x2E, 0x36};
    EXPECT_EQ(encodedWordForCode(0x05), shadow);
    const std::array<quint8, 6> item = {0x28, 0x33, 0x24, 0x2C, 0, 0};
    EXPECT_EQ(encodedWordForCode(0x1A), item);
}
