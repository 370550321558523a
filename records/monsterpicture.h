#pragma once

#include <QImage>
#include <QPoint>

#include <span>

namespace tessel {

class MonsterTables;

// How a monster's battle picture is stored: its graphics descriptor.
struct MonsterGraphic {
    int tileOffset = 0;  // the first tile, in units of 8 bytes of the tile data
    bool threeBit = false;
    bool large = false;  // 16 x 16 cells, else 8 x 8
    int palette = 0;     // 0-1023, in units of 8 colours
    int templateNumber = 0;

    static MonsterGraphic fromDescriptor(std::span<const quint8> descriptor);
    int cells() const { return large ? 16 : 8; }
    int tileBytes() const { return threeBit ? 24 : 32; }
};

// Draws monster pictures: each set cell of the descriptor's template takes
// the next 8 x 8 tile (3 or 4 bit planes) from the tile data, coloured
// from the palette block; pixel value 0 is transparent. Every read is
// checked against its block: a template past its table draws nothing, and
// tiles and colours that lie outside the tile data or the palettes are
// drawn as nothing.
class MonsterPicture {
public:
    // The picture of a monster as large as its template (64 or 128 pixels
    // square), transparent where nothing is drawn; a null image for a
    // monster number out of range.
    static QImage render(const MonsterTables& tables, int monster);
    // Draws it into a 32-bit image with its top-left corner at `origin`,
    // clipped at the image's edges.
    static void draw(QImage& target, QPoint origin, const MonsterTables& tables, int monster);
};

}  // namespace tessel
