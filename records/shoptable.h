#pragma once

#include "records/recordaddresses.h"

#include <array>

namespace tessel {

class RomImage;

// The 128 shops of 9 bytes, read and written as one block.
class ShopTable {
public:
    void load(RomImage& rom);
    void save(RomImage& rom) const;

    quint8* shop(int index) { return bytes.data() + index * records::kShopRecordSize; }
    const quint8* shop(int index) const { return bytes.data() + index * records::kShopRecordSize; }

    std::array<quint8, records::kShopTableSize> bytes{};
};

}  // namespace tessel
