#pragma once

#include "records/recordaddresses.h"

#include <array>

class RomImage;

// The 256 spells: a 12-byte name slot (the name fills its first 7, 8, 10 or
// 12 bytes, spell 255 has none) and a 14-byte record. Not saved.
struct MagicEntry {
    std::array<quint8, records::kMagicNameSlot> name{};
    std::array<quint8, records::kMagicRecordSize> record{};
};

class MagicTable {
public:
    void load(RomImage& rom);

    std::array<MagicEntry, records::kMagicCount> spells{};
};
