#pragma once

#include "worldmap/lzhashchain.h"
#include "worldmap/lzload.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tessel {

// For every position, how far back the newest earlier position lies whose
// first three bytes hash alike: following these links from a position
// visits every earlier one that may start a match, nearest first. Filled
// a block at a time ahead of the searches that read them, into a ring:
// a position's link is kept until kSpan later positions are filled.
class LzGramLinks {
public:
    // Heads start this far back, beyond any window.
    static constexpr unsigned kReach = 4096;
    static constexpr std::size_t kSpan = 4096;

    LzGramLinks(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // Links are made from `start` on, as if nothing came before it.
    void restartAt(std::size_t start)
    {
        if (!links_)
            links_ = std::make_unique<std::uint16_t[]>(kSpan);
        heads_.assign(kBuckets, std::uint16_t(start - kReach));
        filled_ = start;
    }

    // The positions below this have their links.
    std::size_t filled() const { return filled_; }

    // Fills the links of the positions below `end` (at most the size).
    void fillUpTo(std::size_t end)
    {
        end = std::min(end, size_);
        std::size_t p = filled_;
        const std::size_t wordEnd = std::min(end, size_ >= 8 ? size_ - 7 : 0);
        for (; p < wordEnd; ++p) {
            link(Hash::bucketOf(lzLoad64(data_ + p)), p);
        }
        for (; p < end; ++p) {
            if (p + 3 > size_) {
                links_[p & (kSpan - 1)] = 0xFFFF;  // no gram: linked beyond any window
                continue;
            }
            link(Hash::bucketOf(std::uint64_t(data_[p]) | std::uint64_t(data_[p + 1]) << 8 | std::uint64_t(data_[p + 2]) << 16), p);
        }
        filled_ = std::max(filled_, end);
    }

    // The distance back to the position's predecessor, 1 to 65536: a
    // link holds it less one, so that a walk needs no test for "none". A
    // position without a predecessor within 65535 links 65536 back. Links
    // are kept however far they reach: a walk stops at the window's far
    // end, and a link beyond the ring leads back further still.
    unsigned back(std::size_t position) const { return links_[position & (kSpan - 1)] + 1u; }

private:
    // Grams hash with the function of the finder's chains, into fewer
    // buckets than its short chain: a larger table did not pay here.
    static constexpr int kHashBits = 13;
    using Hash = LzHashChain<3, kHashBits>;
    static constexpr std::size_t kBuckets = std::size_t(1) << kHashBits;
    // Heads keep the low 16 bits of a position. A head not set since the
    // restart reads as beyond reach for the next 61440 positions; after
    // that, like a head 65536 or more back, it reads as a nearer position
    // of another bucket, whose gram differs from the one searched, so it
    // never counts as a match.
    void link(std::size_t bucket, std::size_t position)
    {
        const unsigned back = std::uint16_t(position - heads_[bucket]);
        links_[position & (kSpan - 1)] = std::uint16_t(back - 1);
        heads_[bucket] = std::uint16_t(position);
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t filled_ = 0;
    std::unique_ptr<std::uint16_t[]> links_;
    std::vector<std::uint16_t> heads_;
};

}  // namespace tessel
