#include "tools/samplerom/samplemaploader.h"

#include "rom/romimage.h"
#include "tools/samplerom/samplerom.h"

namespace tessel {

WorldMap loadSampleWorldMap(const worldmap::MapLayout& layout)
{
    RomImage rom;
    rom.openInMemory(buildSampleRom(), RomImage::Mode::Loading);
    WorldMap map;
    map.load(rom, layout);
    return map;
}

}  // namespace tessel
