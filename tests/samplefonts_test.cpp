#include "rom/romimage.h"
#include "text/dialoguetext.h"
#include "text/gamefonts.h"
#include "text/menutext.h"
#include "tools/samplerom/pixelfont.h"
#include "tools/samplerom/samplerom.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QString>
#include <QStringList>

#include <cstring>
#include <set>
#include <utility>

namespace {

const GameFonts& fonts()
{
    static const GameFonts loaded = [] {
        RomImage rom;
        rom.openInMemory(buildSampleRom(), RomImage::Mode::Loading);
        GameFonts f;
        f.load(rom);
        return f;
    }();
    return loaded;
}

// '#' for a set pixel, '.' for an empty one.
QString dialogueArt(quint8 code)
{
    QString art;
    for (int y = 0; y < GameFonts::kDialogueGlyphRows; ++y)
        for (int x = 0; x < GameFonts::kDialogueGlyphColumns; ++x)
            art += fonts().dialoguePixel(code, x, y) ? u'#' : u'.';
    return art;
}

// '.' transparent, 'o' black, '+' grey, '#' white.
QStringList menuArt(quint8 code)
{
    QStringList rows;
    for (int y = 0; y < 8; ++y) {
        QString row;
        for (int x = 0; x < 8; ++x)
            row += QLatin1Char(".o+#"[fonts().menuPixel(code, x, y)]);
        rows << row;
    }
    return rows;
}

bool menuBlank(quint8 code)
{
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (fonts().menuPixel(code, x, y))
                return false;
    return true;
}

// The set pixels of a shape, moved so its top-left ink sits at (0, 0).
std::set<std::pair<int, int>> normalised(std::set<std::pair<int, int>> pixels)
{
    int left = 99, top = 99;
    for (const auto& [x, y] : pixels) {
        left = std::min(left, x);
        top = std::min(top, y);
    }
    std::set<std::pair<int, int>> out;
    for (const auto& [x, y] : pixels)
        out.insert({x - left, y - top});
    return out;
}

// Codes of letters and digits: dialogue 0x20-0x5D, menu 0x80-0xBD.
constexpr int kLettersAndDigits = 26 + 26 + 10;

}  // namespace

TEST(PixelFont, GlyphArtIsWellFormed)
{
    EXPECT_EQ(pixelfont::glyphFor(0x1F), nullptr);
    EXPECT_EQ(pixelfont::glyphFor(0x7F), nullptr);
    for (int c = 0x20; c < 0x7F; ++c) {
        const pixelfont::Glyph* glyph = pixelfont::glyphFor(char(c));
        ASSERT_NE(glyph, nullptr) << c;
        EXPECT_EQ(glyph->ch, char(c));
        EXPECT_LE(glyph->width(), pixelfont::kMaxWidth) << char(c);
        EXPECT_GT(glyph->advance, glyph->width()) << char(c);
        for (const char* row : glyph->rows) {
            EXPECT_EQ(int(std::strlen(row)), glyph->width()) << char(c);
            EXPECT_EQ(std::strspn(row, ".#"), std::strlen(row)) << char(c);
        }
        EXPECT_EQ(glyph->topRow() < 0, c == ' ') << char(c);
    }
    for (int i = 0; i < pixelfont::kSymbolCount; ++i)
        for (const char* row : pixelfont::symbol(i).rows) {
            EXPECT_EQ(int(std::strlen(row)), pixelfont::kSymbolSize) << pixelfont::symbol(i).name;
            EXPECT_EQ(std::strspn(row, ".#+x"), std::strlen(row)) << pixelfont::symbol(i).name;
        }
}

TEST(SampleFonts, DialogueLettersAndDigitsAreDrawnAndDistinct)
{
    QSet<QString> seen;
    const QString blank(GameFonts::kDialogueGlyphRows * GameFonts::kDialogueGlyphColumns, u'.');
    for (int code = 0x20; code < 0x20 + kLettersAndDigits; ++code) {
        const QString art = dialogueArt(quint8(code));
        EXPECT_NE(art, blank) << code;
        EXPECT_FALSE(seen.contains(art)) << code;
        seen.insert(art);
    }
}

TEST(SampleFonts, DialogueWidthsFitTheCharacters)
{
    const GameFonts& f = fonts();
    for (int code = 0; code < 0x80; ++code) {
        const int width = f.dialogueWidths[code];
        if (!dialoguetext::charFromCode(quint8(code)).isNull()) {
            EXPECT_GE(width, 1) << code;
            EXPECT_LE(width, 12) << code;
        } else {
            EXPECT_EQ(width, 0) << code;
        }
        for (int y = 0; y < GameFonts::kDialogueGlyphRows; ++y)
            for (int x = width; x < GameFonts::kDialogueGlyphColumns; ++x)
                EXPECT_FALSE(f.dialoguePixel(quint8(code), x, y)) << code << " at " << x << "," << y;
    }
    // A space must still move the pen.
    EXPECT_GE(f.dialogueWidths[dialoguetext::kSpace], 3);
    // Pair codes are drawn from two other glyphs; theirs stay empty.
    const QString blank(GameFonts::kDialogueGlyphRows * GameFonts::kDialogueGlyphColumns, u'.');
    for (int code = 0x74; code < 0xA0; ++code)
        EXPECT_EQ(dialogueArt(quint8(code)), blank) << code;
}

TEST(SampleFonts, DialogueGlyphsSitOnOneBaseline)
{
    const GameFonts& f = fonts();
    auto rowHasInk = [&](quint8 code, int y) {
        for (int x = 0; x < GameFonts::kDialogueGlyphColumns; ++x)
            if (f.dialoguePixel(code, x, y))
                return true;
        return false;
    };
    for (int code = 0x20; code < 0x80; ++code)
        EXPECT_FALSE(rowHasInk(quint8(code), 0)) << code;
    // Capitals and digits: from row 2 down to the baseline, row 8.
    for (const char c : QByteArray("AHMTZ0147")) {
        const quint8 code = dialoguetext::codeFromChar(QLatin1Char(c));
        EXPECT_TRUE(rowHasInk(code, 2)) << c;
        EXPECT_FALSE(rowHasInk(code, 1)) << c;
        EXPECT_TRUE(rowHasInk(code, 8)) << c;
        EXPECT_FALSE(rowHasInk(code, 9)) << c;
    }
    for (const char c : QByteArray("gjpqy")) {
        const quint8 code = dialoguetext::codeFromChar(QLatin1Char(c));
        EXPECT_TRUE(rowHasInk(code, 9)) << c;
    }
}

TEST(SampleFonts, DialogueDrawsAWord)
{
    const GameFonts& f = fonts();
    QStringList picture(GameFonts::kDialogueGlyphRows);
    for (const char c : QByteArray("Hi")) {
        const quint8 code = dialoguetext::codeFromChar(QLatin1Char(c));
        for (int y = 0; y < GameFonts::kDialogueGlyphRows; ++y)
            for (int x = 0; x < f.dialogueWidths[code]; ++x)
                picture[y] += f.dialoguePixel(code, x, y) ? u'#' : u'.';
    }
    const QStringList expected = {
        "........",
        "........",
        "#...#.#.",
        "#...#...",
        "#...#.#.",
        "#####.#.",
        "#...#.#.",
        "#...#.#.",
        "#...#.#.",
        "........",
        "........",
    };
    EXPECT_EQ(picture, expected);
}

TEST(SampleFonts, MenuLettersAreShadowedAndDistinct)
{
    QSet<QStringList> seen;
    for (int code = 0x80; code < 0x80 + kLettersAndDigits; ++code) {
        const QStringList art = menuArt(quint8(code));
        EXPECT_TRUE(art.join(QString()).contains(u'#')) << code;
        EXPECT_FALSE(art.join(QString()).contains(u'+')) << code;
        EXPECT_FALSE(seen.contains(art)) << code;
        seen.insert(art);
        // Every white pixel casts a shadow down and right unless it meets
        // white there or the tile's edge.
        for (int y = 0; y + 1 < 8; ++y)
            for (int x = 0; x + 1 < 8; ++x)
                if (art[y][x] == u'#') {
                    EXPECT_NE(art[y + 1][x + 1], u'.') << code << " at " << x << "," << y;
                }
    }
    const QStringList expectedH = {
        ".#...#..",
        ".#o..#o.",
        ".#o..#o.",
        ".#####o.",
        ".#ooo#o.",
        ".#o..#o.",
        ".#o..#o.",
        "..o...o.",
    };
    EXPECT_EQ(menuArt(0x87), expectedH);
}

TEST(SampleFonts, MenuAndDialogueDrawTheSameCharacters)
{
    // Both fonts come from one design, so a character's shape must match;
    // a slip in either code table shows up as a mismatch.
    for (int c = 0x21; c < 0x7F; ++c) {
        const quint8 menuCode = menutext::MenuCodeFromChar(QLatin1Char(char(c)));
        const quint8 dialogueCode = dialoguetext::codeFromChar(QLatin1Char(char(c)));
        if (!menuCode || !dialogueCode)
            continue;
        std::set<std::pair<int, int>> menu, dialogue;
        for (int y = 0; y < GameFonts::kDialogueGlyphRows; ++y)
            for (int x = 0; x < GameFonts::kDialogueGlyphColumns; ++x) {
                if (fonts().menuPixel(menuCode, x, y) == 3)
                    menu.insert({x, y});
                if (fonts().dialoguePixel(dialogueCode, x, y))
                    dialogue.insert({x, y});
            }
        EXPECT_FALSE(menu.empty()) << char(c);
        EXPECT_EQ(normalised(menu), normalised(dialogue)) << char(c);
    }
}

TEST(SampleFonts, MenuSymbolsAndBlanks)
{
    QSet<QStringList> seen;
    for (int code = 0x80; code < 0x80 + kLettersAndDigits; ++code)
        seen.insert(menuArt(quint8(code)));
    for (int i = 0; i < menutext::kSymbolCount; ++i) {
        const quint8 code = quint8(menutext::kFirstSymbol + i);
        EXPECT_FALSE(menuBlank(code)) << code;
        EXPECT_FALSE(seen.contains(menuArt(code))) << code;
        seen.insert(menuArt(code));
    }
    for (const int code : {0xD0, 0xD1, 0xD4, 0xD5, 0xD6, 0xEB, 0xFD, 0xFE, 0xFF})
        EXPECT_TRUE(menuBlank(quint8(code))) << code;
}

TEST(SampleFonts, TablesArePlacedWhereTheGameReadsThem)
{
    QList<SampleRom::Area> areas;
    buildSampleRom(&areas);
    auto placed = [&](SnesAddress start, quint32 size) {
        for (const SampleRom::Area& area : areas)
            if (area.start == start && area.size == size)
                return true;
        return false;
    };
    EXPECT_TRUE(placed(GameFonts::kDialogueWidthsAddress, 128));
    EXPECT_TRUE(placed(GameFonts::kDialogueGlyphsAddress, 2816));
    EXPECT_TRUE(placed(GameFonts::kMenuGlyphsAddress, 2048));
}
