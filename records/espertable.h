#pragma once

#include "records/recordaddresses.h"

#include <array>

namespace tessel {

class RomImage;

// The 27 espers: an 8-byte name and an 11-byte record each. Saved.
struct EsperEntry {
    std::array<quint8, records::kEsperNameWidth> name{};
    std::array<quint8, records::kEsperRecordSize> record{};

    bool operator==(const EsperEntry&) const = default;
};

class EsperTable {
public:
    void load(RomImage& rom);
    void save(RomImage& rom) const;

    std::array<EsperEntry, records::kEsperCount> espers{};
};

}  // namespace tessel
