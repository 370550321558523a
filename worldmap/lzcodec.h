#pragma once

#include "rom/romaddress.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace tessel {

class RomImage;

// The game's LZ scheme for the world-map blocks: a 16-bit total length,
// then groups of a flag byte and eight items, each item a literal byte
// (flag bit set) or a 2-byte reference into a 2048-byte ring (11-bit ring
// position, 5-bit length - 3). The encoder's exact choice of items is part
// of the format: the game's own blocks come back byte for byte.
class LzCodec {
public:
    static constexpr int kRingSize = 2048;
    static constexpr int kRingStart = 0x7DE;
    static constexpr int kMinMatch = 3;
    static constexpr int kMaxMatch = 34;
    // The length header is 16 bits; a longer stream cannot be stored.
    static constexpr int kMaxStreamLength = 0xFFFF;

    // Decodes the stream starting at `data`, never reading past `size` bytes
    // (a stream cut short ends where its input does) and never producing
    // more than `maxOutput` bytes (-1: no limit).
    static QByteArray decode(const std::uint8_t* data, std::size_t size, qsizetype maxOutput = -1);
    static QByteArray decode(const QByteArray& stream, qsizetype maxOutput = -1);
    // Decodes the stream at `address` of the open file into exactly
    // `expected` bytes: a shorter result is zero-filled, a longer one cut.
    // Nothing past the end of the file is read.
    static QByteArray decode(RomImage& rom, SnesAddress address, qsizetype expected);

    // How many bytes the stream at `address` takes, as its length header
    // says (the header included).
    static quint32 storedLength(RomImage& rom, SnesAddress address);

    // Encodes with the longest match at each position, ties going to the
    // nearest source. The length header holds the total modulo 65536;
    // callers that store a stream check it against kMaxStreamLength.
    static QByteArray encode(const std::uint8_t* data, std::size_t size);
    static QByteArray encode(const QByteArray& bytes);
};

}  // namespace tessel
