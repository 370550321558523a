#pragma once

namespace tessel {

// A small proportional pixel font of our own, drawn as string art, from
// which the sample ROM builds both game fonts. Kept as literal data so the
// sample image is the same on every machine.
namespace pixelfont {

inline constexpr int kAscent = 7;   // rows above the baseline (capital height)
inline constexpr int kDescent = 2;  // rows below it, for g, j, p, q, y
inline constexpr int kRows = kAscent + kDescent;
inline constexpr int kMaxWidth = 7;

// One character: kRows rows of equal length, '#' ink and '.' paper. The
// advance is the ink width plus the gap before the next character.
struct Glyph {
    char ch;
    int advance;
    const char* rows[kRows];

    int width() const;
    bool pixel(int x, int y) const;
    // The highest and lowest rows holding ink; -1 for a blank glyph.
    int topRow() const;
    int bottomRow() const;
};

// The glyph of a printable ASCII character (0x20-0x7E); null for others.
const Glyph* glyphFor(char c);

inline constexpr int kSymbolCount = 19;
inline constexpr int kSymbolSize = 7;  // leaves the eighth row and column for a shadow

// An icon in shades: '#' white, '+' grey, 'x' black, '.' transparent.
struct Symbol {
    const char* name;
    const char* rows[kSymbolSize];

    // 0 transparent, 1 black, 2 grey, 3 white.
    int shade(int x, int y) const;
};

// Dagger, Sword, Spear, Katana, Staff, Rod, Star, Diamond, Card, Claw,
// Shield, Helmet, Armor, Brush, Skean, Relic, White, Black, Effect Magic.
const Symbol& symbol(int index);

}  // namespace pixelfont

}  // namespace tessel
