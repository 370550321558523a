#pragma once

#include <QtGlobal>

namespace tessel {

// The SNES 15-bit colour word: red in bits 0-4, green 5-9, blue 10-14.
// Widening to the screen fills no low bits, so 31 becomes 248.
class SnesColor {
public:
    static int red(quint16 color) { return color & 31; }
    static int green(quint16 color) { return (color >> 5) & 31; }
    static int blue(quint16 color) { return (color >> 10) & 31; }
    static quint16 fromComponents(int r, int g, int b)
    {
        return quint16((r & 31) | (g & 31) << 5 | (b & 31) << 10);
    }

    // RGB565 with the lowest green bit 0.
    static quint16 toScreen16(quint16 color);
    // Packed as the bytes blue, green, red from the lowest byte up.
    static quint32 toScreen24(quint16 color);
    // 0x00RRGGBB.
    static quint32 toScreen32(quint16 color);
    // The pixel for a screen of the given depth; 0 for depths not drawn.
    static quint32 toScreen(quint16 color, int depth);

    // Each 5-bit channel moved halfway towards the tint, t + (c - t) / 2,
    // the quotient truncated toward zero.
    static quint16 tinted(quint16 color, quint16 tint);
};

}  // namespace tessel
