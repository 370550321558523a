#include "worldmap/planartile.h"

namespace tessel {

namespace {

int planeOffset(int plane, int y)
{
    return (plane < 2 ? 0 : 16) + 2 * y + (plane & 1);
}

}  // namespace

int PlanarTile::pixel(const quint8* tile, int x, int y)
{
    int value = 0;
    for (int plane = 0; plane < 4; ++plane)
        value |= ((tile[planeOffset(plane, y)] >> (7 - x)) & 1) << plane;
    return value;
}

void PlanarTile::setPixel(quint8* tile, int x, int y, int value)
{
    for (int plane = 0; plane < 4; ++plane) {
        quint8& byte = tile[planeOffset(plane, y)];
        const quint8 bit = quint8(1u << (7 - x));
        byte = (value >> plane & 1) ? quint8(byte | bit) : quint8(byte & ~bit);
    }
}

}  // namespace tessel
