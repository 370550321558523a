#include "text/fontsheet.h"

#include "text/fontcolors.h"
#include "text/gamefonts.h"
#include "text/glyphcells.h"
#include "text/pngfile.h"

#include "platform/fileaccess.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>

#include <algorithm>
#include <cctype>
#include <span>
#include <vector>

namespace tessel {

namespace fontsheet {

QString fontName(Font font)
{
    return font == Font::Dialogue ? QStringLiteral("dialogue") : QStringLiteral("menu");
}

namespace {

constexpr int kDialogueGlyphCount = 0x80 - GameFonts::kDialogueFirstCode;  // codes 0x20-0x7F
constexpr int kMenuGlyphCount = 0x100 - GameFonts::kMenuFirstCode;
constexpr int kWidthCount = 128;
// The widest advance the font editor lets one type.
constexpr int kMaxDialogueWidth = GameFonts::kDialogueGlyphColumns;

struct Geometry {
    int count;
    int cellWidth;
    int cellHeight;
    std::span<const quint16> colors;

    int columns() const { return kGlyphsPerRow; }
    int rows() const { return (count + kGlyphsPerRow - 1) / kGlyphsPerRow; }
    QSize size() const { return {columns() * cellWidth, rows() * cellHeight}; }
    QPoint cell(int glyph) const { return {glyph % kGlyphsPerRow * cellWidth, glyph / kGlyphsPerRow * cellHeight}; }
};

Geometry geometryOf(Font font)
{
    if (font == Font::Dialogue)
        return {kDialogueGlyphCount, GameFonts::kDialogueGlyphColumns, GameFonts::kDialogueGlyphRows,
                fontcolors::kDialogueGridColors};
    return {kMenuGlyphCount, 8, 8, fontcolors::kMenuGridColors};
}

// The pixel value of a grid colour; -1 for any other colour.
int valueOf(QRgb color, const Geometry& geometry)
{
    if (qAlpha(color) != 255)
        return -1;
    for (std::size_t value = 0; value < geometry.colors.size(); ++value)
        if (fontcolors::snesToRgb(geometry.colors[value]) == (color | 0xFF000000u))
            return int(value);
    return -1;
}

// The grid values of glyph number `glyph` of the sheet, row by row.
std::vector<quint8> cellsOf(const GameFonts& fonts, Font font, int glyph)
{
    if (font == Font::Dialogue)
        return glyphcells::DialogueCells(fonts, quint8(GameFonts::kDialogueFirstCode + glyph));
    return glyphcells::MenuCells(fonts, quint8(GameFonts::kMenuFirstCode + glyph));
}

QString wrongSize(QSize size, Font font)
{
    const QSize expected = geometryOf(font).size();
    return QCoreApplication::translate("FontSheet", "The picture is %1 x %2 pixels; a %3 font sheet is %4 x %5.")
        .arg(size.width())
        .arg(size.height())
        .arg(fontName(font))
        .arg(expected.width())
        .arg(expected.height());
}

std::optional<QByteArray> widthsFrom(const QImage& sheet, QString* reason)
{
    const QString text = sheet.text(QString::fromLatin1(kWidthsKey)).trimmed();
    const QByteArray widths = QByteArray::fromHex(text.toLatin1());
    const bool hex = text.size() == 2 * kWidthCount
                     && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return isxdigit(c.toLatin1()); });
    if (!hex || widths.size() != kWidthCount) {
        if (reason)
            *reason = text.isEmpty()
                          ? QCoreApplication::translate(
                                "FontSheet", "The picture has no character widths (its \"%1\" text is missing).")
                                .arg(QString::fromLatin1(kWidthsKey))
                          : QCoreApplication::translate("FontSheet", "The picture's character widths are malformed.");
        return std::nullopt;
    }
    return widths;
}

// The first width the sheet changes to more than the editor lets one type;
// a wide width the font already holds round-trips.
std::optional<QString> tooWide(const QByteArray& widths, const GameFonts& current)
{
    for (int code = 0; code < kWidthCount; ++code) {
        const quint8 width = quint8(widths[code]);
        if (width > kMaxDialogueWidth && width != current.dialogueWidths[std::size_t(code)])
            return QCoreApplication::translate("FontSheet",
                                               "The width of character code 0x%1 is %2; a width is at most %3.")
                .arg(QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper())
                .arg(width)
                .arg(kMaxDialogueWidth);
    }
    return std::nullopt;
}

}  // namespace

std::optional<Font> fontFromName(const QString& name)
{
    if (name == QLatin1String("dialogue"))
        return Font::Dialogue;
    if (name == QLatin1String("menu"))
        return Font::Menu;
    return std::nullopt;
}

QImage ExportSheet(const GameFonts& fonts, Font font)
{
    const Geometry geometry = geometryOf(font);
    QImage sheet(geometry.size(), QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (const quint16 color : geometry.colors)
        palette.append(fontcolors::snesToRgb(color));
    sheet.setColorTable(palette);
    sheet.fill(0);
    for (int glyph = 0; glyph < geometry.count; ++glyph) {
        const QPoint at = geometry.cell(glyph);
        const std::vector<quint8> cells = cellsOf(fonts, font, glyph);
        for (int y = 0; y < geometry.cellHeight; ++y)
            std::copy_n(cells.begin() + y * geometry.cellWidth, geometry.cellWidth, sheet.scanLine(at.y() + y) + at.x());
    }
    if (font == Font::Dialogue) {
        const QByteArray widths(reinterpret_cast<const char*>(fonts.dialogueWidths.data()), kWidthCount);
        sheet.setText(QString::fromLatin1(kWidthsKey), QString::fromLatin1(widths.toHex()));
    }
    return sheet;
}

std::optional<Contents> ImportSheet(const QImage& sheet, Font font, const GameFonts& current, QString* reason)
{
    const Geometry geometry = geometryOf(font);
    if (sheet.size() != geometry.size()) {
        if (reason)
            *reason = wrongSize(sheet.size(), font);
        return std::nullopt;
    }
    Contents contents;
    if (font == Font::Dialogue) {
        const std::optional<QByteArray> widths = widthsFrom(sheet, reason);
        if (!widths)
            return std::nullopt;
        if (const std::optional<QString> wide = tooWide(*widths, current)) {
            if (reason)
                *reason = *wide;
            return std::nullopt;
        }
        contents.widths = *widths;
    }

    // Every pixel must be a grid colour; the colours' values are the font's.
    std::vector<std::vector<quint8>> cells(std::size_t(geometry.count),
                                           std::vector<quint8>(std::size_t(geometry.cellWidth * geometry.cellHeight)));
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            const int value = valueOf(sheet.pixel(x, y), geometry);
            if (value < 0) {
                if (reason)
                    *reason = QCoreApplication::translate(
                                  "FontSheet", "The pixel at (%1, %2) has a colour that is not one of the font's.")
                                  .arg(x)
                                  .arg(y);
                return std::nullopt;
            }
            const int glyph = y / geometry.cellHeight * kGlyphsPerRow + x / geometry.cellWidth;
            cells[std::size_t(glyph)][std::size_t(y % geometry.cellHeight * geometry.cellWidth + x % geometry.cellWidth)] =
                quint8(value);
        }
    }
    for (int glyph = 0; glyph < geometry.count; ++glyph) {
        if (font == Font::Menu) {
            contents.glyphs += glyphcells::MenuBytes(cells[std::size_t(glyph)]);
            continue;
        }
        QByteArray bytes = glyphcells::DialogueBytes(cells[std::size_t(glyph)]);
        // Bits 12-15 of a row are no pixels: they stay as the font has them.
        const int at = glyph * GameFonts::kDialogueGlyphSize;
        for (int y = 0; y < GameFonts::kDialogueGlyphRows; ++y)
            bytes[2 * y + 1] = char(quint8(bytes[2 * y + 1]) | (current.dialogueGlyphs[std::size_t(at + 2 * y + 1)] & 0xF0));
        contents.glyphs += bytes;
    }
    return contents;
}

bool WriteSheetFile(const QImage& sheet, const QString& path, QString* reason)
{
    return WritePngFile(sheet, path, reason);
}

std::optional<QImage> ReadSheetFile(const QString& path, Font font, QString* reason)
{
    platform::FileReadResult file = platform::readFileBounded(path, kMaxSheetFileSize);
    if (!file.ok) {
        if (reason)
            *reason = file.reason;
        return std::nullopt;
    }
    QBuffer buffer(&file.data);
    buffer.open(QIODevice::ReadOnly);
    return ReadSheet(buffer, font, reason);
}

std::optional<QImage> ReadSheet(QIODevice& device, Font font, QString* reason)
{
    QImageReader reader(&device);
    // A picture of another size is refused before any of it is decoded.
    if (reader.canRead() && reader.size().isValid() && reader.size() != geometryOf(font).size()) {
        if (reason)
            *reason = wrongSize(reader.size(), font);
        return std::nullopt;
    }
    QImage sheet = reader.read();
    if (sheet.isNull()) {
        if (reason)
            *reason = reader.errorString();
        return std::nullopt;
    }
    return sheet;
}

}  // namespace fontsheet

}  // namespace tessel
