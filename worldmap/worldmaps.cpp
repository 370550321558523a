#include "worldmap/worldmaps.h"

// World-map decoding is not built yet: nothing is read or written.
void WorldMaps::load(RomImage&) {}

bool WorldMaps::save(RomImage&, FreeSpace&, QString*)
{
    return true;
}

void WorldMaps::clear() {}
