#include "records/magictable.h"

#include "rom/romimage.h"

void MagicTable::load(RomImage& rom)
{
    // The first three runs lie back to back; the other two have their own places.
    const SnesAddress runStarts[] = {records::kMagicNamesRun1Address, 0, 0,
                                     records::kMagicNamesRun4Address, records::kMagicNamesRun5Address};
    int runIndex = 0;
    for (const records::MagicNameRun& run : records::kMagicNameRuns) {
        if (runStarts[runIndex] != 0)
            rom.SeekSnes(runStarts[runIndex]);
        for (int i = 0; i < run.count; ++i)
            rom.read(spells[run.first + i].name.data(), run.width);
        ++runIndex;
    }
    rom.SeekSnes(records::kMagicRecordsAddress);
    for (MagicEntry& spell : spells)
        rom.readInto(spell.record);
}
