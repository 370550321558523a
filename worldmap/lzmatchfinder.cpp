#include "worldmap/lzmatchfinder.h"

#include "worldmap/lzcodec.h"
#include "worldmap/lzload.h"

#include <QtGlobal>

#include <algorithm>
#include <bit>
#include <limits>

namespace tessel {

namespace {

constexpr std::size_t kWindow = LzCodec::kRingSize;
constexpr std::size_t kMinMatch = LzCodec::kMinMatch;
constexpr std::size_t kMaxMatch = LzCodec::kMaxMatch;
// A stretch is followed only for distances this short: every nearer
// distance is tried at each of its matches.
constexpr std::size_t kStretchDistance = 16;
// Fruitless steps on one chain before a rarer gram is looked for.
constexpr int kPatience = 8;
// Steps from a chain's head taken without branching on each source.
constexpr int kFirstSteps = 8;
// Searches per block, the unit in which the long chain is switched on
// or off; the steps per search on the short chain that switch it on; and
// the blocks it then stays on before the short chain is measured again.
constexpr int kBlock = 256;
constexpr std::size_t kDenseSteps = 12;
constexpr int kDenseBlocks = 8;
// Sparse mode: searches per block, the steps each may take on average
// before the finder leaves the mode, and how far ahead links are made.
constexpr int kSparseBlock = 256;
constexpr std::size_t kSparseSteps = 8;
constexpr std::size_t kMoreLinks = 1024;
// A walk reads links back to the window's far end while links are filled
// ahead: both must fit in the ring of links.
static_assert(kMoreLinks + kWindow + kMaxMatch < LzGramLinks::kSpan);
// A block of searches in full mode suggests sparse mode when few of its
// searches met runs, its matches were short, and its walks short.
constexpr int kSparseRunSearches = 8;
constexpr std::size_t kSparseAdvance = 12;
constexpr std::size_t kSparseTrySteps = 6;
constexpr int kSparseMaxBackoff = 64;

// Asks for the cache line at p ahead of its use, where the compiler can.
void prefetch(const void* p)
{
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(p);
#else
    (void)p;
#endif
}

// The index of the lowest nonzero byte of a word; 8 when it is zero.
std::size_t firstByteSet(std::uint64_t word)
{
    return std::size_t(std::countr_zero(word)) / 8;
}

// How many bytes of a and b agree, up to limit; eight at a time.
std::size_t commonLength(const std::uint8_t* a, const std::uint8_t* b, std::size_t limit)
{
    std::size_t k = 0;
    while (k + 8 <= limit) {
        if (const std::uint64_t difference = lzLoad64(a + k) ^ lzLoad64(b + k))
            return k + firstByteSet(difference);
        k += 8;
    }
    while (k < limit && a[k] == b[k])
        ++k;
    return k;
}

// How many of the bytes at a, up to limit, equal b.
std::size_t sameByteLength(const std::uint8_t* a, std::uint8_t b, std::size_t limit)
{
    const std::uint64_t pattern = b * 0x0101010101010101ull;
    std::size_t k = 0;
    while (k + 8 <= limit) {
        if (const std::uint64_t difference = lzLoad64(a + k) ^ pattern)
            return k + firstByteSet(difference);
        k += 8;
    }
    while (k < limit && a[k] == b)
        ++k;
    return k;
}

// How many bytes from source agree with here, up to limit, given here's
// first sixteen bytes as `head` and `tail`. The first sixteen are compared
// without a branch on how many agree, which rough data leaves to chance.
Q_ALWAYS_INLINE std::size_t matchLength(const std::uint8_t* source, const std::uint8_t* here, std::uint64_t head,
                                        std::uint64_t tail, std::size_t limit)
{
#ifdef TESSEL_LZ_SSE2
    const __m128i sixteen = _mm_set_epi64x(std::int64_t(tail), std::int64_t(head));
    const unsigned agree = unsigned(_mm_movemask_epi8(
        _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(source)), sixteen)));
    // A bit past the sixteen stops the count there.
    std::size_t length = std::size_t(std::countr_zero(~agree | 0x10000u));
#else
    const std::size_t headLength = firstByteSet(lzLoad64(source) ^ head);
    std::size_t length = headLength + (headLength == 8 ? firstByteSet(lzLoad64(source + 8) ^ tail) : 0);
#endif
    if (length == 16 && limit > 16)
        length += commonLength(source + 16, here + 16, limit - 16);
    return std::min(length, limit);
}

// Where the sources of any search from `position` on can begin: a window
// and a match before it.
std::size_t windowBefore(std::size_t position)
{
    return position > kWindow + kMaxMatch ? position - kWindow - kMaxMatch : 0;
}

}  // namespace

// One search: the best so far and the bounds it must keep.
struct LzMatchFinder::Search {
    std::size_t position;
    std::size_t limit;   // the longest match that counts
    std::size_t lowest;  // the farthest source
    std::size_t best;    // the length to beat
    std::size_t source;  // where the best starts; position: none found yet

    bool found() const { return source != position; }
    Match match() const { return found() ? Match{int(best), int(position - source)} : Match{}; }
};

// One chain being walked: its entries are grams at `offset` into a match,
// so a source is an entry less the offset. `entry` is the next to look at.
struct LzMatchFinder::Chain {
    bool isLong = false;
    std::size_t offset = 0;
    std::ptrdiff_t entry = ShortChain::kNone;

    bool sameGram(const Chain& other) const { return isLong == other.isLong && offset == other.offset; }
};

LzMatchFinder::LzMatchFinder(const std::uint8_t* data, std::size_t size)
    : data_(data), size_(size), runEnds_(data, size), links_(data, size)
{
    shortChain_.clear();
}

inline std::uint64_t LzMatchFinder::wordAt(std::size_t position) const
{
    if (position + 8 <= size_)
        return lzLoad64(data_ + position);
    std::uint64_t word = 0;
    for (std::size_t i = 0; position + i < size_; ++i)
        word |= std::uint64_t(data_[position + i]) << (8 * i);
    return word;
}

// Enters a position whose gram, read from `word` (eight bytes from it),
// is no run, and records the run `runStart` started when it ends there.
Q_ALWAYS_INLINE void LzMatchFinder::enterWord(std::size_t position, std::uint64_t word, std::size_t& runStart)
{
    shortChain_.enter(shortChain_.bucketOf(word), position);
    const bool runEnds = ((word ^ (word >> 8)) & 0xFF) != 0;
    if (runEnds && position + 1 - runStart >= kMinMatch)
        runs_.add(std::uint8_t(word & 0xFF), runStart, position + 1);
    runStart = runEnds ? position + 1 : runStart;
}

// Enters the positions up to limit in the short chain (the long one
// follows when kept), and each run of three or more equal bytes, once it
// ends, in the run table. A position whose gram is three equal bytes
// stays out of the chain.
Q_ALWAYS_INLINE void LzMatchFinder::enterUpTo(std::size_t limit)
{
    limit = std::min(limit, size_);
    std::size_t p = entered_;
    if (p >= limit)
        return;
    std::size_t runStart = runStart_;
    const std::size_t wordEnd = std::min(limit, size_ >= 8 ? size_ - 7 : 0);
    while (p < wordEnd) {
        const std::uint64_t word = lzLoad64(data_ + p);
        const std::uint64_t change = word ^ (word >> 8);  // byte i: data[p+i] differs from data[p+i+1]
        if ((change & 0xFFFF) == 0) {
            // Inside a run: on to its last two positions (or as far as a
            // run length reads, and on from there).
            p = std::min(p + runEnds_.runLength(p) - 2, limit);
            continue;
        }
        enterWord(p, word, runStart);
        ++p;
    }
    for (; p < limit; ++p) {
        const std::uint8_t byte = data_[p];
        if (p + 1 == size_ || data_[p + 1] != byte) {
            if (p + 1 - runStart >= kMinMatch)
                runs_.add(byte, runStart, p + 1);
            runStart = p + 1;
        }
        if (p + kShortGram <= size_ && !(data_[p + 1] == byte && data_[p + 2] == byte))
            shortChain_.enter(shortChain_.bucketOf(wordAt(p)), p);
    }
    runStart_ = runStart;
    entered_ = limit;
    if (dense_)
        enterLongUpTo(limit);
}

// A literal at `position`, whose gram is no run: the next search would
// start by entering it, reading again the word and bucket the search
// itself just used. Entered now instead, while they are at hand.
Q_ALWAYS_INLINE void LzMatchFinder::enterLiteral(std::size_t position, std::uint64_t word)
{
    if (entered_ != position || dense_ || position + 8 > size_)
        return;
    enterWord(position, word, runStart_);
    entered_ = position + 1;
}

// The long chain: grams of five equal bytes go to a sink.
inline void LzMatchFinder::enterLongUpTo(std::size_t limit)
{
    std::size_t p = longEntered_;
    const std::size_t wordEnd = std::min(limit, size_ >= 8 ? size_ - 7 : 0);
    for (; p < wordEnd; ++p) {
        const std::uint64_t word = lzLoad64(data_ + p);
        const bool isRun = ((word ^ (word >> 8)) & 0xFFFFFFFF) == 0;
        longChain_.enter(isRun ? longChain_.sinkFor(p) : longChain_.bucketOf(word), p);
    }
    for (; p < limit; ++p) {
        if (p + kLongGram <= size_ && sameByteLength(data_ + p, data_[p], kLongGram) < std::size_t(kLongGram))
            longChain_.enter(longChain_.bucketOf(wordAt(p)), p);
    }
    longEntered_ = std::max(longEntered_, limit);
}

// Every block of searches, keeps the long chain when the short one ran
// long; after a while without measuring, drops it to measure again. Or
// turns to sparse mode, when the block looked sparse: returns true then.
inline bool LzMatchFinder::adaptToDensity(std::size_t position)
{
    if (++searchesInBlock_ < kBlock)
        return false;
    const bool wasDense = dense_;
    if (wasDense)
        dense_ = ++denseBlocks_ < kDenseBlocks;
    else {
        dense_ = stepsInBlock_ > kDenseSteps * std::size_t(searchesInBlock_);
        denseBlocks_ = 0;
    }
    if (dense_ && !wasDense) {
        if (!longChainReady_) {
            longChain_.clear();
            longChainReady_ = true;
        }
        // Only sources in the window are looked up.
        const std::size_t windowStart = position > kWindow + 64 ? position - kWindow - 64 : 0;
        longEntered_ = std::max(longEntered_, windowStart);
        enterLongUpTo(entered_);
    }
    const bool looksSparse = !dense_ && runSearchesInBlock_ <= kSparseRunSearches
                             && position - blockStart_ <= kSparseAdvance * std::size_t(kBlock)
                             && stepsInBlock_ <= kSparseTrySteps * std::size_t(kBlock);
    startBlock(position);
    if (sparseWait_ > 0) {
        --sparseWait_;
        return false;
    }
    if (!looksSparse)
        return false;
    enterSparse(position);
    return true;
}

// The chain for beating search.best: its gram lies inside the first
// best + 1 bytes (a longer match holds them all) and is not a run, whose
// grams stay out of the chains. The last such gram is usually the rarest.
Q_ALWAYS_INLINE LzMatchFinder::Chain LzMatchFinder::chainFor(const Search& search) const
{
    Chain chain;
    chain.isLong = dense_ && search.best + 1 >= std::size_t(kLongGram);
    const std::size_t gram = chain.isLong ? kLongGram : kShortGram;
    const std::uint8_t* here = data_ + search.position;
    std::size_t offset = search.best + 1 - gram;
    if (sameByteLength(here + offset, here[search.best], gram) == gram) {
        std::size_t runStart = offset;
        while (runStart > 0 && here[runStart - 1] == here[search.best])
            --runStart;
        offset = runStart + 1 >= gram ? runStart + 1 - gram : 0;
    }
    chain.offset = offset;
    return chain;
}

Q_ALWAYS_INLINE std::ptrdiff_t LzMatchFinder::chainStart(const Search& search, const Chain& chain)
{
    // The entries a source before the best needs may lie ahead of the
    // search's position.
    enterUpTo(search.source + chain.offset);
    const std::uint64_t word = wordAt(search.position + chain.offset);
    return chain.isLong ? longChain_.newest(longChain_.bucketOf(word), entered_)
                        : shortChain_.newest(shortChain_.bucketOf(word), entered_);
}

// Walks the chain from chain.entry, sources nearest first. A longer match
// holds the chain's gram, so every source that could beat the best is on
// it. Returns true when it stopped after `patience` fruitless steps, with
// chain.entry the next to look at.
template <class HashChain>
Q_ALWAYS_INLINE bool LzMatchFinder::walkChain(const HashChain& hashChain, Search& search, Chain& chain, int patience)
{
    const std::uint8_t* const data = data_;
    const std::uint8_t* const here = data + search.position;
    const std::size_t offset = chain.offset;
    const std::size_t limit = search.limit;
    std::size_t best = search.best;
    std::size_t bestSource = search.source;
    std::ptrdiff_t entry = chain.entry;
    const std::ptrdiff_t nearest = std::ptrdiff_t(bestSource + offset);  // sources before the best's
    while (entry >= nearest)
        entry = hashChain.previous(entry);
    const std::ptrdiff_t farthest = std::ptrdiff_t(search.lowest + offset);
    std::uint8_t next = here[best];
    int idle = 0;
    int steps = 0;
    bool stoppedEarly = false;
    while (entry >= farthest) {
        ++steps;
        const std::size_t source = std::size_t(entry) - offset;
        if (data[source + best] == next) {
            const std::size_t length = commonLength(data + source, here, limit);
            if (length > best) {
                best = length;
                bestSource = source;
                if (length >= limit)
                    break;
                next = here[length];
                idle = 0;
            }
        }
        entry = hashChain.previous(entry);
        if (++idle >= patience) {
            stoppedEarly = entry >= farthest;
            break;
        }
    }
    search.best = best;
    search.source = bestSource;
    chain.entry = entry;
    stepsInBlock_ += std::size_t(steps);
    return stoppedEarly;
}

Q_ALWAYS_INLINE bool LzMatchFinder::walk(Search& search, Chain& chain, int patience)
{
    return chain.isLong ? walkChain(longChain_, search, chain, patience)
                        : walkChain(shortChain_, search, chain, patience);
}

// Goes on after an early stop: on a rarer chain when the best found so
// far allows one, else on the same chain to its end.
Q_ALWAYS_INLINE void LzMatchFinder::walkOn(Search& search, Chain chain)
{
    for (;;) {
        Chain rarer = chainFor(search);
        if (rarer.sameGram(chain)) {
            walk(search, chain, std::numeric_limits<int>::max());
            return;
        }
        rarer.entry = chainStart(search, rarer);
        if (!walk(search, rarer, kPatience))
            return;
        chain = rarer;
    }
}

// The first steps of a search from the head of a chain of grams at the
// search's own position, which settle most searches on rough data: each
// source's first 16 bytes are compared whole, and the best is kept
// without a branch on the outcome, which such data leaves to chance.
// Returns true when entries remain that could still beat the best, with
// chain.entry the next to look at.
template <class HashChain>
inline bool LzMatchFinder::walkFirst(const HashChain& hashChain, Search& search, Chain& chain)
{
    const std::uint8_t* const data = data_;
    const std::uint8_t* const here = data + search.position;
    const std::uint64_t head = lzLoad64(here);
    const std::uint64_t tail = lzLoad64(here + 8);
    const std::size_t limit = search.limit;
    const std::ptrdiff_t farthest = std::ptrdiff_t(search.lowest);
    std::size_t best = search.best;
    std::size_t bestSource = search.source;
    std::ptrdiff_t entry = chain.entry;
    while (entry >= std::ptrdiff_t(bestSource))
        entry = hashChain.previous(entry);  // sources need to lie before the position
    int steps = 0;
    while (entry >= farthest && steps < kFirstSteps) {
        ++steps;
        const std::size_t length = matchLength(data + entry, here, head, tail, limit);
        const bool longer = length > best;
        best = longer ? length : best;
        bestSource = longer ? std::size_t(entry) : bestSource;
        if (best >= limit)
            break;
        entry = hashChain.previous(entry);
    }
    search.best = best;
    search.source = bestSource;
    chain.entry = entry;
    stepsInBlock_ += std::size_t(steps);
    return best < limit && entry >= farthest;
}

// From the head of a chain of grams at the search's position.
inline void LzMatchFinder::searchFromHead(Search& search, Chain& chain)
{
    if (search.position + 16 > size_) {
        searchFrom(search, chain);
        return;
    }
    const bool more = chain.isLong ? walkFirst(longChain_, search, chain) : walkFirst(shortChain_, search, chain);
    if (more)
        walkOn(search, chain);
}

Q_ALWAYS_INLINE void LzMatchFinder::searchFrom(Search& search, Chain& chain)
{
    if (walk(search, chain, kPatience))
        walkOn(search, chain);
}

// At a run of `run` (3 or more) equal bytes: a longer match holds the
// run's end and the byte after it; a match no longer than the run comes
// from the nearest run at least as long, found in the run table.
Q_ALWAYS_INLINE LzMatchFinder::Match LzMatchFinder::searchRun(std::size_t position, std::size_t limit, std::size_t lowest,
                                              std::size_t run)
{
    if (run < limit) {
        if (entered_ == position && !dense_) {
            // The run ends within reach, and the grams starting in it but
            // its last two are runs, which stay out of the chain.
            if (position == 0 || data_[position - 1] != data_[position])
                runStart_ = position;
            entered_ = position + run - 2;
        }
        Search search{position, limit, lowest, run, position};
        Chain chain = chainFor(search);
        chain.entry = chainStart(search, chain);
        // The chain, of the gram where the run ends, often holds nothing in
        // the window on rough data, which its newest entry tells before any
        // walk is set up.
        if (chain.entry >= std::ptrdiff_t(lowest + chain.offset))
            searchFrom(search, chain);
        if (search.found())
            return search.match();
    }
    const std::uint8_t byte = data_[position];
    if (position > 0 && data_[position - 1] == byte)
        return {int(run), 1};
    const LzRunTable::Source source = runs_.nearest(byte, run, lowest);
    if (source.length >= kMinMatch)
        return {int(source.length), int(position - source.start)};
    return {};
}

// Elsewhere, where the long chain is kept, it is walked first: its first
// hit settles most searches, and without a match of its gram's length the
// short chain looks for less. Else the short chain alone.
inline LzMatchFinder::Match LzMatchFinder::searchMixed(std::size_t position, std::size_t limit, std::size_t lowest,
                                                std::uint64_t word)
{
    const std::ptrdiff_t shortEntry = shortChain_.newest(shortChain_.bucketOf(word), entered_);
    if (dense_ && limit >= std::size_t(kLongGram)) {
        Search search{position, limit, lowest, kLongGram - 1, position};
        Chain chain{true, 0, longChain_.newest(longChain_.bucketOf(word), longEntered_)};
        searchFromHead(search, chain);
        if (search.found())
            return search.match();
        limit = kLongGram - 1;
    }
    if (shortEntry < std::ptrdiff_t(lowest))
        return {};
    Search search{position, limit, lowest, kMinMatch - 1, position};
    Chain chain{false, 0, shortEntry};
    searchFromHead(search, chain);
    return search.match();
}

// Inside a stretch, the match at its distance reaches the limit unless
// the stretch ends; a nearer source of the same length can only be at a
// shorter distance, and those few are tried directly. Nothing once the
// stretch ends.
inline std::optional<LzMatchFinder::Match> LzMatchFinder::repeatStretch(std::size_t position, std::size_t limit)
{
    const std::size_t distance = stretchDistance_;
    const std::size_t length = commonLength(data_ + position - distance, data_ + position, limit);
    if (length == limit) {
        std::size_t nearest = 1;
        while (nearest < distance && commonLength(data_ + position - nearest, data_ + position, limit) < limit)
            ++nearest;
        return Match{int(limit), int(nearest)};
    }
    // The stretch ends at position + length. Every position p before it
    // with p + distance + 34 <= end has the same next 34 bytes as
    // p + distance, so only the last distance + 33 need entering. A search
    // reads grams up to 31 bytes into a source: those of the sources before
    // the stretch are entered first.
    inStretch_ = false;
    enterUpTo(std::min(skipFrom_, position));
    const std::size_t end = position + length;
    if (end >= entered_ + kMaxMatch + distance) {
        entered_ = end - (kMaxMatch - 1) - distance;
        runStart_ = entered_;
        if (dense_)
            longEntered_ = std::max(longEntered_, entered_);
    }
    return std::nullopt;
}

// Every earlier position whose gram hashes alike is on the links, nearest
// first, so walking them all (or up to the first of full length) finds the
// longest match and, among the longest, the nearest.
inline LzMatchFinder::Match LzMatchFinder::searchSparse(std::size_t position, std::size_t limit,
                                                        std::size_t lowest)
{
    if (position >= links_.filled())
        links_.fillUpTo(position + kMoreLinks);
    if (++sparseSearches_ == kSparseBlock) {
        sparseSearches_ = 0;
        sparseSteps_ = 0;
        ++sparseBlocks_;
    }
    std::ptrdiff_t entry = std::ptrdiff_t(position) - std::ptrdiff_t(links_.back(position));
    const std::ptrdiff_t farthest = std::ptrdiff_t(lowest);
    if (entry < farthest)
        return {};
    const std::uint8_t* const here = data_ + position;
    std::size_t best = kMinMatch - 1;
    std::size_t bestSource = position;
    std::size_t steps = 0;
    if (position + 16 <= size_) {
        // Like the first steps of a chain walk, but kept apart from them:
        // one template for both slowed this walk by a third.
        const std::uint64_t head = lzLoad64(here);
        const std::uint64_t tail = lzLoad64(here + 8);
        while (entry >= farthest) {
            ++steps;
            const std::size_t length = matchLength(data_ + entry, here, head, tail, limit);
            const bool longer = length > best;
            best = longer ? length : best;
            bestSource = longer ? std::size_t(entry) : bestSource;
            if (best >= limit)
                break;
            entry -= std::ptrdiff_t(links_.back(std::size_t(entry)));
        }
    } else {
        while (entry >= farthest) {
            ++steps;
            const std::size_t length = commonLength(data_ + entry, here, limit);
            if (length > best) {
                best = length;
                bestSource = std::size_t(entry);
                if (best >= limit)
                    break;
            }
            entry -= std::ptrdiff_t(links_.back(std::size_t(entry)));
        }
    }
    sparseSteps_ += steps;
    // Found or not, without a branch: when nothing was found the source is
    // still the position itself.
    return {bestSource != position ? int(best) : 0, int(position - bestSource)};
}

// Links are made from a window before the position on, which is all any
// search there looks at; those already made stay.
void LzMatchFinder::enterSparse(std::size_t position)
{
    sparse_ = true;
    sparseSteps_ = 0;
    sparseSearches_ = 0;
    sparseBlocks_ = 0;
    const std::size_t start = windowBefore(position);
    if (start > links_.filled() || links_.filled() == 0)
        links_.restartAt(start);
}

// Back to the chains, entered on from where they stopped, or from a
// window before the position when they stopped further back.
void LzMatchFinder::leaveSparse(std::size_t position)
{
    sparse_ = false;
    sparseBackoff_ = sparseBlocks_ < 4 ? std::min(sparseBackoff_ * 2, kSparseMaxBackoff) : 1;
    sparseWait_ = sparseBackoff_;
    const std::size_t start = windowBefore(position);
    if (start > entered_) {
        entered_ = start;
        runStart_ = start;
    }
    startBlock(position);
}

// The searches' block statistics start again from the position.
void LzMatchFinder::startBlock(std::size_t position)
{
    searchesInBlock_ = 0;
    stepsInBlock_ = 0;
    runSearchesInBlock_ = 0;
    blockStart_ = position;
}

LzMatchFinder::Match LzMatchFinder::longestAt(std::size_t position)
{
    const std::size_t limit = std::min<std::size_t>(kMaxMatch, size_ - position);
    if (limit < kMinMatch)
        return {};
    if (sparse_) {
        if (sparseSteps_ <= kSparseSteps * kSparseBlock)
            return searchSparse(position, limit, position > kWindow ? position - kWindow : 0);
        leaveSparse(position);
    }
    // Returned by value: a match filled in through a reference lives in
    // memory, written in halves and read back whole, which made every
    // search wait for the store.
    if (inStretch_) {
        if (const std::optional<Match> repeated = repeatStretch(position, limit))
            return *repeated;
    }
    Match match;
    // The chain's newest entry is read after entering the positions before
    // this one; asking for it first hides the wait.
    const std::uint64_t word = wordAt(position);
    prefetch(shortChain_.newestSlot(shortChain_.bucketOf(word)));
    enterUpTo(position);
    const std::size_t lowest = position > kWindow ? position - kWindow : 0;
    if (adaptToDensity(position))
        return searchSparse(position, limit, lowest);
    if (((word ^ (word >> 8)) & 0xFFFF) == 0) {
        ++runSearchesInBlock_;
        match = searchRun(position, limit, lowest, std::min(runEnds_.runLength(position), limit));
    }
    else {
        match = searchMixed(position, limit, lowest, word);
        if (match.length == 0)
            enterLiteral(position, word);
    }
    if (std::size_t(match.length) == kMaxMatch && std::size_t(match.distance) <= kStretchDistance) {
        // The next searches repeat this distance while they can.
        inStretch_ = true;
        stretchDistance_ = std::size_t(match.distance);
        skipFrom_ = entered_ + kMaxMatch - kMinMatch;
    }
    return match;
}

}  // namespace tessel
