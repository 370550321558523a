#pragma once

#include "rom/romaddress.h"

namespace tessel {

// Where the game keeps the records that the data editors show.
namespace records {

// Items
inline constexpr SnesAddress kItemNamesAddress = 0xD2B300;
inline constexpr SnesAddress kItemRecordsAddress = 0xD85000;
inline constexpr int kItemCount = 256;
inline constexpr int kItemNameWidth = 13;
inline constexpr int kItemRecordSize = 30;

// Shops
inline constexpr SnesAddress kShopsAddress = 0xC47AC0;
inline constexpr int kShopCount = 128;
inline constexpr int kShopRecordSize = 9;
inline constexpr int kShopTableSize = kShopCount * kShopRecordSize;  // 0x480

// Espers
inline constexpr SnesAddress kEsperNamesAddress = 0xE6F6E1;
inline constexpr SnesAddress kEsperRecordsAddress = 0xD86E00;
inline constexpr int kEsperCount = 27;
inline constexpr int kEsperNameWidth = 8;
inline constexpr int kEsperRecordSize = 11;

// Magic: names in five runs of different widths, then 256 records.
inline constexpr SnesAddress kMagicRecordsAddress = 0xC46AC0;
inline constexpr int kMagicCount = 256;
inline constexpr int kMagicNameSlot = 12;
inline constexpr int kMagicRecordSize = 14;

struct MagicNameRun {
    int first;   // first record number
    int count;
    int width;   // bytes per name
    SnesAddress address;
};
// The first three runs lie back to back; spells 54-80 are the esper names.
inline constexpr MagicNameRun kMagicNameRuns[] = {
    {0, 54, 7, 0xE6F567}, {54, 27, 8, 0xE6F6E1}, {81, 4, 10, 0xE6F7B9}, {85, 8, 12, 0xCF3C40}, {93, 162, 10, 0xE6F831},
};
inline constexpr int kEsperSpellFirst = 54;
// Spells 54-80 are named by the esper names.
constexpr bool isEsperSpell(int spell)
{
    return spell >= kEsperSpellFirst && spell < kEsperSpellFirst + kEsperCount;
}

// The run that holds spell n's name, or null for spell 255, which has none.
constexpr const MagicNameRun* magicNameRun(int spell)
{
    for (const MagicNameRun& run : kMagicNameRuns)
        if (spell >= run.first && spell < run.first + run.count)
            return &run;
    return nullptr;
}
// Width of spell n's name (0 for spell 255).
constexpr int magicNameWidth(int spell)
{
    const MagicNameRun* run = magicNameRun(spell);
    return run ? run->width : 0;
}
// Where spell n's name lies in the ROM (0 for spell 255).
constexpr SnesAddress magicNameAddress(int spell)
{
    const MagicNameRun* run = magicNameRun(spell);
    return run ? run->address + SnesAddress((spell - run->first) * run->width) : 0;
}
static_assert(magicNameAddress(kEsperSpellFirst) == kEsperNamesAddress);

// Items and espers teach spells 0-53 only.
inline constexpr int kItemSpellCount = 54;

// Characters
inline constexpr SnesAddress kCharacterRecordsAddress = 0xED7CA0;
inline constexpr SnesAddress kCharacterNamesAddress = 0xC478C0;
inline constexpr SnesAddress kSpriteBankTableAddress = 0xC0D23C;
inline constexpr SnesAddress kSpriteOffsetTableAddress = 0xC0D0F2;
inline constexpr SnesAddress kCharacterPaletteAddress = 0xED1D00;
inline constexpr SnesAddress kCharacterPaletteNumbersAddress = 0xC2CE2B;
inline constexpr SnesAddress kLevelGainsAddress = 0xE6F4A0;  // HP table, MP table right after
inline constexpr SnesAddress kCommandNamesAddress = 0xD8CEA0;
inline constexpr int kCharacterCount = 64;
inline constexpr int kSpriteCharacterCount = 32;  // sprites, palettes: characters 0-31 only
inline constexpr int kCharacterRecordSize = 22;
inline constexpr int kCharacterNameWidth = 6;
inline constexpr int kSpriteTilesSize = 0x16A0;
inline constexpr int kCharacterPaletteSize = 128;
inline constexpr int kLevelGainCount = 98;
inline constexpr int kCommandCount = 32;
inline constexpr int kCommandNameWidth = 7;

// Monsters
inline constexpr SnesAddress kMonsterStatsAddress = 0xCF0000;
inline constexpr SnesAddress kMonsterNamesAddress = 0xCFC050;
inline constexpr SnesAddress kMonsterAttackNamesAddress = 0xCFD0D0;
inline constexpr SnesAddress kMonsterItemsAddress = 0xCF3000;
inline constexpr SnesAddress kMonsterPackagesAddress = 0xC47F40;
inline constexpr SnesAddress kMonsterTileDataAddress = 0xE97000;
inline constexpr SnesAddress kMonsterDescriptorsAddress = 0xD27000;
inline constexpr SnesAddress kMonsterPalettesAddress = 0xD27820;
inline constexpr SnesAddress kSmallTemplatePointerAddress = 0xD2A820;
inline constexpr SnesAddress kLargeTemplatePointerAddress = 0xD2A822;
inline constexpr quint8 kTemplateBank = 0xD2;
inline constexpr int kMonsterCount = 384;
inline constexpr int kMonsterNameWidth = 10;
inline constexpr int kMonsterStatsSize = 32;
inline constexpr int kMonsterItemsSize = 4;
inline constexpr int kMonsterPackagesSize = 104;
inline constexpr int kMonsterTileDataSize = 0x38000;
inline constexpr int kMonsterDescriptorSize = 5;
inline constexpr int kMonsterPalettesSize = 0x3000;
inline constexpr int kSmallTemplateCount = 128;
inline constexpr int kSmallTemplateSize = 8;
inline constexpr int kLargeTemplateCount = 48;
inline constexpr int kLargeTemplateSize = 32;

// Formations
inline constexpr SnesAddress kFormationRecordsAddress = 0xCF6200;
inline constexpr SnesAddress kFormationExtrasAddress = 0xCF5900;
inline constexpr SnesAddress kSizeTemplatePointersAddress = 0xC2D01A;
inline constexpr quint8 kSizeTemplateBank = 0xC2;
inline constexpr int kFormationCount = 576;
inline constexpr int kFormationRecordSize = 15;
inline constexpr int kFormationExtraSize = 4;
inline constexpr int kSizeTemplateCount = 13;
inline constexpr int kSizeTemplateMaxEntries = 6;

}  // namespace records

}  // namespace tessel
