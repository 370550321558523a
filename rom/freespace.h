#pragma once

#include "rom/romaddress.h"

// Where a save appends data that no longer fits its place: starts at
// $F0:0000 at every save and only ever moves up, so nothing placed by one
// writer can be overwritten by a later one in the same save.
class FreeSpace {
public:
    void reset() { address_ = rom::kExpansionStart; }
    SnesAddress address() const { return address_; }

    // Moves the address up to `end` when that lies higher.
    void raiseTo(SnesAddress end)
    {
        if (end > address_)
            address_ = end;
    }

    // Reserves size bytes and returns where they start.
    SnesAddress allocate(quint32 size)
    {
        const SnesAddress start = address_;
        address_ += size;
        return start;
    }

    // True once anything was placed at or beyond $100:0000.
    bool exceedsAddressSpace() const { return address_ > rom::kAddressLimit; }

private:
    SnesAddress address_ = rom::kExpansionStart;
};
