#include "records/itemtable.h"

#include "rom/romimage.h"

namespace tessel {

void ItemTable::load(RomImage& rom)
{
    rom.SeekSnes(records::kItemNamesAddress);
    for (ItemEntry& item : items)
        rom.readInto(item.name);
    rom.SeekSnes(records::kItemRecordsAddress);
    for (ItemEntry& item : items)
        rom.readInto(item.record);
}

void ItemTable::save(RomImage& rom) const
{
    rom.SeekSnes(records::kItemNamesAddress);
    for (const ItemEntry& item : items)
        rom.write(item.name);
    rom.SeekSnes(records::kItemRecordsAddress);
    for (const ItemEntry& item : items)
        rom.write(item.record);
}

}  // namespace tessel
