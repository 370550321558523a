#include "records/recordaddresses.h"
#include "tools/samplerom/samplegenerators.h"
#include "tools/samplerom/samplenames.h"
#include "tools/samplerom/samplerandom.h"
#include "tools/samplerom/samplerom.h"

namespace tessel {

// Names and the item, shop, esper and magic tables of the sample ROM.
namespace samplegen {

using namespace records;
using samplenames::field;

void writeNames(SampleRom& rom)
{
    QByteArray items;
    for (int i = 0; i < kItemCount; ++i)
        items += field(samplenames::itemName(i), kItemNameWidth);
    rom.place(kItemNamesAddress, items, QStringLiteral("item names"));

    // Spell names 0-84 lie in one run; 54-80 are the esper names.
    QByteArray run1;
    for (int s = 0; s < 54; ++s)
        run1 += field(samplenames::spellName(s), 7);
    rom.place(kMagicNameRuns[0].address, run1, QStringLiteral("spell names 0-53"));
    QByteArray espers;
    for (int e = 0; e < kEsperCount; ++e)
        espers += field(samplenames::esperName(e), kEsperNameWidth);
    rom.place(kEsperNamesAddress, espers, QStringLiteral("esper names"));
    QByteArray run3;
    for (int s = 81; s < 85; ++s)
        run3 += field(samplenames::spellName(s), 10);
    rom.place(kEsperNamesAddress + kEsperCount * kEsperNameWidth, run3, QStringLiteral("spell names 81-84"));
    QByteArray run4;
    for (int s = 85; s < 93; ++s)
        run4 += field(samplenames::spellName(s), 12);
    rom.place(kMagicNameRuns[3].address, run4, QStringLiteral("spell names 85-92"));
    QByteArray run5;
    for (int s = 93; s < 255; ++s)
        run5 += field(samplenames::spellName(s), 10);
    rom.place(kMagicNameRuns[4].address, run5, QStringLiteral("spell names 93-254"));

    QByteArray characters;
    for (int c = 0; c < kCharacterCount; ++c)
        characters += field(samplenames::characterName(c), kCharacterNameWidth);
    rom.place(kCharacterNamesAddress, characters, QStringLiteral("character names"));

    QByteArray monsters, attacks;
    for (int m = 0; m < kMonsterCount; ++m) {
        monsters += field(samplenames::monsterName(m), kMonsterNameWidth);
        attacks += field(samplenames::monsterAttackName(m), kMonsterNameWidth);
    }
    rom.place(kMonsterNamesAddress, monsters, QStringLiteral("monster names"));
    rom.place(kMonsterAttackNamesAddress, attacks, QStringLiteral("monster special-attack names"));

    QByteArray commands;
    for (int c = 0; c < kCommandCount; ++c)
        commands += field(samplenames::commandName(c), kCommandNameWidth);
    rom.place(kCommandNamesAddress, commands, QStringLiteral("battle command names"));
}

namespace {

int itemType(int item)
{
    if (item < 0x50) return 1;  // weapon
    if (item < 0x60) return 3;  // shield
    if (item < 0x80) return 4;  // hat
    if (item < 0xA0) return 2;  // armor
    if (item < 0xB0) return 0;  // tool
    if (item < 0xE7) return 5;  // relic
    return 6;                   // item
}

}  // namespace

void writeItemRecords(SampleRom& rom)
{
    SampleRandom random(0x17E3);
    QByteArray table;
    for (int i = 0; i < kItemCount; ++i) {
        QByteArray r(kItemRecordSize, '\0');
        const int type = itemType(i);
        r[0] = char(type | (type == 6 ? 0x60 : 0) | (i % 11 == 0 ? 0x10 : 0));
        if (type >= 1 && type <= 5) {
            r[1] = char(random.byte());
            r[2] = char(random.byte() & 0x3F);
            for (int b = 5; b <= 13; ++b)
                r[b] = char(random.below(4) == 0 ? random.byte() : 0);
            r[15] = char(random.below(3) == 0 ? 1 << random.below(8) : 0);
            r[16] = char(random.byte());
            r[17] = char(random.byte());
            r[26] = char(random.between(0, 10) | (random.between(0, 10) << 4));
        }
        if (type >= 2 && type <= 5) {
            r[3] = char(random.between(0, 20));
            r[4] = char(random.below(54));
        }
        r[14] = char(type == 6 ? 0x01 : 0x41);
        if (type == 1) {
            r[19] = char(random.byte() & 0xE2);
            r[20] = char(20 + i * 2);
            r[21] = char(150 + random.below(100));
            r[27] = char(random.byte());
        } else if (type >= 2 && type <= 5) {
            r[20] = char(10 + i % 60);
            r[21] = char(5 + i % 40);
        } else if (type == 6) {
            r[19] = char(0x08 | (i % 2 ? 0x10 : 0));
            r[20] = char(50 + (i - 0xE7) * 10);
            r[27] = char(i % 5 == 0 ? random.below(7) : 0xFF);
        } else {
            r[20] = char(100 + i % 50);
            r[21] = char(200);
        }
        const int price = i == 0xFF ? 0 : 10 + ((i * 37) % 200) * 50;
        r[28] = char(price);
        r[29] = char(price >> 8);
        table += r;
    }
    rom.place(kItemRecordsAddress, table, QStringLiteral("item records"));
}

void writeShops(SampleRom& rom)
{
    SampleRandom random(0x5409);
    QByteArray table;
    for (int s = 0; s < kShopCount; ++s) {
        const int title = s % 6;
        table += char(title | (random.below(4) << 4));
        // Weapons, armour, items and relics come from their own ranges.
        const int first = title == 1 ? 0x00 : title == 2 ? 0x50 : title == 4 ? 0xB0 : 0xE7;
        const int span = title == 1 ? 0x50 : title == 2 ? 0x50 : title == 4 ? 0x37 : 0x18;
        for (int slot = 0; slot < 8; ++slot)
            table += char(slot < 2 + s % 7 ? first + random.below(span) : 0xFF);
    }
    rom.place(kShopsAddress, table, QStringLiteral("shops"));
}

void writeEspers(SampleRom& rom)
{
    SampleRandom random(0xE59E);
    QByteArray table;
    for (int e = 0; e < kEsperCount; ++e) {
        for (int k = 0; k < 5; ++k) {
            const bool used = k < 1 + e % 5;
            table += char(used ? random.between(1, 20) : 0);
            table += char(used ? random.below(54) : 0xFF);
        }
        table += char(e % 18 == 17 ? 0xFF : e % 17);
    }
    rom.place(kEsperRecordsAddress, table, QStringLiteral("esper records"));
}

void writeMagicRecords(SampleRom& rom)
{
    SampleRandom random(0x3A61);
    QByteArray table;
    for (int s = 0; s < kMagicCount; ++s) {
        QByteArray r(kMagicRecordSize, '\0');
        r[0] = char(0x21 | (s % 3 == 0 ? 0x08 : 0));
        r[1] = char(s < 27 ? 1 << (s % 8) : 0);
        r[5] = char(1 + s % 60);
        r[6] = char(10 + (s * 13) % 200);
        r[8] = char(50 + s % 50);
        for (int b = 10; b <= 13; ++b)
            r[b] = char(random.below(5) == 0 ? random.byte() : 0);
        table += r;
    }
    rom.place(kMagicRecordsAddress, table, QStringLiteral("magic records"));
}

}  // namespace samplegen

}  // namespace tessel
