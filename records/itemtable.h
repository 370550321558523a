#pragma once

#include "records/recordaddresses.h"

#include <array>

namespace tessel {

class RomImage;

// The 256 items: a 13-byte name and a 30-byte record each, kept as the ROM
// has them. Both tables are saved.
struct ItemEntry {
    std::array<quint8, records::kItemNameWidth> name{};
    std::array<quint8, records::kItemRecordSize> record{};

    bool operator==(const ItemEntry&) const = default;
};

class ItemTable {
public:
    void load(RomImage& rom);
    void save(RomImage& rom) const;

    std::array<ItemEntry, records::kItemCount> items{};
};

}  // namespace tessel
