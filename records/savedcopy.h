#pragma once

#include "rom/romaddress.h"

#include <span>

namespace tessel {

class RomImage;

// What the file holds of a table, as it was last loaded or saved. A table
// that is written back only where it changed keeps one: on save it writes
// each record (or name) that differs from this copy at the place it was
// read from, so an untouched table stays in the file byte for byte as it
// was, and changes another program made to it meanwhile survive.
template <class Records>
class SavedCopy {
public:
    void remember(const Records& now) { inFile_ = now; }
    bool differs(const Records& now) const { return now != inFile_; }
    const Records& inFile() const { return inFile_; }

private:
    Records inFile_{};
};

// Writes `now` at `address` when it differs from `before` (of the same length).
void writeIfChanged(RomImage& rom, SnesAddress address, std::span<const quint8> now, std::span<const quint8> before);

}  // namespace tessel
