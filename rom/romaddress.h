#pragma once

#include <QtGlobal>

namespace tessel {

// SNES HiROM addresses and their place in a ROM file with a 512-byte copier
// header. Multi-byte values in the ROM are little-endian; a 24-bit pointer
// keeps its bank byte last.
using SnesAddress = quint32;

namespace rom {

inline constexpr qint64 kHeaderSize = 0x200;
inline constexpr qint64 kImageSize = 0x300000;                 // 3 MB game image
inline constexpr qint64 kRomFileSize = kHeaderSize + kImageSize; // 0x300200
inline constexpr SnesAddress kImageStart = 0xC00000;
inline constexpr SnesAddress kExpansionStart = 0xF00000;       // first address past the image
inline constexpr SnesAddress kAddressLimit = 0x1000000;        // nothing may reach this
inline constexpr qint64 kMaxFileSize = kHeaderSize + (kAddressLimit - kImageStart);

// file offset = address - 0xC00000 + 0x200, with 32-bit wrap-around.
constexpr qint64 fileOffset(SnesAddress address)
{
    return static_cast<quint32>(address + 0xFF400200u);
}

constexpr SnesAddress snesAddress(qint64 offset)
{
    return static_cast<SnesAddress>(offset + 0xBFFE00);
}

// Address of byte `offset` within bank `bank` (a 16-bit in-bank pointer).
constexpr SnesAddress inBank(quint8 bank, quint16 offset)
{
    return (SnesAddress(bank) << 16) | offset;
}

}  // namespace rom

}  // namespace tessel
