#include "worldmap/mappainter.h"

#include "worldmap/worldmap.h"

#include <cstring>

namespace tessel {

namespace {

constexpr int kPieceSize = 8;

template <int Bytes>
inline void store(uchar* at, quint32 pixel)
{
    if constexpr (Bytes == 4) {
        std::memcpy(at, &pixel, 4);
    } else if constexpr (Bytes == 2) {
        const quint16 value = quint16(pixel);
        std::memcpy(at, &value, 2);
    } else {
        at[0] = uchar(pixel);
        at[1] = uchar(pixel >> 8);
        at[2] = uchar(pixel >> 16);
    }
}

// One tile piece, every pixel inside the buffer, a byte's two pixels at a
// time (the low PairBytes bytes of its entry in the pair table).
template <int PairBytes>
void drawPiecePairs(uchar* topLeft, qsizetype stride, const quint8* piece, const quint64* pairs)
{
    for (int row = 0; row < kPieceSize; ++row, topLeft += stride, piece += 4) {
        for (int k = 0; k < 4; ++k)
            std::memcpy(topLeft + k * PairBytes, &pairs[piece[k]], PairBytes);
    }
}

// One tile piece, every pixel inside the buffer.
template <int Bytes>
void drawPieceUnclipped(uchar* topLeft, qsizetype stride, const quint8* piece, const quint32* colors)
{
    for (int row = 0; row < kPieceSize; ++row, topLeft += stride, piece += 4) {
        uchar* out = topLeft;
        for (int k = 0; k < 4; ++k, out += 2 * Bytes) {
            const quint8 pair = piece[k];
            store<Bytes>(out, colors[pair & 15]);
            store<Bytes>(out + Bytes, colors[pair >> 4]);
        }
    }
}

// One tile piece, clipped to the buffer.
void drawPieceClipped(PixelBuffer& target, int x, int y, const quint8* piece, const quint32* colors)
{
    for (int row = 0; row < kPieceSize; ++row)
        for (int k = 0; k < 4; ++k) {
            const quint8 pair = piece[row * 4 + k];
            target.put(x + 2 * k, y + row, colors[pair & 15]);
            target.put(x + 2 * k + 1, y + row, colors[pair >> 4]);
        }
}

}  // namespace

MapPainter::MapPainter(const WorldMap& map, const ScreenColorTable& colors) : map_(map), colors_(colors) {}

void MapPainter::addOverlay(const TileOverlay* overlay)
{
    if (overlay && !overlay->isEmpty())
        overlays_.push_back(overlay);
}

int MapPainter::tileAt(int column, int row) const
{
    for (auto overlay = overlays_.rbegin(); overlay != overlays_.rend(); ++overlay) {
        const int tile = (*overlay)->tileAt(column, row);
        if (tile != TileOverlay::kClear)
            return tile;
    }
    return map_.tileAt(column, row);
}

void MapPainter::drawTile(PixelBuffer& target, int x, int y, int tile, CellTint tint) const
{
    const bool inside = x >= 0 && y >= 0 && x + kCellPixels <= target.width && y + kCellPixels <= target.height;
    for (int quarter = 0; quarter < 4; ++quarter) {
        const int piece = map_.tileAssembly.piece(tile, quarter);
        const int base = map_.piecePalette[std::size_t(piece)];
        const quint32* colors = colors_.subPalette(tint, base);
        const int px = x + (quarter & 1) * kPieceSize;
        const int py = y + (quarter >> 1) * kPieceSize;
        const quint8* data = map_.piece(piece);
        if (!inside) {
            drawPieceClipped(target, px, py, data, colors);
            continue;
        }
        uchar* at = target.bits + py * target.stride;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        const quint64* pairs = colors_.pairs(tint, base);
        switch (target.depth) {
        case 16: drawPiecePairs<4>(at + px * 2, target.stride, data, pairs); break;
        case 24: drawPiecePairs<6>(at + px * 3, target.stride, data, pairs); break;
        case 32: drawPiecePairs<8>(at + px * 4, target.stride, data, pairs); break;
        default: break;
        }
#else
        switch (target.depth) {
        case 16: drawPieceUnclipped<2>(at + px * 2, target.stride, data, colors); break;
        case 24: drawPieceUnclipped<3>(at + px * 3, target.stride, data, colors); break;
        case 32: drawPieceUnclipped<4>(at + px * 4, target.stride, data, colors); break;
        default: break;
        }
#endif
    }
}

void MapPainter::drawCells(PixelBuffer& target, const QRect& cells, QPoint origin) const
{
    if (!target.drawable() || colors_.depth() != target.depth || map_.pieces.size() < worldmap::kPiecesSize ||
        map_.tileMap.size() < qsizetype(map_.width) * map_.height)
        return;
    const QRect onMap = cells & QRect(0, 0, map_.width, map_.height);
    for (int row = onMap.top(); row <= onMap.bottom(); ++row) {
        const int y = origin.y() + (row - cells.top()) * kCellPixels;
        for (int column = onMap.left(); column <= onMap.right(); ++column) {
            const int x = origin.x() + (column - cells.left()) * kCellPixels;
            const int tile = tileAt(column, row);
            CellTint tint = tints_ ? tints_->at(column, row) : CellTint::None;
            if (tint == CellTint::None && highlighted_ == tile)
                tint = CellTint::HighlightedTile;
            drawTile(target, x, y, tile, tint);
        }
    }
}

void MapPainter::drawGrid(PixelBuffer& target, const QRect& cells, QPoint origin) const
{
    if (!target.drawable())
        return;
    const QRect onMap = cells & QRect(0, 0, map_.width, map_.height);
    if (onMap.isEmpty())
        return;
    const quint32 pixel = colors_.solid(kGridLineColor);
    // The part of the region the map covers, in buffer pixels.
    const int left = origin.x() + (onMap.left() - cells.left()) * kCellPixels;
    const int top = origin.y() + (onMap.top() - cells.top()) * kCellPixels;
    const int width = onMap.width() * kCellPixels;
    const int height = onMap.height() * kCellPixels;
    for (int i = 0; i < onMap.width(); ++i)
        target.fill(left + i * kCellPixels, top, 1, height, pixel);
    for (int j = 0; j < onMap.height(); ++j)
        target.fill(left, top + j * kCellPixels, width, 1, pixel);
}

}  // namespace tessel
