#include "tools/samplerom/pixelfont.h"
#include "tools/samplerom/samplegenerators.h"
#include "tools/samplerom/samplerom.h"

#include "text/dialoguetext.h"
#include "text/gamefonts.h"
#include "text/menutext.h"

#include <algorithm>
#include <array>

namespace tessel {

namespace samplegen {

namespace {

// Capitals start two rows below the top of the 11-row dialogue cell, which
// leaves the last two rows for descenders.
constexpr int kDialogueTopRow = GameFonts::kDialogueGlyphRows - pixelfont::kRows;
constexpr int kDialogueCodes = 128;

const pixelfont::Glyph* dialogueGlyph(quint8 code)
{
    const QChar ch = dialoguetext::charFromCode(code);
    return ch.isNull() ? nullptr : pixelfont::glyphFor(char(ch.toLatin1()));
}

QByteArray dialogueWidths()
{
    QByteArray widths(kDialogueCodes, '\0');
    for (int code = 0; code < kDialogueCodes; ++code)
        if (const pixelfont::Glyph* glyph = dialogueGlyph(quint8(code)))
            widths[code] = char(std::min(glyph->advance, GameFonts::kDialogueGlyphColumns));
    return widths;
}

QByteArray dialogueGlyphs()
{
    QByteArray bytes(kDialogueCodes * GameFonts::kDialogueGlyphSize, '\0');
    for (int i = 0; i < kDialogueCodes; ++i) {
        // Codes past 0x7F are pairs, drawn from two glyphs: theirs stay blank.
        const pixelfont::Glyph* glyph = dialogueGlyph(quint8(GameFonts::kDialogueFirstCode + i));
        if (!glyph)
            continue;
        for (int y = 0; y < pixelfont::kRows; ++y) {
            quint16 row = 0;
            for (int x = 0; x < glyph->width() && x < GameFonts::kDialogueGlyphColumns; ++x)
                if (glyph->pixel(x, y))
                    row |= quint16(1u << (GameFonts::kDialogueGlyphColumns - 1 - x));
            const int at = i * GameFonts::kDialogueGlyphSize + 2 * (kDialogueTopRow + y);
            bytes[at] = char(row & 0xFF);
            bytes[at + 1] = char(row >> 8);
        }
    }
    return bytes;
}

// An 8 x 8 tile of 0-3 pixel values.
using Tile = std::array<std::array<int, 8>, 8>;

// White ink with a black shadow one pixel right and down, so the glyph
// reads on the menu's blue windows.
void addShadow(Tile& tile)
{
    const Tile ink = tile;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (ink[y][x] >= 2 && x + 1 < 8 && y + 1 < 8 && tile[y + 1][x + 1] == 0)
                tile[y + 1][x + 1] = 1;
}

Tile menuTile(const pixelfont::Glyph& glyph)
{
    Tile tile{};
    if (glyph.topRow() < 0)
        return tile;
    // Centred across the seven columns the shadow leaves. The tile has one
    // row below the baseline, so deeper descenders ride up a row; their
    // shadow's last row falls outside the tile.
    const int left = (7 - glyph.width()) / 2;
    const int lift = std::clamp(glyph.bottomRow() - 7, 0, glyph.topRow());
    for (int y = 0; y < pixelfont::kRows; ++y)
        for (int x = 0; x < glyph.width(); ++x)
            if (glyph.pixel(x, y) && y - lift < 8 && left + x < 7)
                tile[y - lift][left + x] = 3;
    addShadow(tile);
    return tile;
}

Tile menuTile(const pixelfont::Symbol& symbol)
{
    Tile tile{};
    for (int y = 0; y < pixelfont::kSymbolSize; ++y)
        for (int x = 0; x < pixelfont::kSymbolSize; ++x)
            tile[y][x] = symbol.shade(x, y);
    addShadow(tile);
    return tile;
}

void putTile(QByteArray& bytes, int code, const Tile& tile)
{
    const int base = (code - GameFonts::kMenuFirstCode) * GameFonts::kMenuGlyphSize;
    for (int y = 0; y < 8; ++y) {
        quint8 plane0 = 0;
        quint8 plane1 = 0;
        for (int x = 0; x < 8; ++x) {
            const quint8 bit = quint8(0x80 >> x);
            if (tile[y][x] & 1)
                plane0 |= bit;
            if (tile[y][x] & 2)
                plane1 |= bit;
        }
        bytes[base + 2 * y] = char(plane0);
        bytes[base + 2 * y + 1] = char(plane1);
    }
}

QByteArray menuGlyphs()
{
    QByteArray bytes(128 * GameFonts::kMenuGlyphSize, '\0');
    // Every character the menu encoding has a code for; the space (0xFE)
    // stays blank like the padding code.
    for (int c = 0x21; c < 0x7F; ++c) {
        const quint8 code = menutext::MenuCodeFromChar(QLatin1Char(char(c)));
        if (code >= GameFonts::kMenuFirstCode && code < menutext::kFirstSymbol)
            putTile(bytes, code, menuTile(*pixelfont::glyphFor(char(c))));
    }
    for (int i = 0; i < pixelfont::kSymbolCount; ++i)
        putTile(bytes, menutext::kFirstSymbol + i, menuTile(pixelfont::symbol(i)));
    return bytes;
}

}  // namespace

void writeFonts(SampleRom& rom)
{
    rom.place(GameFonts::kDialogueWidthsAddress, dialogueWidths(), QStringLiteral("dialogue font widths"));
    rom.place(GameFonts::kDialogueGlyphsAddress, dialogueGlyphs(), QStringLiteral("dialogue font glyphs"));
    rom.place(GameFonts::kMenuGlyphsAddress, menuGlyphs(), QStringLiteral("menu font glyphs"));
}

}  // namespace samplegen

}  // namespace tessel
