#include "tests/testsupport.h"
#include "worldmap/lzcodec.h"
#include "worldmap/worldmap.h"
#include "document/parts/worldmappart.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(TesselCliLz, EncodeThenDecodeGivesBackTheFile)
{
    TempRom scratch(QByteArray("x"));
    const QString raw = scratch.dir() + QStringLiteral("/raw.bin");
    const QString packed = scratch.dir() + QStringLiteral("/packed.lz");
    const QString unpacked = scratch.dir() + QStringLiteral("/unpacked.bin");
    QByteArray data;
    for (int i = 0; i < 5000; ++i)
        data.append(char((i / 37) % 11));
    {
        QFile f(raw);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    EXPECT_EQ(runCli({QStringLiteral("lz-encode"), raw, packed}).exitCode, 0);
    EXPECT_EQ(readFile(packed), LzCodec::encode(data));
    EXPECT_EQ(runCli({QStringLiteral("lz-decode"), packed, unpacked}).exitCode, 0);
    EXPECT_EQ(readFile(unpacked), data);
}

TEST(TesselCliLz, FailuresAreReportedAndWriteNothing)
{
    TempRom scratch(QByteArray("x"));
    const QString out = scratch.dir() + QStringLiteral("/out.bin");
    ToolRun run = runCli({QStringLiteral("lz-decode"), scratch.dir() + QStringLiteral("/missing"), out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Could not open "))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    // Random bytes cannot be described by the 16-bit length.
    QByteArray noise(70000, '\0');
    quint32 state = 99;
    for (char& c : noise) {
        state = state * 1664525u + 1013904223u;
        c = char(state >> 24);
    }
    const QString noisy = scratch.dir() + QStringLiteral("/noise.bin");
    {
        QFile f(noisy);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(noise);
    }
    run = runCli({QStringLiteral("lz-encode"), noisy, out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("at most 65535"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    EXPECT_EQ(runCli({QStringLiteral("lz-encode"), noisy}).exitCode, 2);
}

TEST(TesselCliMapExport, WritesTheWholeMapOnePixelPerMapPixel)
{
    TempRom file;
    const QString png = file.dir() + QStringLiteral("/ruin.png");
    ASSERT_EQ(runCli({QStringLiteral("map-export"), file.path(), QStringLiteral("ruin"), png}).exitCode, 0);
    const QImage image(png);
    ASSERT_EQ(image.size(), QSize(4096, 4096));

    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    const WorldMap& ruin = *worldMapOf(t.doc, 1);
    // The cell at (200, 100): its tile's top-left piece's top-left pixel.
    const int tile = ruin.tileAt(200, 100);
    const int piece = ruin.tileAssembly.piece(tile, TileAssembly::TopLeft);
    const int index = ruin.piecePalette[piece] + (ruin.piece(piece)[0] & 15);
    const quint16 color = ruin.color(index);
    EXPECT_EQ(image.pixel(200 * 16, 100 * 16), qRgb((color & 31) * 8, (color >> 5 & 31) * 8, (color >> 10 & 31) * 8));
}

TEST(TesselCliMapExport, RefusesAnUnknownMapOrRom)
{
    TempRom file;
    const QString png = file.dir() + QStringLiteral("/x.png");
    EXPECT_EQ(runCli({QStringLiteral("map-export"), file.path(), QStringLiteral("moon"), png}).exitCode, 2);
    TempRom foreign(QByteArray(0x300200, 'x'));
    EXPECT_EQ(runCli({QStringLiteral("map-export"), foreign.path(), QStringLiteral("balance"), png}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(png));
}
