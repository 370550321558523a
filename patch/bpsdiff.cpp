#include "patch/bpsdiff.h"

#include "patch/bpsnumber.h"
#include "patch/bpspatch.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#include <vector>

namespace tessel {

namespace {

constexpr int kWindow = 8;             // bytes hashed per position
constexpr int kSourceHashBits = 20;    // at most; small files get small tables
constexpr int kTargetHashBits = 16;
constexpr int kLeastHashBits = 8;
// Every fourth source position is indexed: a match of 11 bytes or more
// still contains an indexed window, and is then extended backwards.
constexpr int kSourceStride = 4;
constexpr int kMaxCandidates = 16;     // chain entries tried per position
constexpr qint64 kGoodEnough = 64;     // a match this long is taken without searching on
// An action must save this much over carrying its bytes: splitting new
// bytes around it costs another header.
constexpr qint64 kMinimumGain = 2;

quint64 load64(const quint8* p)
{
    quint64 value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

// How many bytes from a and b are equal, at most limit. a may lie before b
// in the same buffer (an overlapping copy repeats bytes).
qint64 matchLength(const quint8* a, const quint8* b, qint64 limit)
{
    qint64 n = 0;
    while (n + 8 <= limit) {
        const quint64 difference = load64(a + n) ^ load64(b + n);
        if (difference != 0)
            return n + std::countr_zero(difference) / 8;
        n += 8;
    }
    while (n < limit && a[n] == b[n])
        ++n;
    return n;
}

// Positions (multiples of the stride) by the hash of the window starting
// there; the newest first.
class HashChains {
public:
    // About one head per position, up to 2^maxBits.
    HashChains(int maxBits, qint64 positions, int stride)
        : shift_(64 - std::clamp(int(std::bit_width(quint64(positions / stride))), kLeastHashBits, maxBits)),
          stride_(stride),
          heads_(std::size_t(1) << (64 - shift_), -1),
          links_(new qint32[std::size_t(positions / stride + 1)])
    {
    }
    quint32 hash(const quint8* window) const
    {
        return quint32((load64(window) * 0x9E3779B97F4A7C15ull) >> shift_);
    }
    void insert(quint32 hash, qint64 position)
    {
        links_[std::size_t(position / stride_)] = heads_[hash];
        heads_[hash] = qint32(position);
    }
    qint32 first(quint32 hash) const { return heads_[hash]; }
    qint32 next(qint32 position) const { return links_[std::size_t(position / stride_)]; }

private:
    int shift_;
    int stride_;
    std::vector<qint32> heads_;
    std::unique_ptr<qint32[]> links_;  // only entries of inserted positions are read
};

class Differ {
public:
    Differ(QByteArrayView source, QByteArrayView target)
        : src_(reinterpret_cast<const quint8*>(source.data())),
          srcLen_(source.size()),
          tgt_(reinterpret_cast<const quint8*>(target.data())),
          tgtLen_(target.size()),
          sourceChains_(kSourceHashBits, srcLen_, kSourceStride),
          targetChains_(kTargetHashBits, tgtLen_, 1)
    {
        // Inside a run every window is the same as the one before: only the
        // run's first indexed position goes in, and a match from there
        // covers the rest.
        for (qint64 i = 0; i + kWindow <= srcLen_; i += kSourceStride) {
            if (i > 0 && load64(src_ + i) == load64(src_ + i - kSourceStride))
                continue;
            sourceChains_.insert(sourceChains_.hash(src_ + i), i);
        }
    }

    QByteArray run()
    {
        stream_.reserve(qsizetype(std::min<qint64>(tgtLen_ / 8 + 64, 1 << 20)));
        while (out_ < tgtLen_) {
            Match best = bestMatch();
            extendBackwards(best);
            if (best.gain() >= kMinimumGain) {
                out_ = best.start;  // it takes back new bytes not yet written
                flushLiteral();
                emitMatch(best);
                out_ += best.length;
                literalStart_ = out_;
                continue;
            }
            if (out_ + kWindow <= tgtLen_)
                targetChains_.insert(targetChains_.hash(tgt_ + out_), out_);
            ++out_;
        }
        flushLiteral();
        return std::move(stream_);
    }

private:
    struct Match {
        int command = -1;
        qint64 start = 0;  // in the target
        qint64 from = 0;   // where its bytes come from
        qint64 length = 0;
        int cost = 0;
        qint64 gain() const { return command < 0 ? 0 : length - cost; }
    };

    static quint64 header(int command, qint64 length) { return (quint64(length - 1) << 2) | quint64(command); }

    // The bytes an action takes in the patch.
    int cost(int command, qint64 from, qint64 length) const
    {
        int bytes = bpsnumber::encodedSize(header(command, length));
        if (command == BpsPatch::SourceCopy)
            bytes += bpsnumber::encodedSize(bpsnumber::signedOffset(from - sourceRelative_));
        else if (command == BpsPatch::TargetCopy)
            bytes += bpsnumber::encodedSize(bpsnumber::signedOffset(from - targetRelative_));
        return bytes;
    }

    // Keeps the candidate if it saves more than the best so far.
    void consider(Match& best, int command, qint64 from, qint64 length) const
    {
        if (length <= 0)
            return;
        const Match candidate{command, out_, from, length, cost(command, from, length)};
        if (candidate.gain() > best.gain())
            best = candidate;
    }

    // Grows a match back over the new bytes before it, as far as they match.
    void extendBackwards(Match& match) const
    {
        if (match.command < 0)
            return;
        const quint8* base = match.command == BpsPatch::TargetCopy ? tgt_ : src_;
        const qint64 before = match.start;
        while (match.start > literalStart_ && match.from > 0 && base[match.from - 1] == tgt_[match.start - 1]) {
            --match.start;
            --match.from;
            ++match.length;
        }
        if (match.start != before)
            match.cost = cost(match.command, match.from, match.length);
    }

    Match bestMatch() const
    {
        Match best;
        const qint64 remaining = tgtLen_ - out_;
        // The same place of the source: unchanged bytes.
        if (out_ < srcLen_)
            consider(best, BpsPatch::SourceRead, out_,
                     matchLength(src_ + out_, tgt_ + out_, std::min(remaining, srcLen_ - out_)));
        // Where the last source copy would go on, past the bytes since it.
        const qint64 onward = sourceRelative_ + (out_ - lastCopyEnd_);
        if (best.length < kGoodEnough && onward >= 0 && onward < srcLen_ && onward != out_)
            consider(best, BpsPatch::SourceCopy, onward,
                     matchLength(src_ + onward, tgt_ + out_, std::min(remaining, srcLen_ - onward)));
        // A run: the byte before, repeated.
        if (best.length < kGoodEnough && out_ > 0)
            consider(best, BpsPatch::TargetCopy, out_ - 1, matchLength(tgt_ + out_ - 1, tgt_ + out_, remaining));
        if (best.length >= kGoodEnough || remaining < kWindow)
            return best;

        const quint32 sourceHash = sourceChains_.hash(tgt_ + out_);
        int tried = 0;
        for (qint32 p = sourceChains_.first(sourceHash); p >= 0 && tried < kMaxCandidates;
             p = sourceChains_.next(p), ++tried) {
            consider(best, BpsPatch::SourceCopy, p, matchLength(src_ + p, tgt_ + out_, std::min(remaining, srcLen_ - p)));
            if (best.length >= kGoodEnough)
                return best;
        }
        const quint32 targetHash = targetChains_.hash(tgt_ + out_);
        tried = 0;
        for (qint32 q = targetChains_.first(targetHash); q >= 0 && tried < kMaxCandidates;
             q = targetChains_.next(q), ++tried)
            consider(best, BpsPatch::TargetCopy, q, matchLength(tgt_ + q, tgt_ + out_, remaining));
        return best;
    }

    void flushLiteral()
    {
        const qint64 length = out_ - literalStart_;
        if (length == 0)
            return;
        bpsnumber::append(stream_, header(BpsPatch::TargetRead, length));
        stream_.append(reinterpret_cast<const char*>(tgt_ + literalStart_), qsizetype(length));
    }

    void emitMatch(const Match& match)
    {
        bpsnumber::append(stream_, header(match.command, match.length));
        if (match.command == BpsPatch::SourceCopy) {
            bpsnumber::append(stream_, bpsnumber::signedOffset(match.from - sourceRelative_));
            sourceRelative_ = match.from + match.length;
            lastCopyEnd_ = out_ + match.length;
        } else if (match.command == BpsPatch::TargetCopy) {
            bpsnumber::append(stream_, bpsnumber::signedOffset(match.from - targetRelative_));
            targetRelative_ = match.from + match.length;
        }
    }

    const quint8* src_;
    qint64 srcLen_;
    const quint8* tgt_;
    qint64 tgtLen_;
    HashChains sourceChains_;
    HashChains targetChains_;
    qint64 out_ = 0;
    qint64 literalStart_ = 0;
    qint64 sourceRelative_ = 0;
    qint64 targetRelative_ = 0;
    qint64 lastCopyEnd_ = 0;  // target position where the last source copy ended
    QByteArray stream_;
};

}  // namespace

QByteArray BpsDiff::actions(QByteArrayView source, QByteArrayView target)
{
    return Differ(source, target).run();
}

}  // namespace tessel
