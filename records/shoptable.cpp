#include "records/shoptable.h"

#include "rom/romimage.h"

namespace tessel {

void ShopTable::load(RomImage& rom)
{
    rom.SeekSnes(records::kShopsAddress);
    rom.readInto(bytes);
}

void ShopTable::save(RomImage& rom) const
{
    rom.SeekSnes(records::kShopsAddress);
    rom.write(bytes);
}

}  // namespace tessel
