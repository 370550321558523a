#include "rom/romimage.h"
#include "records/charactertables.h"
#include "records/formationtables.h"
#include "records/magictable.h"
#include "records/monstertables.h"
#include "tests/testsupport.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

RomImage sampleImage(QByteArray bytes = sampleRomBytes())
{
    RomImage rom;
    rom.openInMemory(std::move(bytes), RomImage::Mode::Loading);
    return rom;
}

void putWord(QByteArray& image, SnesAddress address, int value)
{
    image[rom::fileOffset(address)] = char(value);
    image[rom::fileOffset(address) + 1] = char(value >> 8);
}

}  // namespace

TEST(CharacterTables, OnlyTheFirst32CharactersHaveSpritesAndPalettes)
{
    RomImage rom = sampleImage();
    CharacterTables tables;
    tables.load(rom);
    const auto isZero = [](const auto& bytes) {
        return std::all_of(bytes.begin(), bytes.end(), [](quint8 b) { return b == 0; });
    };
    for (int c = 0; c < 32; ++c)
        EXPECT_FALSE(isZero(tables.characters[c].spriteTiles)) << c;
    for (int c = 32; c < 64; ++c) {
        EXPECT_TRUE(isZero(tables.characters[c].spriteTiles)) << c;
        EXPECT_TRUE(isZero(tables.characters[c].palette)) << c;
        EXPECT_EQ(tables.characters[c].paletteNumber, 0) << c;
        EXPECT_FALSE(isZero(tables.characters[c].record)) << c;
    }
    EXPECT_EQ(tables.characters[0].palette, tables.characters[31].palette);
    // The HP table runs straight into the MP table.
    EXPECT_EQ(tables.mpGain[0], quint8(bytesAt(sampleRomBytes(), 0xE6F4A0 + 98, 1)[0]));
}

TEST(CharacterTables, SpriteAddressUsesOnlyTheFirstByteOfEachBankSlot)
{
    QByteArray image = sampleRomBytes();
    image[rom::fileOffset(0xC0D23C + 2 * 5)] = char(0xD6);
    image[rom::fileOffset(0xC0D23C + 2 * 5 + 1)] = char(0x77);
    putWord(image, 0xC0D0F2 + 2 * 5, 0x1234);
    RomImage rom = sampleImage(image);
    EXPECT_EQ(CharacterTables::spriteAddress(rom, 5), 0xD61234u);
}

TEST(FormationTables, SizeTemplatesKeepAZeroFirstCodeAndStopAtSixEntries)
{
    RomImage rom = sampleImage();
    FormationTables tables;
    tables.loadSizeTemplates(rom);
    EXPECT_EQ(tables.sizeTemplates[0].count, 1);
    EXPECT_EQ(tables.sizeTemplates[0].entries[0].code, 0);
    for (int t = 1; t < 12; ++t)
        EXPECT_EQ(tables.sizeTemplates[t].count, 1 + t % 6) << t;
    EXPECT_EQ(tables.sizeTemplates[12].count, 6);
    EXPECT_NE(tables.sizeTemplates[12].entries[5].code, 0);
}

TEST(MagicTable, NamesFollowTheirRunsAndSpell255HasNone)
{
    const QByteArray& image = sampleRomBytes();
    RomImage rom = sampleImage();
    MagicTable magic;
    magic.load(rom);
    const auto nameOf = [&](int spell, int width) {
        return QByteArray(reinterpret_cast<const char*>(magic.spells[spell].name.data()), width);
    };
    EXPECT_EQ(nameOf(0, 7), bytesAt(image, 0xE6F567, 7));
    // Spells 54-80 are named by the esper names, which the esper table holds.
    EXPECT_EQ(nameOf(54, 8), QByteArray(8, '\0'));
    EXPECT_EQ(nameOf(81, 10), bytesAt(image, 0xE6F7B9, 10));
    EXPECT_EQ(nameOf(85, 12), bytesAt(image, 0xCF3C40, 12));
    EXPECT_EQ(nameOf(93, 10), bytesAt(image, 0xE6F831, 10));
    EXPECT_EQ(nameOf(254, 10), bytesAt(image, 0xE6F831 + 161 * 10, 10));
    // The slot beyond a 7-byte name stays zero, and spell 255 has no name.
    EXPECT_EQ(magic.spells[0].name[7], 0);
    EXPECT_EQ(nameOf(255, 12), QByteArray(12, '\0'));
    EXPECT_EQ(records::magicNameWidth(84), 10);
    EXPECT_EQ(records::magicNameWidth(85), 12);
    EXPECT_EQ(records::magicNameWidth(255), 0);
}

TEST(MonsterTables, TemplatesComeThroughTheirBankD2Pointers)
{
    QByteArray image = sampleRomBytes();
    putWord(image, 0xD2A820, 0x8000);
    putWord(image, 0xD2A822, 0x9000);
    image[rom::fileOffset(0xD28000 + 8 * 3)] = char(0x5A);
    image[rom::fileOffset(0xD29000 + 32 * 47 + 31)] = char(0xA5);
    RomImage rom = sampleImage(image);
    MonsterTables tables;
    tables.loadGraphics(rom);
    EXPECT_EQ(tables.templates[3].size, 8);
    EXPECT_EQ(tables.templates[3].data[0], 0x5A);
    EXPECT_EQ(tables.templates[175].size, 32);
    EXPECT_EQ(tables.templates[175].data[31], 0xA5);
    EXPECT_EQ(tables.descriptors[0][5], 0);
}
