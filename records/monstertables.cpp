#include "records/monstertables.h"

#include "rom/romimage.h"

void MonsterTables::loadMonsters(RomImage& rom)
{
    rom.SeekSnes(records::kMonsterStatsAddress);
    for (MonsterEntry& m : monsters)
        rom.readInto(m.stats);
    rom.SeekSnes(records::kMonsterNamesAddress);
    for (MonsterEntry& m : monsters)
        rom.readInto(m.name);
    rom.SeekSnes(records::kMonsterAttackNamesAddress);
    for (MonsterEntry& m : monsters)
        rom.readInto(m.attackName);
    rom.SeekSnes(records::kMonsterItemsAddress);
    for (MonsterEntry& m : monsters)
        rom.readInto(m.items);
}

void MonsterTables::loadPackages(RomImage& rom)
{
    rom.SeekSnes(records::kMonsterPackagesAddress);
    rom.readInto(packages);
}

void MonsterTables::loadGraphics(RomImage& rom)
{
    rom.SeekSnes(records::kMonsterPalettesAddress);
    rom.read(palettes.data(), qint64(palettes.size()));

    rom.SeekSnes(records::kMonsterDescriptorsAddress);
    for (auto& slot : descriptors) {
        slot = {};
        rom.read(slot.data(), records::kMonsterDescriptorSize);
    }

    rom.SeekSnes(records::kSmallTemplatePointerAddress);
    const quint16 small = rom.readWord();
    rom.SeekSnes(records::kLargeTemplatePointerAddress);
    const quint16 large = rom.readWord();
    templates = {};
    rom.SeekSnes(rom::inBank(records::kTemplateBank, small));
    for (int i = 0; i < records::kSmallTemplateCount; ++i) {
        templates[i].size = records::kSmallTemplateSize;
        rom.read(templates[i].data.data(), records::kSmallTemplateSize);
    }
    rom.SeekSnes(rom::inBank(records::kTemplateBank, large));
    for (int i = 0; i < records::kLargeTemplateCount; ++i) {
        MonsterTemplate& t = templates[records::kSmallTemplateCount + i];
        t.size = records::kLargeTemplateSize;
        rom.read(t.data.data(), records::kLargeTemplateSize);
    }

    rom.SeekSnes(records::kMonsterTileDataAddress);
    rom.read(tileData.data(), qint64(tileData.size()));
}
