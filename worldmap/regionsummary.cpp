#include "worldmap/regionsummary.h"

#include "worldmap/maptrigger.h"
#include "worldmap/planartile.h"
#include "worldmap/tileproperties.h"

namespace tessel {

namespace {

constexpr int kBlock = 4;  // map tiles per grid cell, each way
constexpr int kTileSide = 8;

}  // namespace

int RegionSummary::valueForShadowSum(int sum)
{
    if (sum == 0)
        return 1;
    if (sum <= 5)
        return 9;
    if (sum <= 23)
        return 3;
    if (sum <= 31)
        return 4;
    return 10;
}

RegionSummary::Grid RegionSummary::build(const quint8* tileMap, int width, int height, const quint8* properties,
                                         const QList<MapTrigger>& triggers)
{
    Grid grid{};
    // Per cell, whether its first trigger marks the region.
    QList<qint8> firstTrigger(qsizetype(width) * height, -1);
    for (const MapTrigger& trigger : triggers) {
        if (trigger.x >= width || trigger.y >= height)
            continue;
        qint8& cell = firstTrigger[qsizetype(trigger.y) * width + trigger.x];
        if (cell < 0)
            cell = trigger.marksRegion() ? 1 : 0;
    }
    for (int top = 0; top < height && top / kBlock < kGridSize; top += kBlock)
        for (int left = 0; left < width && left / kBlock < kGridSize; left += kBlock) {
            int sum = 0;
            bool marked = false;
            for (int y = top; y < qMin(top + kBlock, height); ++y)
                for (int x = left; x < qMin(left + kBlock, width); ++x) {
                    const int tile = tileMap[qsizetype(y) * width + x];
                    const quint16 word = quint16(properties[2 * tile] | properties[2 * tile + 1] << 8);
                    sum += TileProperties::shadowSize(word);
                    marked = marked || firstTrigger[qsizetype(y) * width + x] == 1;
                }
            grid[(top / kBlock) * kGridSize + left / kBlock] = quint8(marked ? 5 : valueForShadowSum(sum));
        }
    return grid;
}

int RegionSummary::bandOfStoredRow(int row)
{
    static constexpr int kBands[8] = {0, 2, 1, 3, 4, 6, 5, 7};
    return kBands[row];
}

QByteArray RegionSummary::pack(const Grid& grid)
{
    QByteArray stored(kStoredBytes, '\0');
    auto* bytes = reinterpret_cast<quint8*>(stored.data());
    for (int k = 0; k < 64; ++k) {
        const int band = bandOfStoredRow(k / 8);
        const int column0 = 8 * (k % 8);
        for (int y = 0; y < kTileSide; ++y)
            for (int x = 0; x < kTileSide; ++x)
                PlanarTile::setPixel(bytes + PlanarTile::kBytes * k, x, y,
                                     grid[(8 * band + y) * kGridSize + column0 + x]);
    }
    return stored;
}

RegionSummary::Grid RegionSummary::unpack(const QByteArray& stored)
{
    Grid grid{};
    if (stored.size() < kStoredBytes)
        return grid;
    const auto* bytes = reinterpret_cast<const quint8*>(stored.constData());
    for (int k = 0; k < 64; ++k) {
        const int band = bandOfStoredRow(k / 8);
        const int column0 = 8 * (k % 8);
        for (int y = 0; y < kTileSide; ++y)
            for (int x = 0; x < kTileSide; ++x)
                grid[(8 * band + y) * kGridSize + column0 + x] =
                    quint8(PlanarTile::pixel(bytes + PlanarTile::kBytes * k, x, y));
    }
    return grid;
}

}  // namespace tessel
