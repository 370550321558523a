#include "worldmap/packedtile.h"

#include "worldmap/snescolor.h"

namespace tessel {

int PackedTile::pixel(const quint8* piece, int x, int y)
{
    const quint8 byte = piece[y * 4 + x / 2];
    return (x & 1) ? byte >> 4 : byte & 15;
}

void PackedTile::setPixel(quint8* piece, int x, int y, int value)
{
    quint8& byte = piece[y * 4 + x / 2];
    if (x & 1)
        byte = quint8((byte & 0x0F) | (value & 15) << 4);
    else
        byte = quint8((byte & 0xF0) | (value & 15));
}

void PackedTile::draw(PixelBuffer& target, int x, int y, const quint8* piece, int paletteBase,
                      const quint8* palette, std::optional<quint16> tint)
{
    if (!target.drawable())
        return;
    quint32 pixels[16];
    for (int v = 0; v < 16; ++v) {
        const int index = (paletteBase + v) & 127;
        quint16 color = quint16(palette[2 * index] | palette[2 * index + 1] << 8);
        if (tint)
            color = SnesColor::tinted(color, *tint);
        pixels[v] = SnesColor::toScreen(color, target.depth);
    }
    for (int row = 0; row < kSize; ++row)
        for (int k = 0; k < 4; ++k) {
            const quint8 byte = piece[row * 4 + k];
            target.put(x + 2 * k, y + row, pixels[byte & 15]);
            target.put(x + 2 * k + 1, y + row, pixels[byte >> 4]);
        }
}

}  // namespace tessel
