#pragma once

#include "records/recordaddresses.h"

#include <array>

class RomImage;

// The 256 spells: a 12-byte name slot (the name fills its first 7, 8, 10 or
// 12 bytes, spell 255 has none) and a 14-byte record.
struct MagicEntry {
    std::array<quint8, records::kMagicNameSlot> name{};
    std::array<quint8, records::kMagicRecordSize> record{};

    bool operator==(const MagicEntry&) const = default;
};

// Spells are saved only where they changed: the table remembers what the
// file holds (as last loaded or saved) and writes back the names and
// records that differ from it, each where it was read from, so that an
// untouched spell table stays in the file byte for byte as it was.
class MagicTable {
public:
    void load(RomImage& rom);
    void saveChanges(RomImage& rom) const;
    // The file now holds the table as it is (after a save went through).
    void markSaved() { inFile_ = spells; }
    bool isChanged() const { return spells != inFile_; }

    std::array<MagicEntry, records::kMagicCount> spells{};

private:
    std::array<MagicEntry, records::kMagicCount> inFile_{};
};
