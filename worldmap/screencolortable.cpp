#include "worldmap/screencolortable.h"

namespace tessel {

ScreenColorTable::ScreenColorTable(const std::array<quint8, worldmap::kPaletteSize>& palette, int depth)
    : depth_(depth)
{
    for (int tint = 0; tint < kCellTintCount; ++tint) {
        for (int sub = 0; sub < kSubPalettes; ++sub) {
            for (int v = 0; v < 16; ++v) {
                const int index = (sub * 16 + v) & 127;
                quint16 color = quint16(palette[std::size_t(2 * index)] | palette[std::size_t(2 * index + 1)] << 8);
                if (tint != int(CellTint::None))
                    color = SnesColor::tinted(color, kCellTintColors[tint]);
                pixels_[std::size_t(tint)][std::size_t(sub)][std::size_t(v)] = SnesColor::toScreen(color, depth);
            }
            const SubPalette& single = pixels_[std::size_t(tint)][std::size_t(sub)];
            Pairs& pairs = pairs_[std::size_t(tint)][std::size_t(sub)];
            const int shift = depth == 16 ? 16 : depth == 24 ? 24 : 32;
            for (int byte = 0; byte < 256; ++byte)
                pairs[std::size_t(byte)] = quint64(single[std::size_t(byte & 15)]) |
                                           quint64(single[std::size_t(byte >> 4)]) << shift;
        }
    }
}

quint32 ScreenColorTable::solid(quint16 color) const
{
    return SnesColor::toScreen(color, depth_);
}

}  // namespace tessel
