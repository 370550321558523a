#pragma once

#include "worldmap/maptrigger.h"
#include "worldmap/pixelbuffer.h"
#include "worldmap/pointerlist.h"
#include "worldmap/regionsummary.h"
#include "worldmap/tileassembly.h"
#include "worldmap/worldmapaddresses.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace tessel {

class RomImage;

// One world map as the editors see it: tile map, tile graphics, palette,
// tile properties and triggers, with the ROM locations it came from.
struct WorldMap {
    QString name;
    int width = worldmap::kMapWidth;
    int height = worldmap::kMapHeight;
    QByteArray tileMap;        // width x height tile numbers, row 0 first
    QByteArray pieces;         // 256 packed 4-bit tile pieces of 32 bytes
    QByteArray regionSummary;  // the stored form as read; rebuilt on save
    TileAssembly tileAssembly;
    std::array<quint8, worldmap::kPropertiesSize> tileProperties{};  // 256 little-endian words
    std::array<quint8, worldmap::kPieceCount> piecePalette{};        // sub-palette base (0, 16 .. 112) per piece
    std::array<quint8, worldmap::kPaletteSize> palette{};            // 128 little-endian colour words
    QList<MapTrigger> triggers;  // entrance triggers first, then event triggers, in ROM order
    PointerList tileMapPointers;
    PointerList summaryPointers;
    PointerList piecesPointers;
    int lastScrollColumn = 0;
    int lastScrollRow = 0;
    const worldmap::MapLayout* layout = nullptr;

    // Reads every part of the map described by layout.
    void load(RomImage& rom, const worldmap::MapLayout& layout);
    // Writes the palette and the tile properties in place (the compressed
    // blocks are placed by MapBlocksSave, the triggers by the shared
    // trigger tables).
    void savePlainParts(RomImage& rom) const;

    int tileAt(int column, int row) const { return quint8(tileMap[row * width + column]); }
    void setTile(int column, int row, int tile) { tileMap[row * width + column] = char(tile); }
    quint16 tileProperty(int tile) const;
    void setTileProperty(int tile, quint16 word);
    quint16 color(int index) const;
    void setColor(int index, quint16 color);
    quint8* piece(int p) { return reinterpret_cast<quint8*>(pieces.data()) + 32 * p; }
    const quint8* piece(int p) const { return reinterpret_cast<const quint8*>(pieces.constData()) + 32 * p; }

    // The decoded graphics block: assembly, pieces, piece palette numbers.
    QByteArray graphicsBlock() const;
    void setGraphicsBlock(const QByteArray& block);
    // The region summary the current map, properties and triggers call for.
    QByteArray rebuiltSummary() const;

    // Draws one tile piece or one 16 x 16 map tile with its top-left at (x, y).
    void drawPiece(PixelBuffer& target, int x, int y, int piece, std::optional<quint16> tint = std::nullopt) const;
    void drawTile(PixelBuffer& target, int x, int y, int tile, std::optional<quint16> tint = std::nullopt) const;

    int triggerCount(MapTrigger::Kind kind) const;
    // The first trigger in list order lying on the cell, or -1.
    int firstTriggerAt(int column, int row) const;
};

}  // namespace tessel
