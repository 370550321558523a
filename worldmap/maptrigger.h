#pragma once

#include <QtGlobal>

namespace tessel {

// A trigger on a map cell. Entrance triggers move the party to another
// map; event triggers run a piece of the game's event code.
struct MapTrigger {
    enum Kind { Entrance = 1, Event = 2 };
    // Set for every trigger read from the ROM; a trigger with it set marks
    // its 4 x 4 block in the region summary.
    static constexpr int kMarksRegion = 0x01;

    int kind = Entrance;
    int flags = kMarksRegion;
    quint8 x = 0;
    quint8 y = 0;
    // Entrance: the four destination bytes as stored (little-endian);
    // event: the 24-bit event address.
    quint32 data = 0;

    bool marksRegion() const { return flags & kMarksRegion; }
};

}  // namespace tessel
