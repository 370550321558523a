#include "records/recordaddresses.h"
#include "tools/samplerom/samplegenerators.h"
#include "tools/samplerom/samplerandom.h"
#include "tools/samplerom/samplerom.h"

namespace tessel {

// Characters, monster statistics and formations of the sample ROM.
namespace samplegen {

using namespace records;

namespace {

inline constexpr SnesAddress kSpriteTilesStart = 0xD50000;

QByteArray le16(int value)
{
    QByteArray bytes(2, '\0');
    bytes[0] = char(value);
    bytes[1] = char(value >> 8);
    return bytes;
}

// A 4-bit planar 8x8 tile filled from a function of (x, y) -> 0-15.
template <typename PixelFn>
QByteArray planarTile(PixelFn pixel)
{
    QByteArray tile(32, '\0');
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const int v = pixel(x, y);
            for (int plane = 0; plane < 4; ++plane)
                if (v & (1 << plane))
                    tile[(plane < 2 ? 0 : 16) + 2 * y + (plane & 1)] |= char(0x80 >> x);
        }
    return tile;
}

}  // namespace

void writeCharacters(SampleRom& rom)
{
    SampleRandom random(0xC4A2);
    QByteArray records;
    for (int c = 0; c < kCharacterCount; ++c) {
        QByteArray r(kCharacterRecordSize, '\0');
        r[0] = char(30 + random.below(40));
        r[1] = char(random.below(30));
        r[2] = char(0);                           // Fight
        r[3] = char(c < 14 ? 4 + c : 0xFF);       // a signature command
        r[4] = char(c % 4 == 0 ? 0xFF : 2);       // Magic
        r[5] = char(1);                           // Item
        for (int b = 6; b <= 14; ++b)
            r[b] = char(20 + random.below(30));
        r[15] = char(random.below(0x50));          // weapon
        r[16] = char(0x50 + random.below(0x10));   // shield
        r[17] = char(0x60 + random.below(0x20));   // hat
        r[18] = char(0x80 + random.below(0x20));   // body
        r[19] = char(c % 3 == 0 ? 0xFF : 0xB0 + random.below(0x37));
        r[20] = char(0xFF);
        records += r;
    }
    rom.place(kCharacterRecordsAddress, records, QStringLiteral("character records"));

    // Sprite tiles of characters 0-31, and the tables of pointers to them.
    QByteArray banks, offsets;
    for (int c = 0; c < kSpriteCharacterCount; ++c) {
        const SnesAddress address = kSpriteTilesStart + quint32(c) * kSpriteTilesSize;
        banks += char(address >> 16);
        banks += char(0);
        offsets += le16(int(address & 0xFFFF));
        QByteArray tiles;
        while (tiles.size() < kSpriteTilesSize)
            tiles += planarTile([&](int x, int y) {
                const int dx = x - 4, dy = y - 4;
                return dx * dx + dy * dy < 10 + c % 6 ? 1 + (x + y + c + int(tiles.size() / 32)) % 15 : 0;
            });
        tiles.truncate(kSpriteTilesSize);
        rom.place(address, tiles, QStringLiteral("sprite tiles %1").arg(c));
    }
    rom.place(kSpriteBankTableAddress, banks, QStringLiteral("sprite banks"));
    rom.place(kSpriteOffsetTableAddress, offsets, QStringLiteral("sprite offsets"));

    QByteArray palette;
    for (int i = 0; i < kCharacterPaletteSize / 2; ++i)
        palette += le16((i * 2) % 32 | ((i * 5) % 32) << 5 | ((31 - i % 32) << 10));
    rom.place(kCharacterPaletteAddress, palette, QStringLiteral("character palettes"));

    QByteArray paletteNumbers;
    for (int c = 0; c < kSpriteCharacterCount; ++c)
        paletteNumbers += char(c % 6);
    rom.place(kCharacterPaletteNumbersAddress, paletteNumbers, QStringLiteral("character palette numbers"));

    QByteArray gains;
    for (int level = 0; level < kLevelGainCount; ++level)
        gains += char(10 + level / 4 + random.below(6));  // HP
    for (int level = 0; level < kLevelGainCount; ++level)
        gains += char(2 + level / 10 + random.below(3));  // MP
    rom.place(kLevelGainsAddress, gains, QStringLiteral("level gains"));
}

void writeMonsterStats(SampleRom& rom)
{
    SampleRandom random(0x305C);
    QByteArray stats, items;
    for (int m = 0; m < kMonsterCount; ++m) {
        const int level = 1 + m * 98 / kMonsterCount;
        QByteArray s(kMonsterStatsSize, '\0');
        s[0] = char(5 + level / 2 + random.below(10));
        s[1] = char(20 + random.below(40));
        s[2] = char(100 + random.below(50));
        s[3] = char(random.below(40));
        s[4] = char(random.below(30));
        s[5] = char(level + random.below(60));
        s[6] = char(level + random.below(60));
        s[7] = char(1 + level / 3 + random.below(8));
        const int hp = 20 + level * level * 3 + random.below(100);
        const int mp = level * 10 + random.below(50);
        s.replace(8, 2, le16(hp));
        s.replace(10, 2, le16(mp));
        s.replace(12, 2, le16(level * 12 + random.below(40)));
        s.replace(14, 2, le16(level * 8 + random.below(30)));
        s[16] = char(level);
        s[17] = char(random.below(26) | (random.below(8) << 5));
        s[23] = char(random.below(4) == 0 ? 1 << random.below(8) : 0);
        s[24] = char(random.below(4) == 0 ? 1 << random.below(8) : 0);
        s[25] = char(random.below(2) == 0 ? 1 << random.below(8) : 0);
        for (int b = 27; b <= 30; ++b)
            s[b] = char(random.below(6) == 0 ? 1 << random.below(8) : 0);
        stats += s;
        for (int slot = 0; slot < 4; ++slot)
            items += char(random.below(3) == 0 ? 0xFF : 0xE7 + random.below(0x18));
    }
    rom.place(kMonsterStatsAddress, stats, QStringLiteral("monster statistics"));
    rom.place(kMonsterItemsAddress, items, QStringLiteral("monster item slots"));

    QByteArray packages;
    for (int p = 0; p < kMonsterPackagesSize; ++p)
        packages += char(random.below(0xFF));
    rom.place(kMonsterPackagesAddress, packages, QStringLiteral("metamorphosis packages"));
}

void writeFormations(SampleRom& rom)
{
    SampleRandom random(0xF0E7);
    QByteArray records, extras;
    for (int f = 0; f < kFormationCount; ++f) {
        QByteArray r(kFormationRecordSize, '\0');
        const int templateNumber = f % kSizeTemplateCount;
        const int count = 1 + f % 6;
        r[0] = char(templateNumber << 4);
        r[1] = char((1 << count) - 1);
        int high = 0;
        for (int k = 0; k < 6; ++k) {
            const int monster = (f * 3 + k * 17 + random.below(5)) % kMonsterCount;
            r[2 + k] = char(monster & 0xFF);
            high |= (monster >> 8) << k;
            r[8 + k] = char(((1 + (k % 3) * 4) << 4) | (2 + (k / 3) * 5));
        }
        r[14] = char(high);
        records += r;
        extras += char(random.below(16) | (random.below(16) << 4));
        extras += char(random.below(2) | (f % 20 == 0 ? 0x80 : 0));
        extras += char(random.byte());
        extras += char((random.below(6) << 3) | (f % 9 == 0 ? 0x80 : 0) | (random.below(2) << 2));
    }
    rom.place(kFormationRecordsAddress, records, QStringLiteral("formation records"));
    rom.place(kFormationExtrasAddress, extras, QStringLiteral("formation extras"));

    // Size templates: each a list of {code, width, height} ended by a zero code.
    // Template 0 starts with a zero code; template 12 runs on past six entries.
    QByteArray pointers, lists;
    const SnesAddress listStart = kSizeTemplatePointersAddress + 2 * kSizeTemplateCount;
    for (int t = 0; t < kSizeTemplateCount; ++t) {
        pointers += le16(int((listStart + lists.size()) & 0xFFFF));
        const int entries = t == 12 ? 8 : 1 + t % 6;
        for (int e = 0; e < entries; ++e) {
            lists += le16(t == 0 && e == 0 ? 0 : 0x2000 + t * 0x100 + e * 0x11);
            lists += char(4 + (e + t) % 5);
            lists += char(4 + (e * 2 + t) % 5);
        }
        if (t != 12)
            lists += QByteArray(4, '\0');
    }
    rom.place(kSizeTemplatePointersAddress, pointers, QStringLiteral("size template pointers"));
    rom.place(listStart, lists, QStringLiteral("size templates"));
}

}  // namespace samplegen

}  // namespace tessel
