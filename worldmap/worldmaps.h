#pragma once

#include <QString>

class RomImage;
class FreeSpace;
struct WorldMap;

// The two world maps, "World of Balance" and "World of Ruin".
class WorldMaps {
public:
    void load(RomImage& rom);
    // Writes both maps; blocks that outgrow their room go to free space.
    bool save(RomImage& rom, FreeSpace& space, QString* reason);
    void clear();
    // The maps the document holds, in document order (none until loaded).
    int count() const { return 0; }
    WorldMap* map(int) { return nullptr; }
    QString name(int) const { return QString(); }
};
