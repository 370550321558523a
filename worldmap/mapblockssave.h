#pragma once

#include "rom/addressrange.h"
#include "worldmap/blockplacement.h"

#include <QString>

#include <vector>

namespace tessel {

class FreeSpace;
class RomImage;
struct WorldMap;

// The three compressed blocks of one world map (tile map, region summary,
// tile graphics) as a save places them: each stays in its room when it
// fits, or moves to free space past the image with every pointer to it
// rewritten.
class MapBlocksSave {
public:
    // Encodes the blocks and finds each a place. Refuses (false, with the
    // reason) when a block compresses too long for its length header or no
    // free run holds it; nothing is written either way.
    bool plan(RomImage& rom, const WorldMap& map, FreeSpace& space, QString* reason);
    // Zeroes the rooms that moved blocks leave.
    void clearVacatedRooms(RomImage& rom) const;
    // Writes the blocks with their pointers, then the map's plain parts.
    void write(RomImage& rom, const WorldMap& map) const;

    // Where the compressed blocks of both maps lie in the file, each
    // through the length its header gives.
    static std::vector<AddressRange> storedBlocks(RomImage& rom);

private:
    std::vector<BlockPlacement> placements_;  // tile map, summary, graphics
};

}  // namespace tessel
