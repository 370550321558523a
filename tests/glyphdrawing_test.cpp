#include "text/fontcolors.h"
#include "text/gamefonts.h"
#include "text/glyphdrawing.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

constexpr QRgb kPaper = qRgb(0x12, 0x34, 0x56);

QImage paper(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kPaper);
    return image;
}

// Sets pixel (x, y) of the dialogue glyph of `code`.
void setDialoguePixel(GameFonts& fonts, quint8 code, int x, int y)
{
    const int at = (code - GameFonts::kDialogueFirstCode) * GameFonts::kDialogueGlyphSize + 2 * y;
    const int row = (fonts.dialogueGlyphs[at] | fonts.dialogueGlyphs[at + 1] << 8) | 1 << (11 - x);
    fonts.dialogueGlyphs[at] = quint8(row);
    fonts.dialogueGlyphs[at + 1] = quint8(row >> 8);
}

}  // namespace

TEST(GlyphDrawing, DialogueGlyphIsDrawnOverItsWidthOnly)
{
    GameFonts fonts;
    const quint8 code = 0x20;
    fonts.dialogueWidths[code] = 3;
    setDialoguePixel(fonts, code, 0, 0);
    setDialoguePixel(fonts, code, 2, 10);
    setDialoguePixel(fonts, code, 3, 5);  // past the width: never drawn
    QImage image = paper(20, 20);
    EXPECT_EQ(DrawDialogueGlyph(image, 4, 5, fonts, code, false), 3);
    EXPECT_EQ(image.pixel(4, 5), fontcolors::kDialogueInk);
    EXPECT_EQ(image.pixel(6, 15), fontcolors::kDialogueInk);
    EXPECT_EQ(image.pixel(7, 10), kPaper);
    EXPECT_EQ(image.pixel(5, 5), kPaper);

    // A glyph of width 0 draws nothing and does not advance.
    fonts.dialogueWidths[code] = 0;
    QImage blank = paper(20, 20);
    EXPECT_EQ(DrawDialogueGlyph(blank, 4, 5, fonts, code, false), 0);
    EXPECT_EQ(blank, paper(20, 20));
}

TEST(GlyphDrawing, ShadowFallsRightAndBelowWithoutCoveringInk)
{
    GameFonts fonts;
    const quint8 code = 0x21;
    fonts.dialogueWidths[code] = 4;
    // A diagonal: the shadow of (0, 0) lies on the ink of (1, 1).
    setDialoguePixel(fonts, code, 0, 0);
    setDialoguePixel(fonts, code, 1, 1);
    QImage image = paper(10, 10);
    EXPECT_EQ(DrawDialogueGlyph(image, 0, 0, fonts, code, true), 4);
    EXPECT_EQ(image.pixel(0, 0), fontcolors::kDialogueLight);
    EXPECT_EQ(image.pixel(1, 1), fontcolors::kDialogueLight);
    EXPECT_EQ(image.pixel(2, 2), fontcolors::kDialogueShadow);
    EXPECT_EQ(image.pixel(1, 0), kPaper);
    EXPECT_EQ(image.pixel(0, 1), kPaper);
}

TEST(GlyphDrawing, MenuGlyphValuesAndClipping)
{
    GameFonts fonts;
    const quint8 code = 0xFE;  // edited and drawn like any other
    const int base = (code - GameFonts::kMenuFirstCode) * GameFonts::kMenuGlyphSize;
    fonts.menuGlyphs[base] = 0b1010'0000;      // row 0 plane 0: pixels 0 and 2
    fonts.menuGlyphs[base + 1] = 0b0110'0000;  // row 0 plane 1: pixels 1 and 2
    QImage image = paper(16, 8);
    DrawMenuGlyph(image, 1, 0, fonts, code);
    EXPECT_EQ(image.pixel(1, 0), fontcolors::kMenuBlack);
    EXPECT_EQ(image.pixel(2, 0), fontcolors::kMenuGrey);
    EXPECT_EQ(image.pixel(3, 0), fontcolors::kMenuWhite);
    EXPECT_EQ(image.pixel(4, 0), kPaper);  // value 0 is transparent

    // Partly or wholly outside the image: clipped, nothing else touched.
    QImage small = paper(2, 2);
    DrawMenuGlyph(small, -1, 0, fonts, code);
    EXPECT_EQ(small.pixel(0, 0), fontcolors::kMenuGrey);
    DrawMenuGlyph(small, 40, 40, fonts, code);
    fonts.dialogueWidths[0x30] = 12;
    setDialoguePixel(fonts, 0x30, 11, 10);
    EXPECT_EQ(DrawDialogueGlyph(small, -11, -10, fonts, 0x30, true), 12);
    EXPECT_EQ(small.pixel(0, 0), fontcolors::kDialogueLight);
    EXPECT_EQ(small.pixel(1, 1), fontcolors::kDialogueShadow);
}

TEST(GlyphDrawing, TextAdvancesByEachWidthAndSkipsCodesWithoutGlyphs)
{
    GameFonts fonts;
    fonts.dialogueWidths[0x20] = 5;
    fonts.dialogueWidths[0x7F] = 3;
    fonts.dialogueWidths[0x01] = 9;  // a control code: skipped, not advanced over
    setDialoguePixel(fonts, 0x20, 0, 0);
    QImage image = paper(40, 12);
    const QByteArray codes("\x20\x01\x7F\x20", 4);
    EXPECT_EQ(DrawDialogueText(image, 2, 0, fonts, codes, false), 2 + 5 + 3 + 5);
    EXPECT_EQ(DialogueTextWidth(fonts, codes), 5 + 3 + 5);
    EXPECT_EQ(image.pixel(2, 0), fontcolors::kDialogueInk);
    EXPECT_EQ(image.pixel(10, 0), fontcolors::kDialogueInk);

    const quint8 name[] = {0x80, 0xFF};
    fonts.menuGlyphs[0] = 0x80;  // 'A': top-left pixel black
    fonts.menuGlyphs[GameFonts::kMenuGlyphSize * 0x7F] = 0x80;  // the padding code has a glyph too
    QImage row = paper(20, 8);
    DrawMenuText(row, 2, 0, fonts, name, 2);
    EXPECT_EQ(row.pixel(2, 0), fontcolors::kMenuBlack);
    EXPECT_EQ(row.pixel(10, 0), fontcolors::kMenuBlack);
}
