#pragma once

#include <QByteArray>
#include <QSize>

#include <optional>

namespace tessel {

// A rectangle of tile numbers lifted from a map or carried on the
// clipboard. On the clipboard it is byte 0 the width, byte 1 the height,
// then the tiles row by row. A size byte holds the size modulo 256: a
// block as wide or as tall as a whole 256-cell map stores 0 there, which
// no real block has, and reads back as 256.
struct MapBlock {
    int width = 0;
    int height = 0;
    QByteArray tiles;  // width x height, row by row

    bool isEmpty() const { return width <= 0 || height <= 0; }
    QSize size() const { return {width, height}; }
    int tileAt(int column, int row) const { return quint8(tiles[row * width + column]); }

    QByteArray toClipboard() const;
    // The block in clipboard bytes; none when they are too short for the
    // size they announce (bytes past the tiles are ignored).
    static std::optional<MapBlock> fromClipboard(const QByteArray& bytes);
};

}  // namespace tessel
