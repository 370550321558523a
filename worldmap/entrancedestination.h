#pragma once

#include "worldmap/maptrigger.h"

#include <QtGlobal>

namespace tessel {

// Where an entrance trigger leads, decoded from its four data bytes: the
// destination word (bits 0-8 the map, bit 11 "show the name", bits 12-13
// the facing) and the destination column and row.
struct EntranceDestination {
    static constexpr int kMapMask = 0x1FF;
    static constexpr int kMaxMap = kMapMask;
    static constexpr quint16 kShowNameBit = 0x800;
    static constexpr int kFacingShift = 12;
    // The two world maps an entrance may lead back to.
    static constexpr int kWorldOfBalance = 0;
    static constexpr int kWorldOfRuin = 1;

    enum Facing { Up, Right, Down, Left };

    int map = 0;
    quint8 x = 0;
    quint8 y = 0;
    Facing facing = Up;
    bool showName = false;

    static EntranceDestination of(const MapTrigger& trigger);
    // The four data bytes with the destination word rebuilt from the
    // fields alone: bits 9, 10, 14 and 15 become 0.
    quint32 data() const;

    // "Up", "Right", "Down", "Left".
    static const char* facingName(Facing facing);
    // The world map (0 or 1) the entrance leads to, or -1 for any other map.
    int worldMap() const { return map == kWorldOfBalance || map == kWorldOfRuin ? map : -1; }
};

}  // namespace tessel
