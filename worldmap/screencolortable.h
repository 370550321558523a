#pragma once

#include "worldmap/celltint.h"
#include "worldmap/worldmapaddresses.h"

#include <QtGlobal>

#include <array>

namespace tessel {

// A map's 128 colours converted once for one screen depth, plain and mixed
// with each tint, so that drawing looks every pixel up instead of
// converting it. Colours come in 16 sub-palettes of 16, one per possible
// piece palette base (0, 16 .. 240); bases past the palette wrap into it.
class ScreenColorTable {
public:
    static constexpr int kSubPalettes = 16;

    ScreenColorTable() = default;
    // palette: the map's 128 little-endian colour words; depth 16, 24 or 32
    // (any other depth gives a table of zeros, and nothing is drawn with it).
    ScreenColorTable(const std::array<quint8, worldmap::kPaletteSize>& palette, int depth);

    int depth() const { return depth_; }
    // The 16 screen pixels of the sub-palette that starts at colour `base`
    // (a piece palette value), mixed with tint.
    const quint32* subPalette(CellTint tint, int base) const
    {
        return pixels_[std::size_t(tint)][std::size_t((base >> 4) & 15)].data();
    }
    // The two pixels of each byte of a tile piece (low nibble left) side by
    // side, the left one in the lowest 16, 24 or 32 bits, as they lie in
    // memory on a little-endian machine: one copy draws both.
    const quint64* pairs(CellTint tint, int base) const
    {
        return pairs_[std::size_t(tint)][std::size_t((base >> 4) & 15)].data();
    }
    // A solid colour (grid lines) converted for this depth.
    quint32 solid(quint16 color) const;

private:
    using SubPalette = std::array<quint32, 16>;
    using Pairs = std::array<quint64, 256>;
    int depth_ = 0;
    std::array<std::array<SubPalette, kSubPalettes>, kCellTintCount> pixels_{};
    std::array<std::array<Pairs, kSubPalettes>, kCellTintCount> pairs_{};
};

}  // namespace tessel
