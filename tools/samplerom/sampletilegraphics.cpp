#include "tools/samplerom/sampletilegraphics.h"

#include "tools/samplerom/samplerandom.h"
#include "tools/samplerom/sampleterrain.h"
#include "worldmap/packedtile.h"
#include "worldmap/snescolor.h"
#include "worldmap/tileassembly.h"

#include <cstdlib>

namespace tessel {

using namespace sampletiles;

namespace sampletilegraphics {

namespace {

constexpr int kFamilySize = 32;

// Colour value 0-15 of pixel (x, y) of variant v of a family's piece.
int pixelOf(int family, int v, int x, int y, bool ruined)
{
    switch (family) {
    case Water:  // rolling wave crests
        return ((x + 2 * y + v) % 8 < 2 && y % 4 == v % 4) ? 4 + v % 3 : 1 + (y + v / 4) % 2;
    case Grass:  // tufts on a plain ground
        return ((x * 5 + y * 3 + v * 7) % 13 == 0) ? 5 : ((x + y + v) % 6 == 0 ? 3 : 2);
    case Forest: {  // a round crown on a trunk
        const int dx = x - 3 - v % 2, dy = y - 3;
        if (dx * dx + dy * dy <= 8)
            return dx + dy < 0 ? 6 : 5;
        if (x == 3 + v % 2 && y >= 5)
            return 9;
        return 2 + (v & 1);
    }
    case Mountain: {  // a ridge lit from the left, snow on the peaks
        const int slope = std::abs(x - 4) * 2;
        if (y < slope - (v % 3))
            return 2;
        if (y < 2 && v % 4 == 0)
            return 12;
        return x < 4 ? 7 : 9;
    }
    case Desert:  // dunes
        return (y * 2 + ((x + v) % 8 < 4 ? x % 4 : 3 - x % 4)) % 7 < 2 ? 6 : 3 + v % 2;
    case Town: {  // a house: roof, wall, door
        if (y < 3)
            return (x >= 3 - y && x <= 4 + y) ? 9 + v % 3 : 2;
        if (y == 7)
            return 2;
        if (x == 0 || x == 7)
            return 2;
        return (x == 3 || x == 4) && y >= 5 ? 13 : 6;
    }
    case Shore:  // sand meeting the water along one side
        return ((v % 4 == 0 && y < 2) || (v % 4 == 1 && x > 5) || (v % 4 == 2 && y > 5) || (v % 4 == 3 && x < 2))
                   ? 3
                   : 8 + (x + y + v) % 3 / 2;
    default:  // snow, swamp or wasteland with scattered stones
        return ((x * 3 + y * 7 + v * 5) % 17 == 0) ? (ruined ? 11 : 14) : 4 + (y + v) % 2;
    }
}

}  // namespace

QByteArray pieces(bool ruined)
{
    QByteArray all(256 * PackedTile::kBytes, '\0');
    SampleRandom random(ruined ? 0x4B1D : 0x90D);
    for (int p = 0; p < 256; ++p) {
        auto* piece = reinterpret_cast<quint8*>(all.data()) + p * PackedTile::kBytes;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                PackedTile::setPixel(piece, x, y, pixelOf(p / kFamilySize, p % kFamilySize, x, y, ruined));
        // A little grain, so no two pieces are quite alike.
        for (int speck = random.between(2, 7); speck > 0; --speck)
            PackedTile::setPixel(piece, random.below(8), random.below(8), random.between(1, 15));
    }
    return all;
}

QByteArray assembly()
{
    QByteArray bytes(TileAssembly::kBytes, '\0');
    for (int t = 0; t < 256; ++t) {
        const int family = t / kFamilySize, variant = t % kFamilySize;
        for (int q = 0; q < 4; ++q)
            bytes[4 * t + q] = char(family * kFamilySize + (variant * 5 + q * 3) % kFamilySize);
    }
    return bytes;
}

QByteArray piecePaletteNumbers()
{
    QByteArray bytes(128, '\0');
    for (int k = 0; k < 128; ++k) {
        const int family = (2 * k) / kFamilySize;  // both pieces of a byte share a family
        bytes[k] = char(family | family << 4);
    }
    return bytes;
}

QByteArray palette(bool ruined)
{
    // Two anchor colours per sub-palette, blended over its 16 entries.
    struct Anchors {
        int r0, g0, b0, r1, g1, b1;
    };
    static constexpr Anchors kBalance[8] = {
        {2, 6, 18, 12, 22, 31},  {6, 16, 4, 18, 28, 10},  {2, 10, 3, 14, 24, 8},   {10, 8, 6, 28, 26, 24},
        {22, 18, 8, 31, 29, 18}, {12, 6, 4, 31, 24, 18},  {4, 12, 22, 31, 28, 18}, {18, 20, 24, 31, 31, 31},
    };
    static constexpr Anchors kRuin[8] = {
        {8, 4, 10, 20, 14, 20},  {12, 10, 4, 22, 20, 10}, {8, 8, 4, 18, 16, 8},    {12, 6, 4, 26, 18, 14},
        {20, 12, 6, 30, 22, 12}, {14, 4, 4, 30, 16, 12},  {10, 8, 12, 28, 20, 14}, {10, 8, 6, 24, 18, 12},
    };
    QByteArray words(256, '\0');
    for (int f = 0; f < 8; ++f) {
        const Anchors& a = (ruined ? kRuin : kBalance)[f];
        for (int i = 0; i < 16; ++i) {
            const quint16 color = i == 0 ? 0
                                         : SnesColor::fromComponents(a.r0 + (a.r1 - a.r0) * i / 15,
                                                                     a.g0 + (a.g1 - a.g0) * i / 15,
                                                                     a.b0 + (a.b1 - a.b0) * i / 15);
            words[2 * (16 * f + i)] = char(color);
            words[2 * (16 * f + i) + 1] = char(color >> 8);
        }
    }
    return words;
}

QByteArray tileProperties(bool ruined)
{
    // Walking 0x10, chocobo 0x01, landing 0x02, transparent 0x20, shadow
    // 0x0C, background 0x700, encounters 0x40, music 0x2000, events 0xC000.
    QByteArray words(512, '\0');
    for (int t = 0; t < 256; ++t) {
        const int family = t / kFamilySize, variant = t % kFamilySize;
        int shadow = 0, background = 0, flags = 0;
        switch (family) {
        case Water:
            flags = 0x10 | 0x01 | 0x02;
            break;
        case Grass:
            shadow = 1;
            flags = 0x40;
            break;
        case Forest:
            shadow = variant % 2 ? 2 : 1;
            background = 3;
            flags = 0x40 | 0x20;
            break;
        case Mountain:
            shadow = variant == 1 ? 3 : variant == 2 ? 3 : 2;
            background = 1;
            flags = variant == 3 ? 0x40 : 0x10 | 0x01 | 0x02;
            break;
        case Desert:
            shadow = 2;
            background = 2;
            flags = 0x40 | (variant == 2 ? 0x4000 : 0);
            break;
        case Town:
            shadow = 1;
            background = 4;
            flags = (variant >= 8 ? 0x2000 : 0) | (variant == 9 ? 0x8000 : 0);
            break;
        case Shore:
            shadow = 1;
            flags = 0x40 | 0x01;
            break;
        default:
            shadow = variant % 4;
            background = variant == 0 ? 6 : variant == 31 ? 7 : 0;
            flags = 0x40;
            break;
        }
        if (ruined && family != Water && family != Town)
            background = 5;
        const quint16 word = quint16(flags | shadow << 2 | background << 8);
        words[2 * t] = char(word);
        words[2 * t + 1] = char(word >> 8);
    }
    return words;
}

}  // namespace sampletilegraphics

}  // namespace tessel
