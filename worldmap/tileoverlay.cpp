#include "worldmap/tileoverlay.h"

namespace tessel {

TileOverlay::TileOverlay(QPoint at, int width, int height)
    : cells_(at, QSize(qMax(width, 0), qMax(height, 0))), tiles_(std::size_t(cells_.width() * cells_.height()), kClear)
{
}

TileOverlay TileOverlay::block(const QRect& cells, const QByteArray& tiles)
{
    TileOverlay overlay(cells.topLeft(), cells.width(), cells.height());
    const qsizetype count = qMin(qsizetype(overlay.tiles_.size()), tiles.size());
    for (qsizetype i = 0; i < count; ++i)
        overlay.tiles_[std::size_t(i)] = quint8(tiles[i]);
    return overlay;
}

void TileOverlay::set(int column, int row, int tile)
{
    if (cells_.contains(column, row))
        tiles_[std::size_t((row - cells_.top()) * cells_.width() + (column - cells_.left()))] = qint16(tile);
}

}  // namespace tessel
