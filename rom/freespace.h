#pragma once

#include "rom/addressrange.h"

#include <optional>
#include <vector>

namespace tessel {

// Where a save may put data past the 3 MB image, as runs of free addresses
// between $F0:0000 and $FF:FFFF. Data placed is taken out of the runs, so
// nothing placed by one writer can be overwritten by a later one in the
// same save.
class FreeSpace {
public:
    // The whole area free, as for a file that ends with the image.
    FreeSpace();
    // The given runs free (sorted, not overlapping).
    explicit FreeSpace(std::vector<AddressRange> runs);

    const std::vector<AddressRange>& runs() const { return runs_; }
    // The banks whose every byte is free, lowest first.
    std::vector<quint8> wholeFreeBanks() const;
    // Takes the addresses of `range` that are free out of the runs.
    void take(AddressRange range);
    // Takes `size` bytes from the start of the lowest run that holds them.
    std::optional<SnesAddress> allocate(quint32 size);
    quint32 largestRun() const;
    quint32 totalSize() const;
    // The end of the highest data placed since construction; $F0:0000
    // when none was.
    SnesAddress dataEnd() const { return dataEnd_; }

private:
    std::vector<AddressRange> runs_;
    SnesAddress dataEnd_ = rom::kExpansionStart;
};

}  // namespace tessel
