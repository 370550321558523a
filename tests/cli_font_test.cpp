#include "rom/romaddress.h"
#include "tests/testsupport.h"
#include "text/gamefonts.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

int fileOffset(SnesAddress address)
{
    return int(rom::fileOffset(address));
}

}  // namespace

TEST(FontCli, ExportThenImportOfAnEditedSheetChangesOnlyThatGlyph)
{
    TempRom rom;
    const QString menu = rom.dir() + QStringLiteral("/menu.png");
    const QString dialogue = rom.dir() + QStringLiteral("/dialogue.png");
    ASSERT_EQ(runCli({QStringLiteral("font-export"), rom.path(), QStringLiteral("menu"), menu}).exitCode, 0);
    ASSERT_EQ(runCli({QStringLiteral("font-export"), rom.path(), QStringLiteral("dialogue"), dialogue}).exitCode, 0);
    EXPECT_EQ(rom.read(), sampleRomBytes());  // export never writes the ROM

    // Glyph 0x80 is the top-left cell: make its top-left pixel white (value 3).
    QImage sheet(menu);
    ASSERT_EQ(sheet.format(), QImage::Format_Indexed8);
    sheet.setPixel(0, 0, 3);
    ASSERT_TRUE(sheet.save(menu));
    ASSERT_EQ(runCli({QStringLiteral("font-import"), rom.path(), QStringLiteral("menu"), menu}).exitCode, 0);
    // The unchanged dialogue sheet imports without changing a byte.
    ASSERT_EQ(runCli({QStringLiteral("font-import"), rom.path(), QStringLiteral("dialogue"), dialogue}).exitCode, 0);

    QByteArray expected = resavedSampleRomBytes();
    const int glyph = fileOffset(GameFonts::kMenuGlyphsAddress);
    expected[glyph] = char(quint8(expected[glyph]) | 0x80);
    expected[glyph + 1] = char(quint8(expected[glyph + 1]) | 0x80);
    EXPECT_EQ(rom.read(), expected);
}

TEST(FontCli, ForeignSheetsAndBadArgumentsAreRefusedAndWriteNothing)
{
    TempRom rom;
    const QString dialogue = rom.dir() + QStringLiteral("/dialogue.png");
    ASSERT_EQ(runCli({QStringLiteral("font-export"), rom.path(), QStringLiteral("dialogue"), dialogue}).exitCode, 0);
    const ToolRun wrongFont = runCli({QStringLiteral("font-import"), rom.path(), QStringLiteral("menu"), dialogue});
    EXPECT_EQ(wrongFont.exitCode, 1);
    EXPECT_TRUE(wrongFont.err.contains(QStringLiteral("a menu font sheet is 128 x 64"))) << wrongFont.err.toStdString();
    const ToolRun missing = runCli({QStringLiteral("font-import"), rom.path(), QStringLiteral("menu"), rom.dir() + QStringLiteral("/none.png")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(runCli({QStringLiteral("font-export"), rom.path(), QStringLiteral("battle"), dialogue}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("font-import"), rom.path(), QStringLiteral("menu")}).exitCode, 2);
    EXPECT_EQ(rom.read(), sampleRomBytes());
}
