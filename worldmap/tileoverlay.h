#pragma once

#include <QByteArray>
#include <QRect>

#include <vector>

namespace tessel {

// Tiles shown over a map's own cells without being part of it: the
// floating block of a marquee selection, a paste preview, the shape a
// drawing tool is about to make. A cell marked kClear shows the map.
class TileOverlay {
public:
    static constexpr qint16 kClear = -1;

    TileOverlay() = default;
    // An overlay of width x height clear cells with its top-left at `at`.
    TileOverlay(QPoint at, int width, int height);
    // A block of tile numbers, `tiles` holding them row by row.
    static TileOverlay block(const QRect& cells, const QByteArray& tiles);

    const QRect& cells() const { return cells_; }
    bool isEmpty() const { return cells_.isEmpty(); }
    // The tile shown at a map cell, or kClear.
    int tileAt(int column, int row) const
    {
        if (!cells_.contains(column, row))
            return kClear;
        return tiles_[std::size_t((row - cells_.top()) * cells_.width() + (column - cells_.left()))];
    }
    void set(int column, int row, int tile);

private:
    QRect cells_;
    std::vector<qint16> tiles_;
};

}  // namespace tessel
