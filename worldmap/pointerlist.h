#pragma once

#include "worldmap/worldmapaddresses.h"

#include <QList>

namespace tessel {

class RomImage;

// The ROM locations of the 3-byte pointers that refer to one compressed
// block; a moved block has all of them rewritten.
class PointerList {
public:
    PointerList() = default;
    explicit PointerList(worldmap::PointerLocations locations);

    const QList<SnesAddress>& locations() const { return locations_; }
    bool isEmpty() const { return locations_.isEmpty(); }
    // Where the block lies now: the address held by the first location.
    SnesAddress target(RomImage& rom) const;
    void writeAll(RomImage& rom, SnesAddress address) const;

private:
    QList<SnesAddress> locations_;
};

}  // namespace tessel
