#include "records/magictable.h"

#include "rom/romimage.h"

namespace tessel {

void MagicTable::load(RomImage& rom)
{
    for (const records::MagicNameRun& run : records::kMagicNameRuns) {
        if (run.first == records::kEsperSpellFirst)
            continue;  // the esper names: the espers hold them
        rom.SeekSnes(run.address);
        for (int i = 0; i < run.count; ++i)
            rom.read(spells[std::size_t(run.first + i)].name.data(), run.width);
    }
    rom.SeekSnes(records::kMagicRecordsAddress);
    for (MagicEntry& spell : spells)
        rom.readInto(spell.record);
    markSaved();
}

void MagicTable::saveChanges(RomImage& rom) const
{
    for (int n = 0; n < records::kMagicCount; ++n) {
        const MagicEntry& now = spells[std::size_t(n)];
        const MagicEntry& before = inFile_.inFile()[std::size_t(n)];
        const std::size_t width = records::isEsperSpell(n) ? 0 : std::size_t(records::magicNameWidth(n));
        writeIfChanged(rom, records::magicNameAddress(n), std::span(now.name).first(width),
                       std::span(before.name).first(width));
        writeIfChanged(rom, records::kMagicRecordsAddress + SnesAddress(n * records::kMagicRecordSize), now.record,
                       before.record);
    }
}

}  // namespace tessel
