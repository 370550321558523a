#include "rom/romimage.h"
#include "tests/testsupport.h"
#include "text/fontcolors.h"
#include "text/fontsheet.h"
#include "text/gamefonts.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tessel;

using namespace fontsheet;

namespace {

GameFonts sampleFonts()
{
    RomImage rom;
    rom.openInMemory(sampleRomBytes(), RomImage::Mode::Loading);
    GameFonts fonts;
    fonts.load(rom);
    return fonts;
}

QByteArray bytesOf(const auto& array)
{
    return QByteArray(reinterpret_cast<const char*>(array.data()), qsizetype(array.size()));
}

constexpr int kDialogueSheetBytes = 96 * GameFonts::kDialogueGlyphSize;

}  // namespace

TEST(FontSheet, BothFontsSurviveARoundTripThroughAPngFile)
{
    GameFonts fonts = sampleFonts();
    // What the pixels do not show comes back as well: unused row bits (kept
    // from the font imported into), pixels past a glyph's width, and widths
    // above 12.
    fonts.dialogueGlyphs[1] |= 0xF0;
    fonts.dialogueWidths[0x21] = 1;
    fonts.dialogueWidths[0x22] = 14;
    QTemporaryDir dir;
    for (const Font font : {Font::Dialogue, Font::Menu}) {
        const QString path = dir.filePath(fontName(font) + QStringLiteral(".png"));
        const QImage sheet = ExportSheet(fonts, font);
        EXPECT_EQ(sheet.format(), QImage::Format_Indexed8);
        EXPECT_EQ(sheet.size(), font == Font::Dialogue ? QSize(192, 66) : QSize(128, 64));
        QString reason;
        ASSERT_TRUE(WriteSheetFile(sheet, path, &reason)) << reason.toStdString();
        const std::optional<QImage> read = ReadSheetFile(path, font, &reason);
        ASSERT_TRUE(read) << reason.toStdString();
        const std::optional<Contents> contents = ImportSheet(*read, font, fonts, &reason);
        ASSERT_TRUE(contents) << reason.toStdString();
        if (font == Font::Dialogue) {
            EXPECT_EQ(contents->glyphs, bytesOf(fonts.dialogueGlyphs).left(kDialogueSheetBytes));
            EXPECT_EQ(contents->widths, bytesOf(fonts.dialogueWidths));
        } else {
            EXPECT_EQ(contents->glyphs, bytesOf(fonts.menuGlyphs));
            EXPECT_TRUE(contents->widths.isEmpty());
        }
    }
}

TEST(FontSheet, CellsHoldTheGlyphsInTheGridColours)
{
    GameFonts fonts;
    fonts.dialogueGlyphs[(0x31 - 0x20) * GameFonts::kDialogueGlyphSize + 2 * 3 + 1] = 0x08;  // 0x31 row 3: column 0
    fonts.menuGlyphs[(0x91 - 0x80) * GameFonts::kMenuGlyphSize + 2 * 5 + 1] = 0x01;        // 0x91 row 5: column 7 = 2
    const QImage dialogue = ExportSheet(fonts, Font::Dialogue);
    // Glyph 0x11 of the sheet is the second cell of its second row.
    EXPECT_EQ(dialogue.pixel(12, 11 + 3), fontcolors::snesToRgb(0x7FFF));
    EXPECT_EQ(dialogue.pixel(13, 11 + 3), fontcolors::snesToRgb(0x61EE));
    const QImage menu = ExportSheet(fonts, Font::Menu);
    EXPECT_EQ(menu.pixel(8 + 7, 8 + 5), fontcolors::snesToRgb(0x39CE));
    // A picture in true colour with the same colours is read as well.
    QString reason;
    const std::optional<Contents> contents = ImportSheet(menu.convertToFormat(QImage::Format_RGB32), Font::Menu, fonts, &reason);
    ASSERT_TRUE(contents) << reason.toStdString();
    EXPECT_EQ(contents->glyphs, bytesOf(fonts.menuGlyphs));
}

TEST(FontSheet, ForeignOrDamagedPicturesAreRefusedWithAReason)
{
    const GameFonts fonts = sampleFonts();
    QString reason;
    // The other font's sheet.
    EXPECT_FALSE(ImportSheet(ExportSheet(fonts, Font::Menu), Font::Dialogue, fonts, &reason));
    EXPECT_EQ(reason, QStringLiteral("The picture is 128 x 64 pixels; a dialogue font sheet is 192 x 66."));

    // A colour that is none of the font's.
    QImage painted = ExportSheet(fonts, Font::Menu).convertToFormat(QImage::Format_RGB32);
    painted.setPixel(5, 9, qRgb(1, 2, 3));
    EXPECT_FALSE(ImportSheet(painted, Font::Menu, fonts, &reason));
    EXPECT_EQ(reason, QStringLiteral("The pixel at (5, 9) has a colour that is not one of the font's."));

    // Widths missing or cut short.
    QImage sheet = ExportSheet(fonts, Font::Dialogue);
    sheet.setText(QString::fromLatin1(kWidthsKey), QString());
    EXPECT_FALSE(ImportSheet(sheet, Font::Dialogue, fonts, &reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("no character widths"))) << reason.toStdString();
    sheet.setText(QString::fromLatin1(kWidthsKey), QStringLiteral("0a0b"));
    EXPECT_FALSE(ImportSheet(sheet, Font::Dialogue, fonts, &reason));
    sheet.setText(QString::fromLatin1(kWidthsKey), QString(256, QLatin1Char('g')));
    EXPECT_FALSE(ImportSheet(sheet, Font::Dialogue, fonts, &reason));

    // A width past the editor's 12, unless the font already holds it.
    GameFonts wide = fonts;
    wide.dialogueWidths[0x41] = 13;
    EXPECT_FALSE(ImportSheet(ExportSheet(wide, Font::Dialogue), Font::Dialogue, fonts, &reason));
    EXPECT_EQ(reason, QStringLiteral("The width of character code 0x41 is 13; a width is at most 12."));
    EXPECT_TRUE(ImportSheet(ExportSheet(wide, Font::Dialogue), Font::Dialogue, wide, &reason));
    wide.dialogueWidths[0x41] = 12;
    EXPECT_TRUE(ImportSheet(ExportSheet(wide, Font::Dialogue), Font::Dialogue, fonts, &reason));

    // Not a picture at all, and a picture of the wrong size on disk.
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("notes.png"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    EXPECT_FALSE(ReadSheetFile(text, Font::Menu, &reason));
    EXPECT_FALSE(reason.isEmpty());
    const QString big = dir.filePath(QStringLiteral("big.png"));
    ASSERT_TRUE(QImage(4000, 4000, QImage::Format_Mono).save(big));
    EXPECT_FALSE(ReadSheetFile(big, Font::Menu, &reason));
    EXPECT_EQ(reason, QStringLiteral("The picture is 4000 x 4000 pixels; a menu font sheet is 128 x 64."));
}
