#pragma once

#include "worldmap/lzload.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessel {

// Where the runs of equal bytes in the encoder's input end: one bit per
// position, set where a byte differs from the next (the last byte always
// counts as differing). Built once per input, sixteen bytes at a time
// where the processor allows, it answers "how long is the run from here"
// with a load and a bit count instead of a loop whose length the data
// decides.
class LzRunEnds {
public:
    // The most a run length reads: a longer run reads as this.
    static constexpr std::size_t kReach = 57;

    LzRunEnds(const std::uint8_t* data, std::size_t size);

    // How many bytes from `position` (below the size) equal the one
    // there, counting at most kReach.
    std::size_t runLength(std::size_t position) const
    {
        const std::uint64_t ends = bitsAt(position) | std::uint64_t(1) << (kReach - 1);
        return std::size_t(std::countr_zero(ends)) + 1;
    }

private:
    // Bit i: the byte at position + i differs from the next; the lowest
    // 57 bits hold.
    std::uint64_t bitsAt(std::size_t position) const
    {
        return lzLoad64(bits_.data() + position / 8) >> (position % 8);
    }

    std::vector<std::uint8_t> bits_;
};

}  // namespace tessel
