#include "records/formationtables.h"

#include "rom/romimage.h"

namespace tessel {

void FormationTables::loadFormations(RomImage& rom)
{
    rom.SeekSnes(records::kFormationRecordsAddress);
    for (FormationEntry& f : formations)
        rom.read(f.record().data(), records::kFormationRecordSize);
    rom.SeekSnes(records::kFormationExtrasAddress);
    for (FormationEntry& f : formations)
        rom.read(f.extra().data(), records::kFormationExtraSize);
    markSaved();
}

void FormationTables::saveChanges(RomImage& rom) const
{
    for (int n = 0; n < records::kFormationCount; ++n) {
        const FormationEntry& now = formations[std::size_t(n)];
        const FormationEntry& before = inFile_.inFile()[std::size_t(n)];
        writeIfChanged(rom, records::kFormationRecordsAddress + SnesAddress(n * records::kFormationRecordSize),
                       now.record(), before.record());
        writeIfChanged(rom, records::kFormationExtrasAddress + SnesAddress(n * records::kFormationExtraSize),
                       now.extra(), before.extra());
    }
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

}  // namespace tessel
