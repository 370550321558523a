#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <cstdint>
#include <limits>
#include <vector>

namespace tessel {

// Chains of earlier positions whose first GramLength bytes hash alike,
// newest first. Only the links of the last kSpan positions are kept (a
// ring): a search never follows a chain further back than the window and
// the few bytes of offset it starts from.
template <int GramLength, int HashBits>
class LzHashChain {
public:
    static_assert(GramLength >= 2 && GramLength <= 8);
    // An entry before any window: where a chain not yet started points.
    static constexpr std::ptrdiff_t kNone = std::numeric_limits<std::int32_t>::min() / 2;
    static constexpr std::size_t kSpan = 4096;

    // Empties every chain; needed once before the first entry.
    void clear()
    {
        newest_.assign(kSinkBase + kSinks, kEmpty);
        std::fill(std::begin(links_), std::end(links_), std::uint16_t(0));
    }

    // The gram's bucket, from a word read at its first byte (first byte
    // lowest).
    static std::size_t bucketOf(std::uint64_t word)
    {
        std::uint64_t gram = word;
        if constexpr (GramLength < 8)
            gram &= (std::uint64_t(1) << (8 * GramLength)) - 1;
        return std::size_t((gram * 0x9E3779B97F4A7C15ull) >> (64 - HashBits));
    }

    // A bucket no search asks for: a position that must stay out of every
    // chain is entered there, which spares the caller a branch. Neighbours
    // get different sinks so that entering one need not wait for the last.
    static std::size_t sinkFor(std::size_t position) { return kSinkBase + (position & (kSinks - 1)); }

    // A link holds the distance back less one, so that every 16-bit value
    // is a distance: an entry with no predecessor within 65535 gets one
    // 65536 back. Links are stored however far back they reach: a chain
    // walk stops at the window's far end, before any link beyond the ring
    // could lead it astray. Walks then follow links without a test or a
    // conditional move in the way of each step.
    void enter(std::size_t bucket, std::size_t position)
    {
        const unsigned back = std::uint16_t(position - newest_[bucket]);
        links_[position & (kSpan - 1)] = std::uint16_t(back - 1);
        newest_[bucket] = std::uint16_t(position);
    }

    // The newest entry of the bucket, all entries being below `end`.
    // Heads keep only the low 16 bits of a position, which keeps them in
    // the fastest cache: an entry 65536 or more back reads as a nearer
    // one, which a search then checks and rejects like any other source
    // that does not match.
    std::ptrdiff_t newest(std::size_t bucket, std::size_t end) const
    {
        const unsigned back = std::uint16_t(end - newest_[bucket]);
        return std::ptrdiff_t(end) - std::ptrdiff_t(back ? back : 0x10000);
    }
    const std::uint16_t* newestSlot(std::size_t bucket) const { return newest_.data() + bucket; }

    // The entry before `position` in its chain. Valid while `position` is
    // among the last kSpan entered; an entry returned from further back
    // than that may be any position, never a later one.
    std::ptrdiff_t previous(std::ptrdiff_t position) const
    {
        return position - 1 - std::ptrdiff_t(links_[std::size_t(position) & (kSpan - 1)]);
    }

private:
    static constexpr std::size_t kSinkBase = std::size_t(1) << HashBits;
    static constexpr std::size_t kSinks = 16;
    // Empty heads read as 32768 back, beyond any window, for the first
    // 32768 positions.
    static constexpr std::uint16_t kEmpty = 0x8000;
    std::vector<std::uint16_t> newest_;
    std::uint16_t links_[kSpan];
};

}  // namespace tessel
