#pragma once

#include "rom/romaddress.h"

#include <QByteArrayView>

namespace tessel {

class RomImage;

// The checksum in the internal header: the 16-bit sum of the image's bytes
// (the file without its copier header), with the image mirrored up to the
// next power of two as the console sees it (a 3 MB image counts its last
// 1 MB twice to make 4 MB), and its complement beside it. The four header
// bytes count as a consistent pair, so the sum does not depend on them.
class RomChecksum {
public:
    static constexpr SnesAddress kComplementAddress = 0xC0FFDC;
    static constexpr SnesAddress kChecksumAddress = 0xC0FFDE;

    static quint16 compute(QByteArrayView image);
    static quint16 storedChecksum(QByteArrayView image);
    static quint16 storedComplement(QByteArrayView image);
    // True when the stored pair is the computed sum and its complement.
    static bool matches(QByteArrayView image);

    // Writes the sum of the image being saved and its complement.
    static void write(RomImage& rom);
};

}  // namespace tessel
