#pragma once

#include "worldmap/indexedpicture.h"
#include "worldmap/worldmapaddresses.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace tessel {

struct WorldMap;

// A world map's graphics as an 8-bit picture: every pixel is the colour
// index the map gives it (its piece's sub-palette base + its 4-bit value),
// and the colour table is the map's palette (each 5-bit channel times 8)
// followed by 128 black entries.
//
// "Whole Tiles": 256 x 256, tile t at ((t mod 16) x 16, (t / 16) x 16).
// "Tile Pieces": 128 x 128, piece p at ((p mod 16) x 8, (p / 16) x 8).
class TileSheet {
public:
    enum class Kind { WholeTiles, TilePieces };
    static constexpr int kWholeTilesSide = 256;
    static constexpr int kTilePiecesSide = 128;
    static constexpr int kPerRow = 16;

    static IndexedPicture exportSheet(const WorldMap& map, Kind kind);
    static std::array<quint32, IndexedPicture::kColors> colorTable(const WorldMap& map);

    // What a "Tile Pieces" picture puts into the map.
    struct Pieces {
        QByteArray pieces;  // 256 packed pieces of 32 bytes
        std::array<quint8, worldmap::kPieceCount> piecePalette{};
        std::array<quint8, worldmap::kPaletteSize> palette{};
    };
    enum class Refusal { None, WrongShape, SubPalettePastPalette };

    // Reads a "Tile Pieces" picture: the palette from colour entries 0-127
    // (each channel's upper five bits), each piece's sub-palette from the
    // second pixel of its top row, its pixels from their low four bits. A
    // picture other than 128 x 128 is refused (WrongShape), and so is one
    // that would give a piece a sub-palette past the map's 128 colours
    // (a second top-row pixel of index 128 or more).
    static std::optional<Pieces> importPieces(const IndexedPicture& picture, Refusal* refusal, QString* reason);

    // The message of the "Bitmap Invalid" box.
    static const char* const kInvalidBitmapText;
    static const char* const kInvalidBitmapTitle;
};

}  // namespace tessel
