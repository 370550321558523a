#pragma once

#include "worldmap/worldmap.h"
#include "worldmap/worldmapaddresses.h"

namespace tessel {

// One world map of the sample ROM, loaded as Open loads it: the common
// input of the map benchmarks.
WorldMap loadSampleWorldMap(const worldmap::MapLayout& layout);

}  // namespace tessel
