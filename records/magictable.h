#pragma once

#include "records/recordaddresses.h"
#include "records/savedcopy.h"

#include <array>

namespace tessel {

class RomImage;

// The 256 spells: a 12-byte name slot (the name fills its first 7, 10 or
// 12 bytes, spell 255 has none) and a 14-byte record. Spells 54-80 are
// named by the esper names, which the esper table holds: their slots stay
// empty here, so the bytes exist once.
struct MagicEntry {
    std::array<quint8, records::kMagicNameSlot> name{};
    std::array<quint8, records::kMagicRecordSize> record{};

    bool operator==(const MagicEntry&) const = default;
};

// Spells are saved only where they changed (SavedCopy): each name and
// record that differs from what the file holds is written where it was
// read from.
class MagicTable {
public:
    void load(RomImage& rom);
    void saveChanges(RomImage& rom) const;
    // The file now holds the table as it is (after a save went through).
    void markSaved() { inFile_.remember(spells); }
    bool isChanged() const { return inFile_.differs(spells); }

    std::array<MagicEntry, records::kMagicCount> spells{};

private:
    SavedCopy<std::array<MagicEntry, records::kMagicCount>> inFile_;
};

}  // namespace tessel
