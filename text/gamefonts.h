#pragma once

#include "rom/romaddress.h"

#include <array>

namespace tessel {

class RomImage;

// The game's two fonts as the ROM keeps them: the variable-width dialogue
// font (widths of codes 0x00-0x7F, 11-row glyphs of codes 0x20-0x9F) and the
// 8 x 8 two-bit menu font (codes 0x80-0xFF). Saved.
class GameFonts {
public:
    static constexpr SnesAddress kDialogueWidthsAddress = 0xC48FC0;
    static constexpr SnesAddress kDialogueGlyphsAddress = 0xC490C0;
    static constexpr SnesAddress kMenuGlyphsAddress = 0xC487C0;
    static constexpr int kDialogueGlyphRows = 11;
    static constexpr int kDialogueGlyphColumns = 12;
    static constexpr int kDialogueGlyphSize = 2 * kDialogueGlyphRows;  // 22
    static constexpr int kDialogueFirstCode = 0x20;
    static constexpr int kMenuGlyphSize = 16;
    static constexpr int kMenuFirstCode = 0x80;

    void load(RomImage& rom);
    void save(RomImage& rom) const;

    // Whether pixel (x, y) of a dialogue glyph is set (ignores the width).
    bool dialoguePixel(quint8 code, int x, int y) const;
    // The 0-3 value of pixel (x, y) of a menu glyph.
    int menuPixel(quint8 code, int x, int y) const;

    std::array<quint8, 128> dialogueWidths{};
    std::array<quint8, 128 * kDialogueGlyphSize> dialogueGlyphs{};
    std::array<quint8, 128 * kMenuGlyphSize> menuGlyphs{};
};

}  // namespace tessel
