#include "records/savedcopy.h"

#include "rom/romimage.h"

#include <algorithm>

namespace tessel {

void writeIfChanged(RomImage& rom, SnesAddress address, std::span<const quint8> now, std::span<const quint8> before)
{
    if (std::ranges::equal(now, before))
        return;
    rom.SeekSnes(address);
    rom.write(now);
}

}  // namespace tessel
