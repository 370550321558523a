#include "records/monstertables.h"

#include "rom/romimage.h"

namespace tessel {

namespace {

// The ROM tables of a monster's runs, in the order they are read: each
// table one record after another.
struct MonsterRun {
    SnesAddress address;
    int offset;  // in MonsterEntry::bytes
    int size;
};
constexpr MonsterRun kRuns[] = {
    {records::kMonsterStatsAddress, MonsterEntry::kStatsOffset, records::kMonsterStatsSize},
    {records::kMonsterNamesAddress, MonsterEntry::kNameOffset, records::kMonsterNameWidth},
    {records::kMonsterAttackNamesAddress, MonsterEntry::kAttackNameOffset, records::kMonsterNameWidth},
    {records::kMonsterItemsAddress, MonsterEntry::kItemsOffset, records::kMonsterItemsSize},
};

std::span<const quint8> runOf(const MonsterEntry& m, const MonsterRun& run)
{
    return std::span(m.bytes).subspan(std::size_t(run.offset), std::size_t(run.size));
}

}  // namespace

void MonsterTables::loadMonsters(RomImage& rom)
{
    for (const MonsterRun& run : kRuns) {
        rom.SeekSnes(run.address);
        for (MonsterEntry& m : monsters)
            rom.read(m.bytes.data() + run.offset, run.size);
    }
    markSaved();
}

void MonsterTables::saveChanges(RomImage& rom) const
{
    for (const MonsterRun& run : kRuns)
        for (int n = 0; n < records::kMonsterCount; ++n)
            writeIfChanged(rom, run.address + SnesAddress(n * run.size), runOf(monsters[std::size_t(n)], run),
                           runOf(inFile_.inFile()[std::size_t(n)], run));
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

}  // namespace tessel
