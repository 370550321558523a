#pragma once

#include "worldmap/lzgramlinks.h"
#include "worldmap/lzhashchain.h"
#include "worldmap/lzrunends.h"
#include "worldmap/lzruntable.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace tessel {

// The LZ encoder's search: at each position asked, the longest match (up
// to 34 bytes from a source in the last 2048, overlapping allowed) and,
// among the longest, the nearest, exactly as trying every distance would
// choose.
//
// Sources are found through hash chains of 3-byte grams; a search walks
// the chain of a gram that any longer match must hold, and restarts on a
// rarer gram when a chain runs long. Where 3-byte grams recur densely, a
// second chain of 5-byte grams is kept as well. Grams of three equal
// bytes stay out of the chains: matches that start with a run come from
// a table of runs. Where the parse repeats one short distance at full
// length (long runs, stripes), positions are left out of the chains
// altogether: for every later search each is matched just as well by the
// same bytes one distance on.
//
// Where grams seldom recur (rough data: few runs, short matches, short
// walks), all of that costs more than it saves. The finder then turns to
// sparse mode: every position is linked, a block ahead, to the previous
// one whose gram hashes alike, and a search walks those links to the end
// of the window. It turns back when the walks grow long.
class LzMatchFinder {
public:
    struct Match {
        int length = 0;  // 0: no match of the minimum length
        int distance = 0;
    };

    LzMatchFinder(const std::uint8_t* data, std::size_t size);

    // Positions must be asked in increasing order, each one no earlier
    // than the end of the match found before it.
    Match longestAt(std::size_t position);

private:
    static constexpr int kShortGram = 3;
    static constexpr int kLongGram = 5;
    using ShortChain = LzHashChain<kShortGram, 14>;
    using LongChain = LzHashChain<kLongGram, 14>;

    struct Search;
    struct Chain;

    std::uint64_t wordAt(std::size_t position) const;
    void enterWord(std::size_t position, std::uint64_t word, std::size_t& runStart);
    void enterUpTo(std::size_t limit);
    void enterLiteral(std::size_t position, std::uint64_t word);
    void enterLongUpTo(std::size_t limit);
    bool adaptToDensity(std::size_t position);

    Match searchSparse(std::size_t position, std::size_t limit, std::size_t lowest);
    void enterSparse(std::size_t position);
    void leaveSparse(std::size_t position);
    void startBlock(std::size_t position);
    Match searchRun(std::size_t position, std::size_t limit, std::size_t lowest, std::size_t run);
    Match searchMixed(std::size_t position, std::size_t limit, std::size_t lowest, std::uint64_t word);
    Chain chainFor(const Search& search) const;
    std::ptrdiff_t chainStart(const Search& search, const Chain& chain);
    template <class HashChain>
    bool walkChain(const HashChain& hashChain, Search& search, Chain& chain, int patience);
    bool walk(Search& search, Chain& chain, int patience);
    void walkOn(Search& search, Chain chain);
    void searchFrom(Search& search, Chain& chain);
    template <class HashChain>
    bool walkFirst(const HashChain& hashChain, Search& search, Chain& chain);
    void searchFromHead(Search& search, Chain& chain);
    std::optional<Match> repeatStretch(std::size_t position, std::size_t limit);

    const std::uint8_t* data_;
    std::size_t size_;
    LzRunEnds runEnds_;

    // Sparse mode, while walks stay short: every position linked ahead.
    bool sparse_ = false;
    LzGramLinks links_;
    std::size_t sparseSteps_ = 0;
    int sparseSearches_ = 0;
    // Blocks to wait before sparse mode is tried again, doubled each time
    // it is left soon after it began.
    int sparseWait_ = 0;
    int sparseBackoff_ = 1;
    int sparseBlocks_ = 0;
    std::size_t blockStart_ = 0;
    int runSearchesInBlock_ = 0;
    ShortChain shortChain_;
    LongChain longChain_;
    LzRunTable runs_;
    std::size_t entered_ = 0;   // positions below this are in the chains or stand for others
    std::size_t runStart_ = 0;  // start of the run holding position entered_ - 1

    // The long chain is kept while searches on the short one run long.
    bool dense_ = false;
    bool longChainReady_ = false;
    std::size_t longEntered_ = 0;
    int searchesInBlock_ = 0;
    std::size_t stepsInBlock_ = 0;
    int denseBlocks_ = 0;

    // A stretch: the last matches all repeated stretchDistance_ at full
    // length, and positions from skipFrom_ on are not entered until it ends.
    bool inStretch_ = false;
    std::size_t stretchDistance_ = 0;
    std::size_t skipFrom_ = 0;
};

}  // namespace tessel
