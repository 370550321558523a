#include "records/formationtables.h"

#include "rom/romimage.h"

void FormationTables::loadFormations(RomImage& rom)
{
    rom.SeekSnes(records::kFormationRecordsAddress);
    for (FormationEntry& f : formations)
        rom.readInto(f.record);
    rom.SeekSnes(records::kFormationExtrasAddress);
    for (FormationEntry& f : formations)
        rom.readInto(f.extra);
}

void FormationTables::loadSizeTemplates(RomImage& rom)
{
    for (int t = 0; t < records::kSizeTemplateCount; ++t) {
        rom.SeekSnes(records::kSizeTemplatePointersAddress + 2 * t);
        rom.SeekSnes(rom::inBank(records::kSizeTemplateBank, rom.readWord()));
        SizeTemplate& tmpl = sizeTemplates[t];
        tmpl = {};
        // The first entry is always taken; later ones until a zero code or six in all.
        while (tmpl.count < records::kSizeTemplateMaxEntries) {
            SizeTemplateEntry entry;
            entry.code = rom.readWord();
            entry.width = rom.readByte();
            entry.height = rom.readByte();
            if (tmpl.count > 0 && entry.code == 0)
                break;
            tmpl.entries[tmpl.count++] = entry;
        }
    }
}
