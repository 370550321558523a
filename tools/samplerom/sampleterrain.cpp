#include "tools/samplerom/sampleterrain.h"

#include "tools/samplerom/samplerandom.h"

#include <algorithm>
#include <vector>

namespace tessel {

using namespace sampletiles;

namespace {

constexpr int kSide = 256;

// Smooth integer noise: random heights on a lattice, blended bilinearly
// and wrapping around the map's edges like the game's worlds do.
class LatticeNoise {
public:
    LatticeNoise(quint32 seed, int step, int amplitude) : step_(step), cells_(kSide / step)
    {
        SampleRandom random(seed);
        values_.resize(std::size_t(cells_ * cells_));
        for (int& v : values_)
            v = random.below(amplitude + 1);
    }

    int at(int x, int y) const
    {
        const int gx = x / step_, gy = y / step_;
        const int fx = x % step_, fy = y % step_;
        const int top = value(gx, gy) * (step_ - fx) + value(gx + 1, gy) * fx;
        const int bottom = value(gx, gy + 1) * (step_ - fx) + value(gx + 1, gy + 1) * fx;
        return (top * (step_ - fy) + bottom * fy) / (step_ * step_);
    }

private:
    int value(int gx, int gy) const { return values_[std::size_t((gy % cells_) * cells_ + gx % cells_)]; }

    int step_;
    int cells_;
    std::vector<int> values_;
};

// The value below which `percent` of the field lies.
int percentile(std::vector<int> field, int percent)
{
    const auto nth = field.begin() + std::ptrdiff_t(field.size() * std::size_t(percent) / 100);
    std::nth_element(field.begin(), nth, field.end());
    return *nth;
}

std::vector<int> layeredNoise(quint32 seed, std::initializer_list<std::pair<int, int>> octaves)
{
    std::vector<int> field(kSide * kSide, 0);
    quint32 octaveSeed = seed;
    for (const auto& [step, amplitude] : octaves) {
        const LatticeNoise noise(octaveSeed, step, amplitude);
        octaveSeed = octaveSeed * 1103515245u + 12345u;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x)
                field[std::size_t(y * kSide + x)] += noise.at(x, y);
    }
    return field;
}

}  // namespace

SampleTerrain SampleTerrain::generate(const Style& style)
{
    const std::vector<int> height = layeredNoise(style.seed, {{64, 1000}, {32, 450}, {16, 200}, {8, 110}, {4, 45}});
    const std::vector<int> moisture = layeredNoise(style.seed ^ 0xA5A5u, {{64, 700}, {32, 300}, {8, 90}});
    const int seaLevel = percentile(height, style.oceanPercent);
    std::vector<int> landMoisture;
    std::vector<int> landHeight;
    for (std::size_t i = 0; i < height.size(); ++i)
        if (height[i] >= seaLevel) {
            landMoisture.push_back(moisture[i]);
            landHeight.push_back(height[i]);
        }
    const int mountainLevel = landHeight.empty() ? seaLevel : percentile(landHeight, 86);
    const int peakLevel = landHeight.empty() ? seaLevel : percentile(landHeight, 97);
    const int dryLevel = landMoisture.empty() ? 0 : percentile(landMoisture, style.desertPercent);
    const int wetLevel = landMoisture.empty() ? 0 : percentile(landMoisture, 100 - style.forestPercent);

    SampleTerrain terrain;
    terrain.tiles = QByteArray(kSide * kSide, char(kDeepWater));
    auto land = [&](int x, int y) { return height[std::size_t(((y + kSide) % kSide) * kSide + (x + kSide) % kSide)] >= seaLevel; };
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const std::size_t i = std::size_t(y * kSide + x);
            int tile;
            if (!land(x, y)) {
                const bool nearLand = land(x - 1, y) || land(x + 1, y) || land(x, y - 1) || land(x, y + 1);
                tile = nearLand ? kShallows : (x % 16 == 8 && y % 16 == 8) ? kWaves : kDeepWater;
            } else if (height[i] >= peakLevel) {
                tile = style.ruined ? kMountain : kPeak;
            } else if (height[i] >= mountainLevel) {
                tile = kMountain;
            } else if (height[i] < seaLevel + 12) {
                tile = kBeach;
            } else if (moisture[i] < dryLevel) {
                tile = moisture[i] < dryLevel - 60 ? kDunes : kDesert;
            } else if (moisture[i] >= wetLevel) {
                tile = style.ruined ? kSwamp : (moisture[i] >= wetLevel + 80 ? kDarkForest : kForest);
            } else if (height[i] >= mountainLevel - 40) {
                tile = kHills;
            } else {
                tile = style.ruined ? kWasteland : kGrass;
            }
            terrain.tiles[qsizetype(i)] = char(tile);
        }

    // Settlements on open land, caves at the foot of mountains.
    SampleRandom random(style.seed * 7 + 1);
    auto tileAt = [&](int x, int y) { return quint8(terrain.tiles[y * kSide + x]); };
    for (int attempts = 0; terrain.places.size() < style.towns && attempts < 20000; ++attempts) {
        const int x = random.between(2, kSide - 3);
        const int y = random.between(2, kSide - 3);
        const int here = tileAt(x, y);
        const bool open = here == kGrass || here == kWasteland || here == kDesert || here == kHills;
        if (!open)
            continue;
        const bool crowded = std::any_of(terrain.places.begin(), terrain.places.end(), [&](const Place& p) {
            return std::abs(p.x - x) < 12 && std::abs(p.y - y) < 12;
        });
        if (crowded)
            continue;
        const int n = int(terrain.places.size());
        const int tile = n % 5 == 4 ? kCastle : n % 7 == 6 ? kTower : kTown + n % 8;
        terrain.tiles[y * kSide + x] = char(tile);
        terrain.places.append({x, y, tile});
    }
    int caves = 0;
    for (int y = 1; y < kSide - 1 && caves < style.towns / 3; y += 7)
        for (int x = 1; x < kSide - 1 && caves < style.towns / 3; ++x)
            if (tileAt(x, y) == kMountain && (tileAt(x, y + 1) == kGrass || tileAt(x, y + 1) == kWasteland)) {
                terrain.tiles[y * kSide + x] = char(kCave);
                terrain.places.append({x, y, kCave});
                ++caves;
                x += 40;
            }
    if (!style.ruined)
        for (int x = 0; x < kSide; ++x)  // polar ice along the top rows
            for (int y = 0; y < 3; ++y)
                if (tileAt(x, y) != kDeepWater && tileAt(x, y) != kShallows)
                    terrain.tiles[y * kSide + x] = char(kSnow);
    return terrain;
}

}  // namespace tessel
