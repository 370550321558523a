#include "text/glyphcells.h"

#include "text/fontcolors.h"
#include "text/gamefonts.h"

namespace tessel {

namespace glyphcells {

namespace {

// Columns past a dialogue glyph's width, in the glyph lists.
constexpr QRgb kPastWidth = qRgb(0xA0, 0xA0, 0xA0);

}  // namespace

std::vector<quint8> DialogueCells(const GameFonts& fonts, quint8 code)
{
    std::vector<quint8> cells(kDialogueColumns * kDialogueRows);
    for (int y = 0; y < kDialogueRows; ++y)
        for (int x = 0; x < kDialogueColumns; ++x)
            cells[std::size_t(y * kDialogueColumns + x)] = fonts.dialoguePixel(code, x, y) ? 1 : 0;
    return cells;
}

QByteArray DialogueBytes(const std::vector<quint8>& cells)
{
    QByteArray bytes(2 * kDialogueRows, '\0');
    for (int y = 0; y < kDialogueRows; ++y) {
        int row = 0;
        for (int x = 0; x < kDialogueColumns; ++x)
            if (cells.at(std::size_t(y * kDialogueColumns + x)) == 1)
                row |= 1 << (kDialogueColumns - 1 - x);
        bytes[2 * y] = char(row & 0xFF);
        bytes[2 * y + 1] = char(row >> 8);
    }
    return bytes;
}

std::vector<quint8> MenuCells(const GameFonts& fonts, quint8 code)
{
    std::vector<quint8> cells(kMenuSize * kMenuSize);
    for (int y = 0; y < kMenuSize; ++y)
        for (int x = 0; x < kMenuSize; ++x)
            cells[std::size_t(y * kMenuSize + x)] = quint8(fonts.menuPixel(code, x, y));
    return cells;
}

QByteArray MenuBytes(const std::vector<quint8>& cells)
{
    QByteArray bytes(2 * kMenuSize, '\0');
    for (int y = 0; y < kMenuSize; ++y) {
        quint8 plane0 = 0;
        quint8 plane1 = 0;
        for (int x = 0; x < kMenuSize; ++x) {
            const int value = cells.at(std::size_t(y * kMenuSize + x));
            plane0 |= quint8((value & 1) << (7 - x));
            plane1 |= quint8(((value >> 1) & 1) << (7 - x));
        }
        bytes[2 * y] = char(plane0);
        bytes[2 * y + 1] = char(plane1);
    }
    return bytes;
}

QByteArray DialogueBytesFromCanvas(const QImage& canvas, int offset, int width)
{
    std::vector<quint8> cells(kDialogueColumns * kDialogueRows);
    const int columns = std::min(width, kDialogueColumns);
    for (int y = 0; y < kDialogueRows; ++y) {
        const int canvasY = y + offset;
        if (canvasY < 0 || canvasY >= canvas.height())
            continue;
        for (int x = 0; x < columns && x < canvas.width(); ++x)
            if (qGray(canvas.pixel(x, canvasY)) < 128)
                cells[std::size_t(y * kDialogueColumns + x)] = 1;
    }
    return DialogueBytes(cells);
}

QImage DialogueCellPicture(const GameFonts& fonts, quint8 code)
{
    QImage picture(kDialogueColumns, kDialogueRows, QImage::Format_RGB32);
    const int width = code < fonts.dialogueWidths.size() ? fonts.dialogueWidths[code] : 0;
    const QRgb blue = fontcolors::snesToRgb(fontcolors::kDialogueGridColors[0]);
    const QRgb ink = fontcolors::snesToRgb(fontcolors::kDialogueGridColors[1]);
    for (int y = 0; y < kDialogueRows; ++y)
        for (int x = 0; x < kDialogueColumns; ++x)
            picture.setPixel(x, y, fonts.dialoguePixel(code, x, y) ? ink : x < width ? blue : kPastWidth);
    return picture;
}

QImage MenuCellPicture(const GameFonts& fonts, quint8 code)
{
    QImage picture(kMenuSize, kMenuSize, QImage::Format_RGB32);
    for (int y = 0; y < kMenuSize; ++y)
        for (int x = 0; x < kMenuSize; ++x)
            picture.setPixel(x, y, fontcolors::snesToRgb(fontcolors::kMenuGridColors[std::size_t(fonts.menuPixel(code, x, y))]));
    return picture;
}

}  // namespace glyphcells

}  // namespace tessel
