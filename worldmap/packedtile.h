#pragma once

#include "worldmap/pixelbuffer.h"

#include <QtGlobal>

#include <optional>

namespace tessel {

// A world-map tile piece: 8 rows of 4 bytes, top row first; byte k of a
// row holds pixel 2k in its low nibble and pixel 2k + 1 in its high nibble.
class PackedTile {
public:
    static constexpr int kBytes = 32;
    static constexpr int kSize = 8;

    static int pixel(const quint8* piece, int x, int y);
    static void setPixel(quint8* piece, int x, int y, int value);

    // Draws the piece with its top-left at (x, y). Colour index of a pixel:
    // paletteBase + value into the 128 colour words of `palette` (the index
    // wraps within them, so a bad base never reads past the palette).
    // With a tint, every colour is mixed with it first.
    static void draw(PixelBuffer& target, int x, int y, const quint8* piece, int paletteBase,
                     const quint8* palette, std::optional<quint16> tint = std::nullopt);
};

}  // namespace tessel
