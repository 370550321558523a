#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessel {

// The runs of equal bytes seen so far, for matches that start with a run
// (their positions stay out of the hash chains). For each byte value it
// keeps a staircase: recent runs, each longer than every newer one. A run
// that is both older and no longer than a newer one never gives a better
// match, so it is dropped when the newer one comes. As the lengths on a
// staircase differ, its runs are kept by length, with a mask of the
// lengths present: adding a run and finding the newest run of a length
// or more take no loop.
class LzRunTable {
public:
    struct Source {
        std::size_t length = 0;
        std::size_t start = 0;
    };

    LzRunTable() : stairs_(256) {}

    // Records the run [start, end) of `byte`, at least three long. Runs
    // are added in the order they end.
    void add(std::uint8_t byte, std::size_t start, std::size_t end)
    {
        Staircase& stair = stairs_[byte];
        const std::size_t length = std::min<std::size_t>(end - start, kLongest);
        // Drops the runs no longer than this one, all older.
        stair.lengths = (stair.lengths & ~((std::uint64_t(2) << length) - 1)) | std::uint64_t(1) << length;
        stair.ends[length] = std::uint32_t(end);
    }

    // The longest run of `byte` ahead of a source at or after `lowest`,
    // counting at most `wanted` bytes, and the nearest source giving it.
    Source nearest(std::uint8_t byte, std::size_t wanted, std::size_t lowest) const
    {
        const Staircase& stair = stairs_[byte];
        // The newest run of `wanted` bytes or more: the shortest of them.
        if (const std::uint64_t longer = stair.lengths >> wanted << wanted) {
            const std::size_t end = stair.ends[std::countr_zero(longer)];
            if (end >= lowest + wanted)
                return {wanted, end - wanted};
        }
        // None within the window: the longest part of a run that is, newest
        // runs first.
        Source best;
        for (std::uint64_t lengths = stair.lengths; lengths != 0; lengths &= lengths - 1) {
            const std::size_t length = std::size_t(std::countr_zero(lengths));
            const std::size_t end = stair.ends[length];
            if (end <= lowest + best.length)
                break;  // older runs end even earlier
            const std::size_t start = std::max<std::size_t>(end - length, lowest);
            if (end - start > best.length)
                best = {end - start, start};
        }
        return best;
    }

private:
    // Runs longer than a match can be are all alike.
    static constexpr std::size_t kLongest = 34;
    struct Staircase {
        Staircase() {}  // ends are written before they are read: not cleared
        std::uint64_t lengths = 0;  // bit n: a run of length n is on the staircase
        std::array<std::uint32_t, kLongest + 1> ends;
    };
    std::vector<Staircase> stairs_;
};

}  // namespace tessel
