#include "text/menutext.h"
#include "text/textoptions.h"

#include <gtest/gtest.h>

using namespace tessel;

using namespace menutext;

TEST(MenuText, DecodingTreatsPaddingAsSpaceButNotTheInnerSpaceCode)
{
    const quint8 field[] = {0xC7, 0x80, 0xFE, 0x81, 0xFF, 0xFF};
    EXPECT_EQ(DecodeMenuText(field, 6), QStringLiteral("_A") + QChar(0xC6) + QStringLiteral("B  "));
}

TEST(MenuText, DecodingCoversLettersDigitsPunctuationAndSymbols)
{
    const quint8 field[] = {0x99, 0x9A, 0xB3, 0xB4, 0xBD, 0xC2, 0xD7, 0xD3, 0xD8, 0xEA};
    EXPECT_EQ(DecodeMenuText(field, 10), QStringLiteral("Zaz09\"$@") + QChar(0xA0) + QChar(0xB2));
    // Codes without a character produce nothing.
    const quint8 silent[] = {0x00, 0x7F, 0xD0, 0xD1, 0xD4, 0xD5, 0xD6};
    EXPECT_TRUE(DecodeMenuText(silent, 7).isEmpty());
    // The one known option changes nothing.
    const quint32 options[] = {kOptionIgnored, 5, 0};
    EXPECT_EQ(DecodeMenuText(field, 3, options), QStringLiteral("Zaz"));
}

TEST(MenuText, CodesFromTypedCharacters)
{
    EXPECT_EQ(MenuCodeFromChar(QLatin1Char('A')), 0x80);
    EXPECT_EQ(MenuCodeFromChar(QLatin1Char('z')), 0xB3);
    EXPECT_EQ(MenuCodeFromChar(QLatin1Char('9')), 0xBD);
    EXPECT_EQ(MenuCodeFromChar(QLatin1Char(' ')), 0xFE);
    EXPECT_EQ(MenuCodeFromChar(QLatin1Char('"')), 0xC2);
    EXPECT_EQ(MenuCodeFromChar(QLatin1Char('$')), 0xD7);
    EXPECT_EQ(MenuCodeFromChar(QChar(165)), 0xDD);  // Rod
    EXPECT_EQ(MenuCodeFromChar(QChar(255)), 0x37);  // wraps modulo 256
    EXPECT_EQ(MenuCodeFromChar(QLatin1Char('[')), 0);
    EXPECT_EQ(MenuCodeFromChar(QChar(0x20AC)), 0);
}

TEST(MenuText, EveryCharacterDecodesBackToItself)
{
    for (int code = 0x80; code < 0xFE; ++code) {
        const quint8 byte = quint8(code);
        const QString text = DecodeMenuText(&byte, 1);
        if (text.isEmpty())
            continue;
        EXPECT_EQ(MenuCodeFromChar(text[0]), code) << code;
    }
}

TEST(MenuText, GlyphLabelsDifferFromTheTextTableWhereTheEditorsNeedIt)
{
    EXPECT_EQ(MenuGlyphLabel(0x80), QLatin1Char('A'));
    EXPECT_EQ(MenuGlyphLabel(0xD7), QLatin1Char('"'));
    EXPECT_EQ(MenuGlyphLabel(0xC2), QLatin1Char('"'));
    EXPECT_EQ(MenuGlyphLabel(0xC7), QChar(0xC7));
    EXPECT_EQ(MenuGlyphLabel(0xD0), QChar(0xD0));
    EXPECT_EQ(MenuGlyphLabel(0xFF), QChar(0xFF));
}

TEST(MenuText, ListingNamesSpellOutCodesWithoutACharacter)
{
    const quint8 field[] = {0x80, 0xFE, 0x81, 0xD8, 0x10, 0xFF};
    EXPECT_EQ(DecodeListingName(field, 6), QStringLiteral("A B<D8><10> "));
}

TEST(MenuText, EncodingPadsAndDropsTrailingSpaces)
{
    EXPECT_EQ(EncodeMenuText(QStringLiteral("Ab c "), 7), QByteArray::fromHex("809bfe9cffffff"));
    EXPECT_EQ(EncodeMenuText(QStringLiteral("Longer than six"), 6), QByteArray::fromHex("8ba8a7a09eab"));
}

TEST(MenuText, SymbolMenuListsNineteenSymbolsInMenuOrder)
{
    int symbols = 0;
    for (int i = 0; i < kSymbolMenuSize; ++i)
        if (kSymbolMenu[i].name)
            ++symbols;
    EXPECT_EQ(symbols, 19);
    EXPECT_STREQ(kSymbolMenu[10].name, "Brush");
    EXPECT_EQ(kSymbolMenu[10].character, 173);
    EXPECT_EQ(kSymbolMenu[12].name, nullptr);
}

TEST(TextOptions, FindsKeysUntilTheZeroKey)
{
    const quint32 options[] = {0x83000001, 2, 0x83000002, 7, 0, 0x83000003, 9};
    bool found = false;
    EXPECT_EQ(textoptions::find(options, 0x83000002, 0, &found), 7u);
    EXPECT_TRUE(found);
    EXPECT_EQ(textoptions::find(options, 0x83000003, 4, &found), 4u);
    EXPECT_FALSE(found);
    EXPECT_EQ(textoptions::find(nullptr, 0x83000001, 1), 1u);
}
