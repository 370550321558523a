#include "worldmap/packedtile.h"
#include "worldmap/planartile.h"
#include "worldmap/snescolor.h"
#include "worldmap/tileproperties.h"
#include "worldmap/worldmap.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstring>

using namespace tessel;

namespace {

QImage::Format formatForDepth(int depth)
{
    return depth == 16 ? QImage::Format_RGB16 : depth == 24 ? QImage::Format_BGR888 : QImage::Format_RGB32;
}

PixelBuffer bufferOf(QImage& image, int depth)
{
    return {image.bits(), image.bytesPerLine(), depth, image.width(), image.height()};
}

// A palette whose colour i has red = i % 32 and blue = i / 32.
std::array<quint8, 256> indexPalette()
{
    std::array<quint8, 256> palette{};
    for (int i = 0; i < 128; ++i) {
        const quint16 c = SnesColor::fromComponents(i % 32, 0, i / 32);
        palette[std::size_t(2 * i)] = quint8(c);
        palette[std::size_t(2 * i + 1)] = quint8(c >> 8);
    }
    return palette;
}

int colourIndexAt(const QImage& image, int x, int y)
{
    const QRgb rgb = image.pixel(x, y);
    return qRed(rgb) / 8 + 32 * (qBlue(rgb) / 8);
}

}  // namespace

TEST(SnesColor, ConvertsToEachScreenDepthWithoutFillingLowBits)
{
    EXPECT_EQ(SnesColor::toScreen16(0x7FFF), 0xFFDF);
    EXPECT_EQ(SnesColor::toScreen32(0x7FFF), 0xF8F8F8u);
    EXPECT_EQ(SnesColor::toScreen24(0x7FFF), 0xF8F8F8u);
    // red 1, green 2, blue 3
    const quint16 c = SnesColor::fromComponents(1, 2, 3);
    EXPECT_EQ(c, 0x0C41);
    EXPECT_EQ(SnesColor::toScreen16(c), (1 << 11) | (2 << 6) | 3);
    EXPECT_EQ(SnesColor::toScreen32(c), 0x081018u);
    EXPECT_EQ(SnesColor::toScreen(c, 8), 0u);
    // Bit 15 is ignored.
    EXPECT_EQ(SnesColor::toScreen32(0x8000 | c), SnesColor::toScreen32(c));
}

TEST(SnesColor, ScreenPixelsAreStoredInTheSurfaceByteOrder)
{
    const quint16 c = SnesColor::fromComponents(31, 10, 2);
    for (int depth : {16, 24, 32}) {
        QImage image(2, 1, formatForDepth(depth));
        image.fill(Qt::black);
        PixelBuffer buffer = bufferOf(image, depth);
        buffer.put(1, 0, SnesColor::toScreen(c, depth));
        const QRgb rgb = image.pixel(1, 0);
        EXPECT_EQ(qRed(rgb) >> 3, 31) << depth;
        EXPECT_EQ(qGreen(rgb) >> 3, 10) << depth;
        EXPECT_EQ(qBlue(rgb) >> 3, 2) << depth;
        EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0)) << depth;
    }
}

TEST(SnesColor, TintingMovesEachChannelHalfwayTruncatingTowardZero)
{
    const quint16 tinted = SnesColor::tinted(SnesColor::fromComponents(0, 31, 20), SnesColor::fromComponents(31, 15, 15));
    EXPECT_EQ(SnesColor::red(tinted), 16);    // 31 + (0 - 31) / 2 = 31 - 15
    EXPECT_EQ(SnesColor::green(tinted), 23);  // 15 + 16 / 2
    EXPECT_EQ(SnesColor::blue(tinted), 17);   // 15 + 5 / 2
}

TEST(PackedTile, TheLowNibbleIsTheLeftPixel)
{
    quint8 piece[32] = {};
    piece[0] = 0x21;
    EXPECT_EQ(PackedTile::pixel(piece, 0, 0), 1);
    EXPECT_EQ(PackedTile::pixel(piece, 1, 0), 2);
    PackedTile::setPixel(piece, 7, 7, 0xC);
    EXPECT_EQ(piece[31], 0xC0);

    const auto palette = indexPalette();
    for (int depth : {16, 24, 32}) {
        QImage image(10, 9, formatForDepth(depth));
        image.fill(Qt::white);
        PixelBuffer buffer = bufferOf(image, depth);
        PackedTile::draw(buffer, 2, 1, piece, 48, palette.data());
        EXPECT_EQ(colourIndexAt(image, 2, 1), 49) << depth;
        EXPECT_EQ(colourIndexAt(image, 3, 1), 50) << depth;
        EXPECT_EQ(colourIndexAt(image, 9, 8), 48 + 0xC) << depth;
        EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255)) << depth;
    }
}

TEST(PackedTile, DrawingIsClippedAndSkippedForOtherDepths)
{
    quint8 piece[32];
    std::memset(piece, 0x11, sizeof piece);
    const auto palette = indexPalette();
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    PixelBuffer buffer = bufferOf(image, 32);
    PackedTile::draw(buffer, -6, 2, piece, 0, palette.data());  // only two columns, two rows land
    EXPECT_EQ(colourIndexAt(image, 1, 3), 1);
    EXPECT_EQ(image.pixel(2, 3), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));

    QImage eight(8, 8, QImage::Format_Grayscale8);
    eight.fill(7);
    PixelBuffer unsupported{eight.bits(), eight.bytesPerLine(), 8, 8, 8};
    PackedTile::draw(unsupported, 0, 0, piece, 0, palette.data());
    EXPECT_EQ(qGray(eight.pixel(3, 3)), 7);
}

TEST(PackedTile, ABaseBeyondThePaletteWrapsInsteadOfReadingPastIt)
{
    quint8 piece[32] = {0x0F};
    const auto palette = indexPalette();
    QImage image(8, 8, QImage::Format_RGB32);
    PixelBuffer buffer = bufferOf(image, 32);
    PackedTile::draw(buffer, 0, 0, piece, 0xF0, palette.data());
    EXPECT_EQ(colourIndexAt(image, 0, 0), (0xF0 + 0xF) & 127);
}

TEST(PlanarTile, PixelsReadAndWriteAcrossTheFourPlanes)
{
    quint8 tile[32] = {};
    PlanarTile::setPixel(tile, 0, 0, 0xF);
    PlanarTile::setPixel(tile, 7, 3, 0x6);
    EXPECT_EQ(tile[0], 0x80);
    EXPECT_EQ(tile[1], 0x80);
    EXPECT_EQ(tile[16], 0x80);
    EXPECT_EQ(tile[17], 0x80);
    EXPECT_EQ(tile[7], 0x01);   // plane 1 of row 3
    EXPECT_EQ(tile[22], 0x01);  // plane 2 of row 3
    EXPECT_EQ(PlanarTile::pixel(tile, 0, 0), 0xF);
    EXPECT_EQ(PlanarTile::pixel(tile, 7, 3), 0x6);
    PlanarTile::setPixel(tile, 0, 0, 0x2);
    EXPECT_EQ(PlanarTile::pixel(tile, 0, 0), 0x2);
    EXPECT_EQ(tile[0], 0x00);
}

TEST(WorldMapGraphics, TheGraphicsBlockSplitsAndAssemblesWithNibblePaletteNumbers)
{
    QByteArray block(9344, '\0');
    for (int i = 0; i < 9216; ++i)
        block[i] = char(i * 7);
    block[9216] = char(0x53);  // piece 0: palette 3, piece 1: palette 5
    block[9343] = char(0x70);  // piece 254: 0, piece 255: 7
    WorldMap map;
    map.setGraphicsBlock(block);
    EXPECT_EQ(map.tileAssembly.bytes[1023], quint8(1023 * 7));
    EXPECT_EQ(map.pieces[0], char(1024 * 7));
    EXPECT_EQ(map.piecePalette[0], 48);
    EXPECT_EQ(map.piecePalette[1], 80);
    EXPECT_EQ(map.piecePalette[254], 0);
    EXPECT_EQ(map.piecePalette[255], 112);
    EXPECT_EQ(map.graphicsBlock(), block);
}

TEST(WorldMapGraphics, AMapTileIsDrawnFromItsFourPiecesEachInItsOwnSubPalette)
{
    WorldMap map;
    map.pieces = QByteArray(8192, '\0');
    for (int q = 0; q < 4; ++q) {
        map.tileAssembly.setPiece(9, q, 10 + q);
        std::memset(map.piece(10 + q), 0x11 * (q + 1), 32);
        map.piecePalette[std::size_t(10 + q)] = quint8(16 * (q + 2));
    }
    map.palette = indexPalette();
    QImage image(16, 16, QImage::Format_RGB32);
    PixelBuffer buffer = bufferOf(image, 32);
    map.drawTile(buffer, 0, 0, 9);
    EXPECT_EQ(colourIndexAt(image, 0, 0), 32 + 1);
    EXPECT_EQ(colourIndexAt(image, 15, 0), 48 + 2);
    EXPECT_EQ(colourIndexAt(image, 0, 15), 64 + 3);
    EXPECT_EQ(colourIndexAt(image, 8, 8), 80 + 4);
}

TEST(TileProperties, FieldsComeInTheEditorsOrderWithTheirTexts)
{
    const auto fields = TileProperties::fields();
    ASSERT_EQ(fields.size(), 10u);
    const auto groups = TileProperties::groups();
    ASSERT_EQ(groups.size(), 4u);
    EXPECT_STREQ(groups[0], "Travelling");
    EXPECT_STREQ(groups[3], "Other");
    EXPECT_STREQ(fields[0].label, "Walking disabled");
    EXPECT_EQ(fields[0].mask, 0x0010);
    EXPECT_STREQ(fields[3].label, "Bottom half of character is transparent");
    EXPECT_STREQ(fields[4].group, "Vehicles");
    EXPECT_STREQ(fields[5].label, "Background image");
    EXPECT_STREQ(fields[9].label, "Land Airship, then Trigger Event (?)");
    EXPECT_STREQ(fields[8].label, "Trigger Event when Landed on (?)");
    // Groups appear in order, each field's group among them.
    int groupIndex = 0;
    for (const auto& field : fields) {
        while (groupIndex < 4 && std::strcmp(groups[std::size_t(groupIndex)], field.group) != 0)
            ++groupIndex;
        EXPECT_LT(groupIndex, 4) << field.label;
    }
    // No field covers bits 0x0080, 0x0800 and 0x1000; no two overlap.
    quint16 covered = 0;
    for (const auto& field : fields) {
        EXPECT_EQ(covered & field.mask, 0) << field.label;
        covered |= field.mask;
    }
    EXPECT_EQ(covered, quint16(~(0x0080 | 0x0800 | 0x1000)));
}

TEST(TileProperties, ChoiceFieldsReadAndWriteTheirShiftedBits)
{
    const auto& background = TileProperties::fields()[5];
    const auto& shadow = TileProperties::fields()[4];
    EXPECT_EQ(TileProperties::value(0x0F4C, background), 7);
    EXPECT_STREQ(TileProperties::choiceText(background, 7), "Falling through Clouds");
    EXPECT_STREQ(TileProperties::choiceText(background, 5), "World of Ruin");
    EXPECT_EQ(TileProperties::choiceText(background, 8), nullptr);
    EXPECT_EQ(TileProperties::value(0x0F4C, shadow), 3);
    EXPECT_STREQ(TileProperties::choiceText(shadow, 2), "Larger");
    EXPECT_EQ(TileProperties::withValue(0xFFFF, background, 2), 0xFAFF);
    EXPECT_EQ(TileProperties::withValue(0x0000, shadow, 9), 0x0004);  // cut to the field
    EXPECT_EQ(TileProperties::value(0x0010, TileProperties::fields()[0]), 1);
    EXPECT_EQ(TileProperties::shadowSize(0x0008), 2);
}
