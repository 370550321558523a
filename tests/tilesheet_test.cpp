#include "document/tilepiecesimport.h"
#include "document/tilesheetfile.h"
#include "tests/testsupport.h"
#include "worldmap/bmpfile.h"
#include "worldmap/packedtile.h"
#include "worldmap/snescolor.h"
#include "worldmap/tilesheet.h"
#include "worldmap/worldmap.h"
#include "document/parts/worldmappart.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// A 5 x 3 picture whose pixel (x, y) is 10 y + x, with a few colours.
IndexedPicture smallPicture()
{
    IndexedPicture p(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            p.setIndex(x, y, 10 * y + x);
    p.colors[0] = 0x102030;
    p.colors[14] = 0xFFFFFF;
    p.colors[255] = 0x0000FF;
    return p;
}

quint32 dwordAt(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

void expectSamePicture(const IndexedPicture& a, const IndexedPicture& b)
{
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.height, b.height);
    EXPECT_EQ(a.pixels, b.pixels);
    EXPECT_EQ(a.colors, b.colors);
}

// The sample's World of Balance.
struct SampleMap {
    SampleMap() { EXPECT_TRUE(t.doc.open(file.path())); }
    WorldMap& map() { return *worldMapOf(t.doc, 0); }
    TempRom file;
    TestDoc t;
};

bool imageMagickInstalled()
{
    QProcess convert;
    convert.start(QStringLiteral("convert"), {QStringLiteral("-version")});
    return convert.waitForFinished(10000) && convert.readAllStandardOutput().contains("ImageMagick");
}

}  // namespace

TEST(BmpFile, WritesAnUncompressedBottomUpBitmapWithAFullColourTable)
{
    const QByteArray file = BmpFile::encode(smallPicture());
    ASSERT_TRUE(file.startsWith("BM"));
    EXPECT_EQ(dwordAt(file, 2), quint32(file.size()));
    EXPECT_EQ(dwordAt(file, 10), 14u + 40u + 1024u);  // pixels after the table of 256 entries
    EXPECT_EQ(dwordAt(file, 18), 5u);
    EXPECT_EQ(dwordAt(file, 22), 3u);  // positive: bottom-up
    EXPECT_EQ(qFromLittleEndian<quint16>(file.constData() + 28), 8);
    EXPECT_EQ(dwordAt(file, 30), 0u);  // uncompressed
    // Table entries are blue, green, red, 0.
    EXPECT_EQ(file.mid(54, 4), QByteArray("\x30\x20\x10\x00", 4));
    EXPECT_EQ(file.mid(54 + 4 * 255, 4), QByteArray("\xFF\x00\x00\x00", 4));
    // Rows padded to 4 bytes, the bottom row first.
    EXPECT_EQ(file.size(), 14 + 40 + 1024 + 3 * 8);
    EXPECT_EQ(file.mid(1078, 8), QByteArray("\x14\x15\x16\x17\x18\0\0\0", 8));
    std::optional<IndexedPicture> back = BmpFile::decode(file, nullptr);
    ASSERT_TRUE(back);
    expectSamePicture(*back, smallPicture());
}

TEST(BmpFile, ReadsTheFormsOtherProgramsWrite)
{
    const IndexedPicture expected = smallPicture();
    const QByteArray plain = BmpFile::encode(expected);

    // Top-down rows (a negative height).
    QByteArray topDown = plain.left(1078);
    qToLittleEndian<qint32>(-3, topDown.data() + 22);
    for (int y = 0; y < 3; ++y)
        topDown += plain.mid(1078 + (2 - y) * 8, 8);
    std::optional<IndexedPicture> read = BmpFile::decode(topDown, nullptr);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->pixels, expected.pixels);

    // Run-length encoded rows: "5 x 7", then literal rows, then the end.
    QByteArray rle = plain.left(1078);
    qToLittleEndian<quint32>(1, rle.data() + 30);
    rle += QByteArray("\x05\x07\x00\x00", 4);                      // bottom row: five 7s, end of line
    rle += QByteArray("\x00\x05\x0A\x0B\x0C\x0D\x0E\x00\x00\x00", 10);  // literal run, padded; end of line
    rle += QByteArray("\x02\x01\x00\x01", 4);                      // two 1s, end of picture
    read = BmpFile::decode(rle, nullptr);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->index(0, 2), 7);
    EXPECT_EQ(read->index(4, 2), 7);
    EXPECT_EQ(read->index(2, 1), 0x0C);
    EXPECT_EQ(read->index(1, 0), 1);
    EXPECT_EQ(read->index(2, 0), 0);  // never reached: stays 0

    // A colour table of the 25 entries the pixels use: the rest are black.
    QByteArray shortTable = plain.left(54) + plain.mid(54, 4 * 25) + plain.mid(1078);
    qToLittleEndian<quint32>(25, shortTable.data() + 46);
    qToLittleEndian<quint32>(14 + 40 + 4 * 25, shortTable.data() + 10);
    read = BmpFile::decode(shortTable, nullptr);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->colors[0], 0x102030u);
    EXPECT_EQ(read->colors[14], 0xFFFFFFu);
    EXPECT_EQ(read->colors[255], 0u);
    EXPECT_EQ(read->pixels, expected.pixels);

    // The older 12-byte header with three-byte colour entries.
    QByteArray core("BM", 2);
    core += QByteArray(12, '\0');
    core += QByteArray("\x0C\0\0\0\x05\0\x03\0\x01\0\x08\0", 12);
    for (int i = 0; i < 256; ++i)
        core += QByteArray("\x30\x20\x10", 3);
    qToLittleEndian<quint32>(quint32(core.size()), core.data() + 10);
    core += plain.mid(1078);
    read = BmpFile::decode(core, nullptr);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->colors[200], 0x102030u);
    EXPECT_EQ(read->pixels, expected.pixels);
}

TEST(BmpFile, RefusesOtherDepthsAndCutFilesWithAReason)
{
    const QByteArray plain = BmpFile::encode(smallPicture());
    QString reason;
    QByteArray deep = plain;
    qToLittleEndian<quint16>(24, deep.data() + 28);
    EXPECT_FALSE(BmpFile::decode(deep, &reason));
    EXPECT_EQ(reason, QStringLiteral("it has 24 bits per pixel, not 8"));
    EXPECT_FALSE(BmpFile::decode(plain.left(plain.size() - 9), &reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("cut short")));
    EXPECT_FALSE(BmpFile::decode(plain.left(60), &reason));
    QByteArray huge = plain;
    qToLittleEndian<qint32>(BmpFile::kMaxSide + 1, huge.data() + 18);
    EXPECT_FALSE(BmpFile::decode(huge, &reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("out of range")));
    EXPECT_FALSE(BmpFile::decode(QByteArray("GIF89a"), &reason));
}

TEST(TileSheetFile, RefusesPicturesWhosePixelsHaveNoColour)
{
    const QByteArray plain = BmpFile::encode(smallPicture());  // pixels use colours 0 to 24
    QString reason;
    // No room for a table between the header and the pixels.
    QByteArray noTable = plain.left(54) + plain.mid(1078);
    qToLittleEndian<quint32>(54, noTable.data() + 10);
    EXPECT_FALSE(TileSheetFile::decode(noTable, &reason));
    EXPECT_EQ(reason, QStringLiteral("it has no colour table"));
    // A table of 20 entries, which pixel (0, 2) with colour 20 passes.
    QByteArray shortTable = plain.left(54) + plain.mid(54, 4 * 20) + plain.mid(1078);
    qToLittleEndian<quint32>(20, shortTable.data() + 46);
    qToLittleEndian<quint32>(14 + 40 + 4 * 20, shortTable.data() + 10);
    EXPECT_FALSE(TileSheetFile::decode(shortTable, &reason));
    EXPECT_EQ(reason, QStringLiteral("pixel (0, 2) has colour 20, past the 20 colours of its colour table"));

    // A PNG image whose palette of 16 colours ends before colour 20 of pixel (3, 1).
    QImage image(8, 4, QImage::Format_Indexed8);
    image.setColorCount(16);
    for (int i = 0; i < 16; ++i)
        image.setColor(i, qRgb(8 * i, 0, 0));
    image.fill(5);
    image.scanLine(1)[3] = 20;  // setPixel() keeps to the table
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(QImageWriter(&buffer, "png").write(image));
    EXPECT_FALSE(TileSheetFile::decode(png, &reason));
    EXPECT_EQ(reason, QStringLiteral("pixel (3, 1) has colour 20, past the 16 colours of its palette"));
    // Within the palette it reads as it is, the colours past it black.
    image.scanLine(1)[3] = 15;
    png.clear();
    buffer.seek(0);
    ASSERT_TRUE(QImageWriter(&buffer, "png").write(image));
    const std::optional<IndexedPicture> read = TileSheetFile::decode(png, &reason);
    ASSERT_TRUE(read) << reason.toStdString();
    EXPECT_EQ(read->index(3, 1), 15);
    EXPECT_EQ(read->index(0, 0), 5);
    EXPECT_EQ(read->colors[15], 0x780000u);
    EXPECT_EQ(read->colors[16], 0u);
}

TEST(TileSheet, SheetsPlaceTilesAndPiecesWithTheirColourIndexes)
{
    SampleMap s;
    const WorldMap& map = s.map();
    const IndexedPicture pieces = TileSheet::exportSheet(map, TileSheet::Kind::TilePieces);
    ASSERT_EQ(pieces.width, 128);
    ASSERT_EQ(pieces.height, 128);
    const int p = 37;  // at column 5, row 2
    EXPECT_EQ(pieces.index(5 * 8 + 3, 2 * 8 + 6), map.piecePalette[p] + PackedTile::pixel(map.piece(p), 3, 6));

    const IndexedPicture whole = TileSheet::exportSheet(map, TileSheet::Kind::WholeTiles);
    ASSERT_EQ(whole.width, 256);
    const int tile = 0x2B;  // at column 11, row 2; its bottom-right quarter
    const int quarter = map.tileAssembly.piece(tile, TileAssembly::BottomRight);
    EXPECT_EQ(whole.index(11 * 16 + 8 + 1, 2 * 16 + 8 + 7),
              map.piecePalette[quarter] + PackedTile::pixel(map.piece(quarter), 1, 7));

    // Colours 0-127 are the palette with every channel times 8, the rest black.
    for (int i : {0, 45, 127})
        EXPECT_EQ(whole.colors[i], SnesColor::toScreen32(map.color(i))) << i;
    EXPECT_EQ(pieces.colors[128], 0u);
    EXPECT_EQ(pieces.colors[255], 0u);
}

TEST(TileSheet, ExportingAndImportingPiecesChangesNothing)
{
    SampleMap s;
    const WorldMap& map = s.map();
    TileSheet::Refusal refusal;
    const std::optional<TileSheet::Pieces> pieces =
        TileSheet::importPieces(TileSheet::exportSheet(map, TileSheet::Kind::TilePieces), &refusal, nullptr);
    ASSERT_TRUE(pieces);
    EXPECT_EQ(refusal, TileSheet::Refusal::None);
    EXPECT_EQ(pieces->pieces, map.pieces);
    EXPECT_EQ(pieces->piecePalette, map.piecePalette);
    EXPECT_EQ(pieces->palette, map.palette);
}

TEST(TileSheet, APieceTakesTheSubPaletteOfItsTopRowsSecondPixel)
{
    SampleMap s;
    IndexedPicture sheet = TileSheet::exportSheet(s.map(), TileSheet::Kind::TilePieces);
    // Piece 17 (column 1, row 1): its pixels from palettes 2, 5 and 7.
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            sheet.setIndex(8 + x, 8 + y, 0x20 + x + y);
    sheet.setIndex(8 + 1, 8, 0x5C);
    sheet.setIndex(8 + 7, 8 + 7, 0x73);
    sheet.colors[3] = 0x08F0FF;  // each channel keeps its upper five bits
    const std::optional<TileSheet::Pieces> pieces = TileSheet::importPieces(sheet, nullptr, nullptr);
    ASSERT_TRUE(pieces);
    EXPECT_EQ(pieces->piecePalette[17], 0x50);
    const auto* piece = reinterpret_cast<const quint8*>(pieces->pieces.constData()) + 17 * 32;
    EXPECT_EQ(PackedTile::pixel(piece, 0, 0), 0x0);
    EXPECT_EQ(PackedTile::pixel(piece, 1, 0), 0xC);
    EXPECT_EQ(PackedTile::pixel(piece, 7, 7), 0x3);
    EXPECT_EQ(PackedTile::pixel(piece, 4, 5), 0x9);
    EXPECT_EQ(pieces->palette[6] | pieces->palette[7] << 8, SnesColor::fromComponents(1, 30, 31));
}

TEST(TileSheet, RefusesOtherSizesAndSubPalettesPastThePalette)
{
    SampleMap s;
    TileSheet::Refusal refusal;
    QString reason;
    EXPECT_FALSE(TileSheet::importPieces(TileSheet::exportSheet(s.map(), TileSheet::Kind::WholeTiles), &refusal, &reason));
    EXPECT_EQ(refusal, TileSheet::Refusal::WrongShape);
    EXPECT_EQ(reason, QStringLiteral("the picture is 256 x 256 pixels, not 128 x 128"));

    IndexedPicture sheet = TileSheet::exportSheet(s.map(), TileSheet::Kind::TilePieces);
    sheet.setIndex(8 * 3 + 1, 8 * 15, 0x80);  // piece 243 would use palette 8
    EXPECT_FALSE(TileSheet::importPieces(sheet, &refusal, &reason));
    EXPECT_EQ(refusal, TileSheet::Refusal::SubPalettePastPalette);
    EXPECT_TRUE(reason.startsWith(QStringLiteral("Tile piece 243 would take its colours from palette 8")));
}

TEST(TileSheetFile, BitmapsAndPngImagesGoOutAndComeBackTheSame)
{
    SampleMap s;
    const IndexedPicture sheet = TileSheet::exportSheet(s.map(), TileSheet::Kind::TilePieces);
    for (const QString name : {QStringLiteral("sheet.bmp"), QStringLiteral("sheet.PNG")}) {
        const QString path = s.file.dir() + QLatin1Char('/') + name;
        QString reason;
        ASSERT_TRUE(TileSheetFile::write(sheet, path, &reason)) << reason.toStdString();
        const QByteArray bytes = fileBytes(path);
        EXPECT_EQ(bytes.startsWith("BM"), name.endsWith(QLatin1String(".bmp")));
        const std::optional<IndexedPicture> back = TileSheetFile::read(path, &reason);
        ASSERT_TRUE(back) << reason.toStdString();
        expectSamePicture(*back, sheet);
    }
    // A PNG image is an 8-bit indexed one: its header says so.
    const QByteArray png = TileSheetFile::encode(sheet, TileSheetFile::Format::Png);
    EXPECT_EQ(quint8(png[24]), 8);
    EXPECT_EQ(quint8(png[25]), 3);
}

TEST(TileSheetFile, RefusesPicturesWithoutAnEightBitColourTable)
{
    QString reason;
    auto pngOf = [](const QImage& image) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, "png").write(image);
        return bytes;
    };
    QImage rgb(128, 128, QImage::Format_RGB32);
    rgb.fill(Qt::red);
    EXPECT_FALSE(TileSheetFile::decode(pngOf(rgb), &reason));
    EXPECT_EQ(reason, QStringLiteral("it is a PNG image without a colour table, not an 8-bit indexed one"));
    QImage twoColours(128, 128, QImage::Format_Mono);
    twoColours.setColorTable({qRgb(0, 0, 0), qRgb(90, 9, 9)});
    twoColours.fill(1);
    EXPECT_FALSE(TileSheetFile::decode(pngOf(twoColours), &reason));
    EXPECT_EQ(reason, QStringLiteral("it is a 1-bit indexed PNG image, not an 8-bit one"));
    EXPECT_FALSE(TileSheetFile::decode(QByteArray("plain text"), &reason));
    EXPECT_EQ(reason, QStringLiteral("it is neither a Windows bitmap nor a PNG image"));

    bool unreadable = false;
    EXPECT_FALSE(TileSheetFile::read(QStringLiteral("/nonexistent/sheet.bmp"), &reason, &unreadable));
    EXPECT_TRUE(unreadable);
}

TEST(TileSheetFile, ReadsTheBitmapsImageMagickWrites)
{
    if (!imageMagickInstalled())
        GTEST_SKIP() << "ImageMagick's convert is not installed (tools/install-deps.sh installs it)";
    SampleMap s;
    const IndexedPicture sheet = TileSheet::exportSheet(s.map(), TileSheet::Kind::TilePieces);
    const QString png = s.file.dir() + QStringLiteral("/sheet.png");
    const QString bmp = s.file.dir() + QStringLiteral("/converted.bmp");
    ASSERT_TRUE(TileSheetFile::write(sheet, png, nullptr));
    const ToolRun run = runTool(QStringLiteral("convert"), {png, QStringLiteral("-type"), QStringLiteral("Palette"),
                                                            QStringLiteral("BMP3:") + bmp});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QString reason;
    const std::optional<IndexedPicture> read = TileSheetFile::read(bmp, &reason);
    ASSERT_TRUE(read) << reason.toStdString();
    ASSERT_EQ(read->width, 128);
    // ImageMagick may reorder the colour table: every pixel keeps its colour.
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            ASSERT_EQ(read->colors[std::size_t(read->index(x, y))], sheet.colors[std::size_t(sheet.index(x, y))])
                << x << ", " << y;
    const std::optional<TileSheet::Pieces> pieces = TileSheet::importPieces(*read, nullptr, &reason);
    ASSERT_TRUE(pieces) << reason.toStdString();
    // It keeps the order too (and compresses the rows): nothing changes then.
    if (read->colors == sheet.colors) {
        EXPECT_EQ(pieces->pieces, s.map().pieces);
        EXPECT_EQ(pieces->piecePalette, s.map().piecePalette);
        EXPECT_EQ(pieces->palette, s.map().palette);
    }
}

TEST(TilePiecesImport, IsOneUndoableStepAndNoStepWhenNothingChanges)
{
    SampleMap s;
    WorldMap& map = s.map();
    const WorldMap before = map;
    IndexedPicture sheet = TileSheet::exportSheet(map, TileSheet::Kind::TilePieces);
    pushTilePiecesImport(s.t.doc, 0, *TileSheet::importPieces(sheet, nullptr, nullptr));
    EXPECT_EQ(s.t.doc.undoStack()->count(), 0);
    EXPECT_FALSE(s.t.doc.isModified());

    sheet.setIndex(0, 0, 0x1F);
    sheet.setIndex(1, 0, 0x1F);
    sheet.colors[0x1F] = 0xF80000;
    pushTilePiecesImport(s.t.doc, 0, *TileSheet::importPieces(sheet, nullptr, nullptr));
    EXPECT_EQ(s.t.doc.undoStack()->count(), 1);
    EXPECT_EQ(s.t.doc.undoStack()->undoText(), QStringLiteral("Import Tile Pieces"));
    EXPECT_EQ(PackedTile::pixel(map.piece(0), 0, 0), 0xF);
    EXPECT_EQ(map.piecePalette[0], 0x10);
    EXPECT_EQ(map.color(0x1F), 0x001F);
    s.t.doc.undoStack()->undo();
    EXPECT_EQ(map.pieces, before.pieces);
    EXPECT_EQ(map.piecePalette, before.piecePalette);
    EXPECT_EQ(map.palette, before.palette);
}
