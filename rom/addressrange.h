#pragma once

#include "rom/romaddress.h"

namespace tessel {

// The addresses from start up to, not including, end.
struct AddressRange {
    SnesAddress start = 0;
    SnesAddress end = 0;

    quint32 size() const { return end > start ? end - start : 0; }
    bool isEmpty() const { return end <= start; }
    bool contains(SnesAddress address) const { return address >= start && address < end; }
    bool operator==(const AddressRange&) const = default;
};

}  // namespace tessel
