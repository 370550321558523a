#pragma once

#include <QByteArray>

namespace tessel {

// Tile pieces, tile assembly, palette and tile properties of the sample
// world maps: 256 tiles of 4 pieces each, 8 families in 8 sub-palettes.
namespace sampletilegraphics {

QByteArray pieces(bool ruined);         // 8192 bytes: 256 packed 4-bit pieces
QByteArray assembly();                  // 1024 bytes
QByteArray piecePaletteNumbers();       // 128 bytes, two 4-bit numbers each
QByteArray palette(bool ruined);        // 128 colour words
QByteArray tileProperties(bool ruined); // 256 property words

}  // namespace sampletilegraphics

}  // namespace tessel
