#include "worldmap/lzcodec.h"

#include "rom/romimage.h"
#include "worldmap/lzgroupwriter.h"
#include "worldmap/lzmatchfinder.h"

#include <algorithm>
#include <array>
#include <limits>

namespace tessel {

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

QByteArray LzCodec::encode(const QByteArray& bytes)
{
    return encode(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
}

QByteArray LzCodec::encode(const std::uint8_t* data, std::size_t size)
{
    LzGroupWriter writer(size);
    LzMatchFinder finder(data, size);
    unsigned ring = kRingStart;
    std::size_t pos = 0;
    while (pos < size) {
        const LzMatchFinder::Match match = finder.longestAt(pos);
        if (match.length >= kMinMatch) {
            writer.reference(int((ring - unsigned(match.distance)) & (kRingSize - 1)), match.length);
            pos += std::size_t(match.length);
            ring = (ring + unsigned(match.length)) & (kRingSize - 1);
        } else {
            writer.literal(data[pos]);
            pos += 1;
            ring = (ring + 1) & (kRingSize - 1);
        }
    }
    return writer.finish();
}

}  // namespace tessel
