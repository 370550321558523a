#pragma once

#include <QString>

class RomImage;
class FreeSpace;

// The two world maps, "World of Balance" and "World of Ruin".
class WorldMaps {
public:
    void load(RomImage& rom);
    // Writes both maps; blocks that outgrow their room go to free space.
    bool save(RomImage& rom, FreeSpace& space, QString* reason);
    void clear();
    int count() const { return 0; }
};
