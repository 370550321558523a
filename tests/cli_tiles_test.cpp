#include "document/tilesheetfile.h"
#include "tests/testsupport.h"
#include "worldmap/packedtile.h"
#include "worldmap/worldmap.h"
#include "document/parts/worldmappart.h"

#include <gtest/gtest.h>

using namespace tessel;

TEST(TilesCli, SheetsGoOutAsBitmapsOrPngImagesAndPiecesComeBackIn)
{
    TempRom rom;
    const QString whole = rom.dir() + QStringLiteral("/whole.bmp");
    const QString pieces = rom.dir() + QStringLiteral("/pieces.png");
    ASSERT_EQ(runCli({QStringLiteral("tiles-export"), rom.path(), QStringLiteral("ruin"), QStringLiteral("whole"), whole}).exitCode, 0);
    ASSERT_EQ(runCli({QStringLiteral("tiles-export"), rom.path(), QStringLiteral("ruin"), QStringLiteral("pieces"), pieces}).exitCode, 0);
    EXPECT_TRUE(fileBytes(whole).startsWith("BM"));
    EXPECT_EQ(TileSheetFile::read(whole, nullptr)->width, 256);
    EXPECT_EQ(rom.read(), sampleRomBytes());  // export never writes the ROM

    // The unchanged sheet imports without writing; an edited one is saved.
    ASSERT_EQ(runCli({QStringLiteral("tiles-import"), rom.path(), QStringLiteral("ruin"), pieces}).exitCode, 0);
    EXPECT_EQ(rom.read(), sampleRomBytes());
    IndexedPicture sheet = *TileSheetFile::read(pieces, nullptr);
    sheet.setIndex(8 + 5, 0, (sheet.index(8 + 5, 0) & 0xF0) | 0x0E);  // piece 1, pixel (5, 0)
    ASSERT_TRUE(TileSheetFile::write(sheet, pieces, nullptr));
    const ToolRun run = runCli({QStringLiteral("tiles-import"), rom.path(), QStringLiteral("ruin"), pieces});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    TestDoc t;
    ASSERT_TRUE(t.doc.open(rom.path()));
    EXPECT_EQ(PackedTile::pixel(worldMapOf(t.doc, 1)->piece(1), 5, 0), 0x0E);
}

TEST(TilesCli, WrongSheetsAndArgumentsAreRefusedAndWriteNothing)
{
    TempRom rom;
    const QString whole = rom.dir() + QStringLiteral("/whole.png");
    ASSERT_EQ(runCli({QStringLiteral("tiles-export"), rom.path(), QStringLiteral("balance"), QStringLiteral("whole"), whole}).exitCode, 0);
    const ToolRun tooLarge = runCli({QStringLiteral("tiles-import"), rom.path(), QStringLiteral("balance"), whole});
    EXPECT_EQ(tooLarge.exitCode, 1);
    EXPECT_TRUE(tooLarge.err.contains(QStringLiteral("256 x 256 pixels, not 128 x 128"))) << tooLarge.err.toStdString();
    EXPECT_EQ(runCli({QStringLiteral("tiles-import"), rom.path(), QStringLiteral("balance"), rom.dir() + QStringLiteral("/none.bmp")}).exitCode, 1);
    EXPECT_EQ(runCli({QStringLiteral("tiles-export"), rom.path(), QStringLiteral("moon"), QStringLiteral("whole"), whole}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("tiles-export"), rom.path(), QStringLiteral("ruin"), QStringLiteral("half"), whole}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("tiles-import"), rom.path(), QStringLiteral("ruin")}).exitCode, 2);
    EXPECT_EQ(rom.read(), sampleRomBytes());
}
