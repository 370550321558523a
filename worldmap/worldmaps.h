#pragma once

#include "rom/addressrange.h"

#include <QString>

#include <memory>
#include <vector>

class RomImage;
class FreeSpace;
struct WorldMap;

// The two world maps, "World of Balance" and "World of Ruin".
class WorldMaps {
public:
    WorldMaps();
    ~WorldMaps();
    WorldMaps(WorldMaps&&) noexcept;
    WorldMaps& operator=(WorldMaps&&) noexcept;

    void load(RomImage& rom);
    // Writes both maps; blocks that outgrow their room go to free space.
    // Refuses (false, with the reason) before writing anything when a block
    // cannot be stored: too long for its length header, or no free run
    // holds it.
    bool save(RomImage& rom, FreeSpace& space, QString* reason);
    // Where the compressed blocks of both maps lie in the file, each
    // through the length its header gives.
    static std::vector<AddressRange> compressedBlocks(RomImage& rom);
    void clear();
    // The maps the document holds, in document order (none until loaded).
    int count() const { return int(maps_.size()); }
    WorldMap* map(int index);
    const WorldMap* map(int index) const;
    QString name(int index) const;

private:
    std::vector<std::unique_ptr<WorldMap>> maps_;
};
