#include "records/magictable.h"

#include "rom/romimage.h"

#include <algorithm>

void MagicTable::load(RomImage& rom)
{
    for (const records::MagicNameRun& run : records::kMagicNameRuns) {
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
        const MagicEntry& before = inFile_[std::size_t(n)];
        const int width = records::magicNameWidth(n);
        if (!std::equal(now.name.begin(), now.name.begin() + width, before.name.begin())) {
            rom.SeekSnes(records::magicNameAddress(n));
            rom.write(now.name.data(), width);
        }
        if (now.record != before.record) {
            rom.SeekSnes(records::kMagicRecordsAddress + SnesAddress(n * records::kMagicRecordSize));
            rom.write(now.record);
        }
    }
}
