#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

class QIODevice;

namespace tessel {

class GameFonts;

// A game font as an indexed picture: one cell per glyph (12 x 11 pixels for
// the dialogue font's codes 0x20-0x7F, 8 x 8 for the menu font's codes
// 0x80-0xFF), 16 cells a row, the font editors' grid colours as the
// palette. The dialogue font's 128 widths travel in a text entry of the
// picture. Export then import gives back the same bytes.
namespace fontsheet {

enum class Font { Dialogue, Menu };

inline constexpr int kGlyphsPerRow = 16;
// The text entry holding the dialogue widths: 128 bytes as hexadecimal.
inline constexpr char kWidthsKey[] = "Widths";

QImage ExportSheet(const GameFonts& fonts, Font font);

// What a sheet puts into the font: the glyph bytes it covers (dialogue:
// codes 0x20-0x7F, 22 bytes each; menu: the whole table) and, for the
// dialogue font, its 128 widths.
struct Contents {
    QByteArray glyphs;
    QByteArray widths;
};

// Reads a sheet against the font as it is (the dialogue rows' four unused
// bits are kept from it). A picture of the wrong size, a pixel of a colour
// that is not a grid colour, or missing or malformed widths refuse the
// sheet with a reason.
std::optional<Contents> ImportSheet(const QImage& sheet, Font font, const GameFonts& current, QString* reason);

// PNG files of sheets. Reading checks the picture's size before decoding
// it; a file of more than kMaxSheetFileSize bytes is no sheet.
inline constexpr qint64 kMaxSheetFileSize = 4 * 1024 * 1024;
bool WriteSheetFile(const QImage& sheet, const QString& path, QString* reason);
std::optional<QImage> ReadSheetFile(const QString& path, Font font, QString* reason);
std::optional<QImage> ReadSheet(QIODevice& device, Font font, QString* reason);

// "dialogue" or "menu", for messages and the command line.
QString fontName(Font font);
std::optional<Font> fontFromName(const QString& name);

}  // namespace fontsheet

}  // namespace tessel
