#include "rom/romimage.h"
#include "text/dialoguetext.h"
#include "text/gamefonts.h"
#include "text/menutext.h"
#include "tools/samplerom/samplerom.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <set>
#include <utility>

using namespace tessel;

// What the dialogue layout and font tests take from the sample's fonts:
// widths that fit the glyphs, and both fonts drawing each character through
// their code tables.
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

}  // namespace

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

