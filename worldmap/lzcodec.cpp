#include "worldmap/lzcodec.h"

#include "document/romimage.h"
#include "worldmap/lzgroupwriter.h"

#include <algorithm>
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
    const qsizetype limit = maxOutput < 0 ? std::numeric_limits<qsizetype>::max() : maxOutput;

    std::array<std::uint8_t, kRingSize> ring{};
    unsigned w = kRingStart;
    auto put = [&](std::uint8_t c) {
        ring[w] = c;
        w = (w + 1) & (kRingSize - 1);
        out.append(char(c));
    };
    if (maxOutput > 0)
        out.reserve(maxOutput);
    while (in < end && out.size() < limit) {
        const std::uint8_t flags = *in++;
        for (int bit = 0; bit < 8 && in < end && out.size() < limit; ++bit) {
            if (flags & (1u << bit)) {
                put(*in++);
            } else {
                if (end - in < 2)
                    return out;  // a reference cut in half ends the stream
                const unsigned v = unsigned(in[0]) | unsigned(in[1]) << 8;
                in += 2;
                const unsigned source = v & 0x7FF;
                const int count = int(v >> 11) + kMinMatch;
                for (int k = 0; k < count && out.size() < limit; ++k)
                    put(ring[(source + unsigned(k)) & (kRingSize - 1)]);
            }
        }
    }
    return out;
}

QByteArray LzCodec::decode(const QByteArray& stream, qsizetype maxOutput)
{
    return decode(reinterpret_cast<const std::uint8_t*>(stream.constData()), std::size_t(stream.size()),
                  maxOutput);
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

QByteArray LzCodec::encode(const QByteArray& bytes)
{
    return encode(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
}

// Hash chains over 3-byte prefixes: every earlier position with the same
// hash, nearest first, so the first candidate of a given length is the one
// the exhaustive search keeps. Only matches of 3 or more matter, and those
// share the prefix, so no candidate the reference could choose is missed.
QByteArray LzCodec::encode(const std::uint8_t* data, std::size_t size)
{
    constexpr int kHashBits = 15;
    constexpr std::uint32_t kNone = 0xFFFFFFFFu;
    LzGroupWriter writer;
    if (size == 0)
        return writer.finish();

    std::vector<std::uint32_t> head(std::size_t(1) << kHashBits, kNone);
    std::vector<std::uint32_t> previous(size, kNone);
    auto hashAt = [&](std::size_t p) {
        const std::uint32_t key = std::uint32_t(data[p]) | std::uint32_t(data[p + 1]) << 8 |
                                  std::uint32_t(data[p + 2]) << 16;
        return (key * 2654435761u) >> (32 - kHashBits);
    };
    std::size_t inserted = 0;  // positions below this are in the chains
    auto insertUpTo = [&](std::size_t limit) {
        for (; inserted < limit && inserted + 2 < size; ++inserted) {
            const std::uint32_t h = hashAt(inserted);
            previous[inserted] = head[h];
            head[h] = std::uint32_t(inserted);
        }
    };

    unsigned w = kRingStart;
    std::size_t pos = 0;
    while (pos < size) {
        const std::size_t maxLength = std::min<std::size_t>(kMaxMatch, size - pos);
        std::size_t bestLength = 0;
        std::size_t bestDistance = 0;
        insertUpTo(pos);
        if (maxLength >= kMinMatch) {
            const std::uint32_t h = hashAt(pos);
            const std::size_t window = std::min<std::size_t>(pos, kRingSize);
            for (std::uint32_t candidate = head[h]; candidate != kNone; candidate = previous[candidate]) {
                const std::size_t distance = pos - candidate;
                if (distance > window)
                    break;
                // A longer match must agree at the current best length first.
                if (bestLength > 0 && data[candidate + bestLength] != data[pos + bestLength])
                    continue;
                std::size_t k = 0;
                while (k < maxLength && data[candidate + k] == data[pos + k])
                    ++k;
                if (k > bestLength) {
                    bestLength = k;
                    bestDistance = distance;
                    if (k == maxLength)
                        break;
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
