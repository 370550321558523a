#include "worldmap/pointerlist.h"

#include "rom/romimage.h"

namespace tessel {

PointerList::PointerList(worldmap::PointerLocations locations)
{
    locations_.append(locations.first);
    if (locations.second)
        locations_.append(locations.second);
}

SnesAddress PointerList::target(RomImage& rom) const
{
    return locations_.isEmpty() ? 0 : rom.ReadPointer24(locations_.first());
}

void PointerList::writeAll(RomImage& rom, SnesAddress address) const
{
    for (SnesAddress location : locations_) {
        rom.SeekSnes(location);
        rom.writePointer24(address);
    }
}

}  // namespace tessel
