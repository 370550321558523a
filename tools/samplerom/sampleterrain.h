#pragma once

#include <QByteArray>
#include <QList>

namespace tessel {

// The tile numbers the sample world maps use: 8 families of 32 tiles,
// family f drawn from tile pieces 32f..32f+31 in sub-palette f.
namespace sampletiles {

enum Family { Water, Grass, Forest, Mountain, Desert, Town, Shore, Wild };

inline constexpr int kDeepWater = 0;
inline constexpr int kWaves = 1;
inline constexpr int kShallows = 2;
inline constexpr int kGrass = 32;
inline constexpr int kMeadow = 33;
inline constexpr int kForest = 64;
inline constexpr int kDarkForest = 65;
inline constexpr int kHills = 96;
inline constexpr int kMountain = 97;
inline constexpr int kPeak = 98;
inline constexpr int kCave = 99;
inline constexpr int kDesert = 128;
inline constexpr int kDunes = 129;
inline constexpr int kOasis = 130;
inline constexpr int kTown = 160;     // 160-167: eight towns
inline constexpr int kCastle = 168;
inline constexpr int kTower = 169;
inline constexpr int kBeach = 192;
inline constexpr int kSnow = 224;
inline constexpr int kSwamp = 225;
inline constexpr int kWasteland = 226;

}  // namespace sampletiles

// A generated 256 x 256 world: continents and islands over ocean, with
// forests, mountains, deserts and towns. Integer arithmetic only, so the
// same seed gives the same map everywhere.
struct SampleTerrain {
    struct Place {
        int x;
        int y;
        int tile;
    };

    struct Style {
        quint32 seed;
        int oceanPercent;   // share of cells under water
        int desertPercent;  // share of land that is desert
        int forestPercent;  // share of land that is forest
        int towns;
        bool ruined;        // swamps and wasteland instead of meadows and snow
    };

    static SampleTerrain generate(const Style& style);

    QByteArray tiles;     // 65536 tile numbers, row-major
    QList<Place> places;  // towns, castles, caves, in placing order
};

}  // namespace tessel
