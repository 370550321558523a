#pragma once

#include <QtGlobal>

#include <array>

namespace tessel {

// Which four tile pieces make each of the 256 map tiles: for tile t, bytes
// 4t..4t+3 are its top-left, top-right, bottom-left and bottom-right piece.
class TileAssembly {
public:
    static constexpr int kTiles = 256;
    static constexpr int kBytes = 4 * kTiles;
    enum Quarter { TopLeft, TopRight, BottomLeft, BottomRight };

    int piece(int tile, int quarter) const { return bytes[4 * tile + quarter]; }
    void setPiece(int tile, int quarter, int piece) { bytes[4 * tile + quarter] = quint8(piece); }

    std::array<quint8, kBytes> bytes{};
};

}  // namespace tessel
