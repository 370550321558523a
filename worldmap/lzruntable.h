#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The runs of equal bytes seen so far, for matches that start with a run
// (their positions stay out of the hash chains). For each byte value it
// keeps a staircase: recent runs, newest first, each longer than every
// newer one. A run that is both older and no longer than a newer one
// never gives a better match, so it is dropped when the newer one comes.
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
        const std::uint32_t length = std::uint32_t(std::min<std::size_t>(end - start, kLongest));
        int size = stair.size;
        while (size > 0 && stair.steps[size - 1].length <= length)
            --size;
        stair.steps[size] = {std::uint32_t(end), length};
        stair.size = size + 1;
    }

    // The longest run of `byte` ahead of a source at or after `lowest`,
    // counting at most `wanted` bytes, and the nearest source giving it.
    Source nearest(std::uint8_t byte, std::size_t wanted, std::size_t lowest) const
    {
        const Staircase& stair = stairs_[byte];
        Source best;
        for (int i = stair.size - 1; i >= 0; --i) {
            const std::size_t end = stair.steps[i].end;
            if (end <= lowest + best.length)
                break;  // older runs end even earlier
            const std::size_t start = std::max<std::size_t>(end - stair.steps[i].length, lowest);
            if (end - start >= wanted)
                return {wanted, end - wanted};
            if (end - start > best.length)
                best = {end - start, start};
        }
        return best;
    }

private:
    // Runs longer than a match can be are all alike.
    static constexpr std::size_t kLongest = 34;
    struct Step {
        std::uint32_t end;
        std::uint32_t length;
    };
    struct Staircase {
        Staircase() {}  // steps are written before they are read: not cleared
        std::array<Step, kLongest> steps;
        int size = 0;
    };
    std::vector<Staircase> stairs_;
};
