#include "worldmap/lzcodec.h"

#include "rom/romimage.h"
#include "worldmap/lzgroupwriter.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#include <array>
#include <limits>
#include <vector>

QByteArray LzCodec::decode(const std::uint8_t* data, std::size_t size, qsizetype maxOutput)
{
    QByteArray out;
    if (size < 2 || maxOutput == 0)
        return out;
    const std::size_t declared = std::uint16_t((data[0] | data[1] << 8) - 2);
    const std::uint8_t* in = data + 2;
    const std::uint8_t* const end = in + std::min(declared, size - 2);
    const std::size_t limit = maxOutput < 0 ? std::numeric_limits<std::size_t>::max() : std::size_t(maxOutput);

    // Written through a raw pointer into room that grows by doubling; one
    // item adds at most kMaxMatch bytes.
    out.resize(qsizetype(std::min<std::size_t>(limit, 4096)));
    std::size_t written = 0;
    auto reserveFor = [&](std::size_t count) {
        if (written + count > std::size_t(out.size()))
            out.resize(qsizetype(std::min(limit, std::max(written + count, std::size_t(out.size()) * 2))));
    };
    std::array<std::uint8_t, kRingSize> ring{};
    unsigned w = kRingStart;
    while (in < end && written < limit) {
        const std::uint8_t flags = *in++;
        for (int bit = 0; bit < 8 && in < end && written < limit; ++bit) {
            reserveFor(kMaxMatch);
            auto* o = reinterpret_cast<std::uint8_t*>(out.data());
            if (flags & (1u << bit)) {
                const std::uint8_t c = *in++;
                ring[w] = c;
                w = (w + 1) & (kRingSize - 1);
                o[written++] = c;
            } else {
                if (end - in < 2) {
                    in = end;  // a reference cut in half ends the stream
                    break;
                }
                const unsigned v = unsigned(in[0]) | unsigned(in[1]) << 8;
                in += 2;
                const unsigned source = v & 0x7FF;
                const std::size_t count = std::min<std::size_t>((v >> 11) + kMinMatch, limit - written);
                for (std::size_t k = 0; k < count; ++k) {
                    const std::uint8_t c = ring[(source + unsigned(k)) & (kRingSize - 1)];
                    ring[w] = c;
                    w = (w + 1) & (kRingSize - 1);
                    o[written++] = c;
                }
            }
        }
    }
    out.truncate(qsizetype(written));
    return out;
}

QByteArray LzCodec::decode(const QByteArray& stream, qsizetype maxOutput)
{
    return decode(reinterpret_cast<const std::uint8_t*>(stream.constData()), std::size_t(stream.size()),
                  maxOutput);
}

quint32 LzCodec::storedLength(RomImage& rom, SnesAddress address)
{
    rom.SeekSnes(address);
    // As decoding reads it: the header counts itself.
    return 2 + quint16(rom.readWord() - 2);
}

QByteArray LzCodec::decode(RomImage& rom, SnesAddress address, qsizetype expected)
{
    rom.SeekSnes(address);
    quint8 header[2];
    QByteArray out;
    if (rom.read(header, 2) == 2) {
        const qsizetype payload = quint16((header[0] | header[1] << 8) - 2);
        QByteArray stream(2 + payload, '\0');
        std::copy(header, header + 2, stream.begin());
        const qint64 available = rom.read(stream.data() + 2, payload);
        stream.truncate(2 + available);
        out = decode(stream, expected);
    }
    out.resize(expected, '\0');
    return out;
}

namespace {

// How many bytes of a and b agree, up to limit; eight at a time where the
// limit allows.
std::size_t commonLength(const std::uint8_t* a, const std::uint8_t* b, std::size_t limit)
{
    std::size_t k = 0;
    while (k + 8 <= limit) {
        std::uint64_t x, y;
        std::memcpy(&x, a + k, 8);
        std::memcpy(&y, b + k, 8);
        if (x != y) {
            if constexpr (std::endian::native == std::endian::little)
                return k + std::size_t(std::countr_zero(x ^ y) / 8);
            while (a[k] == b[k])
                ++k;
            return k;
        }
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
        std::uint64_t x;
        std::memcpy(&x, a + k, 8);
        if (x != pattern)
            break;
        k += 8;
    }
    while (k < limit && a[k] == b)
        ++k;
    return k;
}

}  // namespace

QByteArray LzCodec::encode(const QByteArray& bytes)
{
    return encode(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
}

// Hash chains over 3-byte prefixes: earlier positions with the same hash,
// nearest first, so the first candidate of a given length is the one the
// exhaustive search keeps. Only matches of 3 or more matter, and those
// share the prefix, so no candidate the reference could choose is missed.
//
// Runs of one byte would fill the chains with every position of every
// earlier run. A run [start, end) of at least 3 bytes is entered in the
// chain once, at end - 3, and searched as a whole (searchRunSegment): inside a
// run the match lengths follow a fixed shape, so a few tries settle it.
QByteArray LzCodec::encode(const std::uint8_t* data, std::size_t size)
{
    constexpr int kHashBits = 15;
    constexpr std::uint32_t kNone = 0xFFFFFFFFu;
    LzGroupWriter writer;
    if (size == 0)
        return writer.finish();

    std::vector<std::uint32_t> head(std::size_t(1) << kHashBits, kNone);
    // Each entry below is written when its position is entered, before any read.
    const std::unique_ptr<std::uint32_t[]> previous(new std::uint32_t[size]);
    const std::unique_ptr<std::uint32_t[]> runStartOf(new std::uint32_t[size]);  // at a run's entry
    // Run entries again, chained by the run's byte and the byte after it.
    constexpr int kFollowBits = 12;
    std::vector<std::uint32_t> followHead(std::size_t(1) << kFollowBits, kNone);
    const std::unique_ptr<std::uint32_t[]> followPrevious(new std::uint32_t[size]);
    auto followHash = [](std::uint8_t runByte, std::uint8_t next) {
        return ((std::uint32_t(runByte) << 8 | next) * 2654435761u) >> (32 - kFollowBits);
    };

    auto hashAt = [&](std::size_t p) {
        const std::uint32_t key = std::uint32_t(data[p]) | std::uint32_t(data[p + 1]) << 8 |
                                  std::uint32_t(data[p + 2]) << 16;
        return (key * 2654435761u) >> (32 - kHashBits);
    };
    // The run of equal bytes holding p. The chain builder and the search
    // each keep the run they last looked at and share what they find, so
    // each run is scanned about once.
    struct RunCursor {
        std::size_t start = 0;
        std::size_t end = 0;
        bool holds(std::size_t p) const { return p >= start && p < end; }
    };
    RunCursor insertRun;
    RunCursor searchRun;
    auto runOf = [&](RunCursor& run, const RunCursor& other, std::size_t p) {
        if (run.holds(p))
            return run;
        if (other.holds(p))
            return run = other;
        std::size_t start = p;
        if (p > 0 && data[p - 1] == data[p]) {
            const std::uint64_t pattern = data[p] * 0x0101010101010101ull;
            while (start >= 8) {
                std::uint64_t x;
                std::memcpy(&x, data + start - 8, 8);
                if (x != pattern)
                    break;
                start -= 8;
            }
            while (start > 0 && data[start - 1] == data[p])
                --start;
        }
        run.start = start;
        run.end = p + 1 + sameByteLength(data + p + 1, data[p], size - p - 1);
        return run;
    };
    std::size_t inserted = 0;  // positions below this have been entered
    auto insertUpTo = [&](std::size_t limit) {
        limit = std::min(limit, size > 2 ? size - 2 : 0);
        while (inserted < limit) {
            const RunCursor run = runOf(insertRun, searchRun, inserted);
            if (run.end - inserted > 3) {
                inserted = std::min(limit, run.end - 3);  // inside a run: entered once, at end - 3
                continue;
            }
            const std::uint32_t h = hashAt(inserted);
            previous[inserted] = head[h];
            head[h] = std::uint32_t(inserted);
            if (run.end - inserted == 3) {
                runStartOf[inserted] = std::uint32_t(run.start);
                if (run.end < size) {
                    const std::uint32_t f = followHash(data[inserted], data[run.end]);
                    followPrevious[inserted] = followHead[f];
                    followHead[f] = std::uint32_t(inserted);
                }
            }
            ++inserted;
        }
    };

    unsigned w = kRingStart;
    std::size_t pos = 0;
    while (pos < size) {
        const std::size_t maxLength = std::min<std::size_t>(kMaxMatch, size - pos);
        std::size_t bestLength = 0;
        std::size_t bestDistance = 0;
        auto offer = [&](std::size_t length, std::size_t candidate) {
            if (length > bestLength) {
                bestLength = length;
                bestDistance = pos - candidate;
            }
        };
        auto consider = [&](std::size_t candidate) {
            offer(commonLength(data + candidate, data + pos, maxLength), candidate);
        };
        insertUpTo(pos);
        if (maxLength >= kMinMatch) {
            const std::size_t window = std::min<std::size_t>(pos, kRingSize);
            const std::size_t lowest = pos - window;
            const RunCursor here = runOf(searchRun, insertRun, pos);
            const std::size_t run = here.end - pos;
            // Candidates c of an earlier run [start, end), or of the part of
            // pos's own run before pos, taken by increasing distance, have
            // q = end - c equal bytes ahead. Their match lengths rise with q
            // up to q = run and stay no higher after it, so the first of the
            // longest is at the nearest q, at q = run, at the length cap, or
            // at the farthest q.
            auto searchRunSegment = [&](std::size_t start, std::size_t nearest, std::size_t end) {
                const std::size_t first = std::max(start, lowest);
                const std::size_t qLow = end - nearest;
                const std::size_t qHigh = end - first;
                if (bestLength >= std::min(run, maxLength)) {
                    // Only the candidate with q = run can still do better.
                    if (run >= qLow && run <= qHigh && data[end + (bestLength - run)] == data[pos + bestLength])
                        consider(end - run);
                    return first;
                }
                const std::size_t a = std::min(std::clamp(maxLength, qLow, qHigh), run);
                const std::size_t b = std::min(run, qHigh);
                const std::size_t qs[4] = {qLow, std::min(a, b), std::max(a, b), qHigh};
                std::size_t tried = 0;
                for (std::size_t q : qs) {
                    if (q < qLow || q <= tried || bestLength >= maxLength)
                        continue;
                    tried = q;
                    if (q == run)
                        consider(end - q);  // the match may go on past both runs
                    else
                        offer(std::min(std::min(q, run), maxLength), end - q);
                }
                return first;
            };
            // Once a match as long as pos's run (or the cap) is found, only
            // a run of pos's byte followed by the byte after pos's run can do
            // better: the rest of the search follows that chain alone.
            const bool runFollowed = run >= 3 && here.end < size;
            auto onlyFollowersLeft = [&] { return runFollowed && bestLength >= run; };
            std::size_t searched = pos;  // run entries at or above this are done
            std::uint32_t candidate = head[hashAt(pos)];
            if (run >= 3 && here.start < pos && searchRunSegment(here.start, pos - 1, here.end) == lowest)
                candidate = kNone;  // the window ends inside pos's own run
            while (candidate != kNone && candidate >= lowest && bestLength < maxLength) {
                if (run >= 3 && data[candidate] == data[pos] && data[candidate + 1] == data[pos] &&
                    data[candidate + 2] == data[pos]) {
                    // Only a run's entry holds three equal bytes here.
                    if (onlyFollowersLeft())
                        break;
                    const std::size_t start = runStartOf[candidate];
                    searched = candidate;
                    if (searchRunSegment(start, candidate, candidate + 3) == lowest) {
                        searched = lowest;
                        break;
                    }
                    candidate = previous[candidate];
                    continue;
                }
                // A longer match must agree at the current best length first.
                if (bestLength == 0 || data[candidate + bestLength] == data[pos + bestLength])
                    consider(candidate);
                candidate = previous[candidate];
            }
            if (onlyFollowersLeft() && bestLength < maxLength) {
                const std::uint8_t next = data[here.end];
                for (std::uint32_t entry = followHead[followHash(data[pos], next)];
                     entry != kNone && entry >= lowest && bestLength < maxLength; entry = followPrevious[entry]) {
                    const std::size_t end = entry + 3;
                    if (entry >= searched || data[entry] != data[pos] || data[end] != next)
                        continue;
                    // The candidate run bytes ahead of the byte that follows.
                    if (end - runStartOf[entry] < run || end - run < lowest)
                        continue;
                    if (data[end + (bestLength - run)] == data[pos + bestLength])
                        consider(end - run);
                }
            }
        }
        if (bestLength >= kMinMatch) {
            writer.reference(int((w - bestDistance) & (kRingSize - 1)), int(bestLength));
            pos += bestLength;
            w = (w + unsigned(bestLength)) & (kRingSize - 1);
        } else {
            writer.literal(data[pos]);
            pos += 1;
            w = (w + 1) & (kRingSize - 1);
        }
    }
    return writer.finish();
}
