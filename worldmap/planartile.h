#pragma once

#include <QtGlobal>

namespace tessel {

// An SNES 4-bit planar 8 x 8 tile (32 bytes): planes 0 and 1 of row y at
// bytes 2y and 2y + 1, planes 2 and 3 at 16 + 2y and 17 + 2y; bit 7 of a
// plane byte is the leftmost pixel.
class PlanarTile {
public:
    static constexpr int kBytes = 32;

    static int pixel(const quint8* tile, int x, int y);
    static void setPixel(quint8* tile, int x, int y, int value);
};

}  // namespace tessel
