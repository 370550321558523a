#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace tessel {

class GameFonts;

// A glyph as the font editors' pixel grids hold it: one value per pixel,
// row by row (dialogue font: 12 x 11 cells of 0 or 1; menu font: 8 x 8
// cells of 0 to 3), and the glyph bytes that a grid writes back.
namespace glyphcells {

inline constexpr int kDialogueColumns = 12;
inline constexpr int kDialogueRows = 11;
inline constexpr int kMenuSize = 8;

std::vector<quint8> DialogueCells(const GameFonts& fonts, quint8 code);
// 22 bytes: for each row, bit 11 - c set where cell c holds 1, every other bit 0.
QByteArray DialogueBytes(const std::vector<quint8>& cells);

std::vector<quint8> MenuCells(const GameFonts& fonts, quint8 code);
// 16 bytes: for each row, plane 0 from bit 0 of each cell, then plane 1 from bit 1.
QByteArray MenuBytes(const std::vector<quint8>& cells);

// A glyph read off a 16 x 16 canvas on which a system font drew one
// character in black: rows `offset` to `offset` + 10 of the canvas, the
// first min(width, 12) columns. Pixels off the canvas are blank.
QByteArray DialogueBytesFromCanvas(const QImage& canvas, int offset, int width);

// Pictures of one glyph on the grid colours, one pixel per glyph pixel,
// for the glyph lists. The dialogue glyph's advance width shows as the
// blue area; the columns past it are grey.
QImage DialogueCellPicture(const GameFonts& fonts, quint8 code);
QImage MenuCellPicture(const GameFonts& fonts, quint8 code);

}  // namespace glyphcells

}  // namespace tessel
