#include "records/espertable.h"

#include "rom/romimage.h"

namespace tessel {

void EsperTable::load(RomImage& rom)
{
    rom.SeekSnes(records::kEsperNamesAddress);
    for (EsperEntry& esper : espers)
        rom.readInto(esper.name);
    rom.SeekSnes(records::kEsperRecordsAddress);
    for (EsperEntry& esper : espers)
        rom.readInto(esper.record);
}

void EsperTable::save(RomImage& rom) const
{
    rom.SeekSnes(records::kEsperNamesAddress);
    for (const EsperEntry& esper : espers)
        rom.write(esper.name);
    rom.SeekSnes(records::kEsperRecordsAddress);
    for (const EsperEntry& esper : espers)
        rom.write(esper.record);
}

}  // namespace tessel
