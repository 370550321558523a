#include "records/monsterpicture.h"
#include "records/monstertables.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tessel;

// Monster pictures from tables made by hand: template walk, both depths,
// colours, transparency, clipping, and descriptors that point outside the
// blocks they read.
namespace {

using Pixels = std::function<int(int x, int y)>;

// Writes an 8 x 8 planar tile of 3 or 4 bits a pixel at `at` of the tile data.
void putTile(MonsterTables& t, std::size_t at, bool threeBit, const Pixels& pixel)
{
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const int v = pixel(x, y);
            const quint8 bit = quint8(0x80 >> x);
            if (v & 1) t.tileData[at + 2 * y] |= bit;
            if (v & 2) t.tileData[at + 2 * y + 1] |= bit;
            if (v & 4) t.tileData[at + (threeBit ? 16 + y : 16 + 2 * y)] |= bit;
            if (!threeBit && (v & 8)) t.tileData[at + 17 + 2 * y] |= bit;
        }
}

void setColour(MonsterTables& t, int index, quint16 bgr)
{
    t.palettes[std::size_t(2 * index)] = quint8(bgr);
    t.palettes[std::size_t(2 * index + 1)] = quint8(bgr >> 8);
}

void setDescriptor(MonsterTables& t, int monster, int tileOffset, bool threeBit, bool large, int palette, int templ)
{
    auto& d = t.descriptors[std::size_t(monster)];
    d[0] = quint8(tileOffset);
    d[1] = quint8((tileOffset >> 8) | (threeBit ? 0x80 : 0));
    d[2] = quint8((large ? 0x80 : 0) | (palette >> 8));
    d[3] = quint8(palette);
    d[4] = quint8(templ);
}

MonsterTemplate& smallTemplate(MonsterTables& t, int n) { return t.templates[std::size_t(n)]; }
MonsterTemplate& largeTemplate(MonsterTables& t, int n)
{
    return t.templates[std::size_t(records::kSmallTemplateCount + n)];
}

// Colour word to the pixel the picture should hold.
QRgb shown(quint16 bgr)
{
    return qRgb((bgr & 31) * 8, (bgr >> 5 & 31) * 8, (bgr >> 10 & 31) * 8);
}

int opaquePixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) != 0;
    return n;
}

class MonsterPictureTest : public testing::Test {
protected:
    MonsterTables t;
};

}  // namespace

TEST_F(MonsterPictureTest, SmallFourBitPicturesTakeTheirTilesInTemplateOrder)
{
    // Cells (1, 0) and (0, 2) set: the first tile goes top right, the next below left.
    smallTemplate(t, 5).data[0] = 0x40;
    smallTemplate(t, 5).data[2] = 0x80;
    putTile(t, 0x100 * 8, false, [](int x, int) { return x; });              // values 0-7 across
    putTile(t, 0x100 * 8 + 32, false, [](int x, int y) { return x == y ? 15 : 0; });
    setDescriptor(t, 7, 0x100, false, false, 6, 5);
    for (int v = 1; v < 16; ++v)
        setColour(t, 6 * 8 + v, quint16(v * 0x0421));  // grey levels; 8-15 lie in palette 7

    const QImage picture = MonsterPicture::render(t, 7);
    ASSERT_EQ(picture.size(), QSize(64, 64));
    EXPECT_EQ(qAlpha(picture.pixel(8, 3)), 0) << "value 0 is transparent";
    for (int x = 1; x < 8; ++x)
        EXPECT_EQ(picture.pixel(8 + x, 3), shown(quint16(x * 0x0421))) << x;
    EXPECT_EQ(picture.pixel(5, 16 + 5), shown(15 * 0x0421)) << "colour 15 comes from the next 8-colour palette";
    EXPECT_EQ(qAlpha(picture.pixel(4, 16 + 5)), 0);
    EXPECT_EQ(opaquePixels(picture), 8 * 7 + 8) << "nothing drawn in the cells the template leaves empty";
}

TEST_F(MonsterPictureTest, LargeThreeBitPicturesAdvanceTwentyFourBytesATile)
{
    // The top-left and bottom-right cells of 16 x 16; big-endian rows.
    largeTemplate(t, 3).data[0] = 0x80;
    largeTemplate(t, 3).data[31] = 0x01;
    putTile(t, 800, true, [](int, int y) { return y % 8; });
    putTile(t, 800 + 24, true, [](int x, int) { return x == 7 ? 5 : 0; });
    setDescriptor(t, 300, 100, true, true, 1023 - 1000, 3);
    setColour(t, 23 * 8 + 5, 0x7C1F);

    const QImage picture = MonsterPicture::render(t, 300);
    ASSERT_EQ(picture.size(), QSize(128, 128));
    EXPECT_EQ(picture.pixel(0, 5), shown(0x7C1F));
    EXPECT_EQ(picture.pixel(0, 4), shown(0)) << "a colour word of 0 is black, not transparent";
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
    EXPECT_EQ(picture.pixel(127, 120), shown(0x7C1F));
    EXPECT_EQ(qAlpha(picture.pixel(126, 120)), 0);
    EXPECT_EQ(opaquePixels(picture), 7 * 8 + 8);
}

TEST_F(MonsterPictureTest, DrawingIsClippedAtTheTargetsEdges)
{
    smallTemplate(t, 0).data.fill(0xFF);
    for (int tile = 0; tile < 64; ++tile)
        putTile(t, std::size_t(tile) * 32, false, [](int, int) { return 1; });
    setColour(t, 1, 0x001F);
    QImage target(20, 10, QImage::Format_RGB32);
    target.fill(Qt::black);
    MonsterPicture::draw(target, {-60, 4}, t, 0);
    // Columns -60 to 3 of the target are covered, rows 4 to 9.
    EXPECT_EQ(target.pixel(3, 9), shown(0x001F));
    EXPECT_EQ(target.pixel(4, 9), qRgb(0, 0, 0));
    EXPECT_EQ(target.pixel(0, 3), qRgb(0, 0, 0));
}

TEST_F(MonsterPictureTest, DescriptorsPointingOutsideTheirBlocksDrawNothingThere)
{
    for (int n = 0; n < 8; ++n)
        smallTemplate(t, 1).data[std::size_t(n)] = 0xFF;
    const auto solid = [](int, int) { return 3; };

    // The highest tile offset (0x7FFF x 8) lies past the 0x38000 bytes of tiles.
    setDescriptor(t, 0, 0x7FFF, false, false, 0, 1);
    // The last tile that fits is drawn, the ones after it are not.
    const int lastTile = records::kMonsterTileDataSize - 32;
    putTile(t, std::size_t(lastTile), false, solid);
    setDescriptor(t, 1, lastTile / 8, false, false, 0, 1);
    setColour(t, 3, 0x03E0);
    // Palette 1023 starts at byte 0x3FF0, past the 0x3000 bytes of colours.
    putTile(t, 0, false, solid);
    setDescriptor(t, 2, 0, false, false, 1023, 1);
    // Template numbers past their tables: 128 small and 48 large.
    setDescriptor(t, 3, 0, false, false, 0, records::kSmallTemplateCount);
    setDescriptor(t, 4, 0, false, true, 0, records::kLargeTemplateCount);
    // A palette whose first colours are inside the block and the rest past it.
    const int lastPalette = records::kMonsterPalettesSize / 16 - 1;  // its colours 8-15 lie past the end
    putTile(t, 32, false, [](int x, int) { return x < 4 ? 3 : 12; });
    setDescriptor(t, 5, 4, false, false, lastPalette, 1);
    setColour(t, lastPalette * 8 + 3, 0x7FFF);

    EXPECT_EQ(opaquePixels(MonsterPicture::render(t, 0)), 0);
    const QImage partial = MonsterPicture::render(t, 1);
    EXPECT_EQ(opaquePixels(partial), 64);
    EXPECT_EQ(partial.pixel(0, 0), shown(0x03E0));
    EXPECT_EQ(opaquePixels(MonsterPicture::render(t, 2)), 0);
    EXPECT_EQ(opaquePixels(MonsterPicture::render(t, 3)), 0);
    EXPECT_EQ(opaquePixels(MonsterPicture::render(t, 4)), 0);
    const QImage halfColoured = MonsterPicture::render(t, 5);
    EXPECT_EQ(halfColoured.pixel(0, 0), shown(0x7FFF));
    EXPECT_EQ(qAlpha(halfColoured.pixel(4, 0)), 0) << "colour 12 lies past the palette block";

    EXPECT_TRUE(MonsterPicture::render(t, records::kMonsterCount).isNull());
    EXPECT_TRUE(MonsterPicture::render(t, -1).isNull());
}

TEST(MonsterGraphic, DescriptorFieldsAreReadFromTheirBits)
{
    const quint8 bytes[] = {0x34, 0x92, 0x83, 0x45, 0x2F};
    const MonsterGraphic g = MonsterGraphic::fromDescriptor(bytes);
    EXPECT_EQ(g.tileOffset, 0x1234);
    EXPECT_TRUE(g.threeBit);
    EXPECT_TRUE(g.large);
    EXPECT_EQ(g.palette, 0x345);
    EXPECT_EQ(g.templateNumber, 0x2F);
    EXPECT_EQ(g.cells(), 16);
    EXPECT_EQ(g.tileBytes(), 24);
}
