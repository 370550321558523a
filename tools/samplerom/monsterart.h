#pragma once

#include <QtGlobal>

#include <array>
#include <vector>

namespace tessel {

// Procedural monster pictures for the sample ROM. Pictures are painted in
// abstract inks; the colour depth decides which pixel value each ink gets.
// Integer arithmetic only, so every machine paints the same pixels.
namespace monsterart {

// An ink is also the 4-bit pixel value. Each material has a dark, a middle
// and a light shade.
enum Ink : quint8 {
    Clear = 0,
    Outline,
    A0, A1, A2,  // body
    B0, B1, B2,  // second material: belly, wings, skin
    C0, C1, C2,  // horns, claws, metal
    Eye,         // eye whites and glows
    Pupil,
    D0, D1, D2,  // accents: spots, petals, plumes
};

enum class Kind { Slime, Eyeball, Bat, Beetle, Skull, Plant, Humanoid, Beast, Serpent, Dragon, Giant };
inline constexpr int kKindCount = 11;

struct Picture {
    int width = 0;   // pixels
    int height = 0;
    std::vector<quint8> inks;  // row by row

    quint8 at(int x, int y) const { return inks[size_t(y * width + x)]; }
};

// A creature painted into a square of `canvas` pixels, `size` pixels across
// at most, then moved to the top left corner so no leading cells are empty.
Picture paint(Kind kind, quint32 seed, int size, int canvas);

// The pixel value of an ink in a 3-bit picture: the other materials share
// the body's dark shade and the second material's ramp.
quint8 threeBitValue(quint8 ink);

// Sixteen SNES colours for a monster: colour i is ink i (4-bit pictures);
// a 3-bit picture uses colours 0-7 as threeBitValue() arranges them.
std::array<quint16, 16> colours(Kind kind, quint32 seed, int variant, bool threeBit);

}  // namespace monsterart

}  // namespace tessel
