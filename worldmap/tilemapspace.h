#pragma once

#include <QByteArray>
#include <QString>

namespace tessel {

// How much of its room a tile map's compressed block fills, as the map
// frame's status bar tells it.
class TileMapSpace {
public:
    TileMapSpace(int encodedSize, int room) : encodedSize_(encodedSize), room_(room) {}
    // Compresses the tile map to see (the slow part: run it off the UI thread).
    static TileMapSpace measure(const QByteArray& tileMap, int room);

    int encodedSize() const { return encodedSize_; }
    int room() const { return room_; }
    // False when the next save moves the block past the game image.
    bool fitsRoom() const { return encodedSize_ <= room_; }
    // False when the block is too long for its length header: no save takes it.
    bool storable() const;

    // "Tile map: 15,210 of 15,643 bytes", with what the next save does when it does not fit.
    QString text() const;

private:
    int encodedSize_;
    int room_;
};

}  // namespace tessel
