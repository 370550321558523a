#include "worldmap/celltints.h"
#include "worldmap/mapgeometry.h"
#include "worldmap/mapoverview.h"
#include "worldmap/mapzoom.h"
#include "worldmap/mappainter.h"
#include "worldmap/screencolortable.h"
#include "worldmap/tilemapspace.h"
#include "worldmap/worldmap.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace tessel;

namespace {

// A map whose tile t is made of piece t in every quarter, piece p filled
// with pixel value p % 16 in sub-palette (p / 16) % 8; so every pixel of
// tile t has colour index 16 * ((t / 16) % 8) + t % 16. Colour i has
// red i % 32, green 31 - i % 32 and blue i / 32.
WorldMap patternMap(int width = 256, int height = 256)
{
    WorldMap map;
    map.width = width;
    map.height = height;
    map.tileMap = QByteArray(width * height, '\0');
    map.pieces = QByteArray(8192, '\0');
    for (int p = 0; p < 256; ++p) {
        std::memset(map.piece(p), (p % 16) * 0x11, 32);
        map.piecePalette[std::size_t(p)] = quint8(16 * ((p / 16) % 8));
        for (int q = 0; q < 4; ++q)
            map.tileAssembly.setPiece(p, q, p);
    }
    for (int i = 0; i < 128; ++i)
        map.setColor(i, SnesColor::fromComponents(i % 32, 31 - i % 32, i / 32));
    return map;
}

int colourIndexOfTile(int tile)
{
    return 16 * ((tile / 16) % 8) + tile % 16;
}

struct Rgb5 {
    int r, g, b;
};

Rgb5 rgbOfIndex(int i)
{
    return {i % 32, 31 - i % 32, i / 32};
}

// A screen pixel as the conversion rules describe it, written out bit by bit.
quint32 expectedPixel(Rgb5 c, int depth)
{
    switch (depth) {
    case 16: return quint32(c.r << 11 | c.g << 6 | c.b);
    case 24: return quint32(c.b * 8 | (c.g * 8) << 8 | (c.r * 8) << 16);  // bytes blue, green, red
    default: return quint32((c.r * 8) << 16 | (c.g * 8) << 8 | c.b * 8);
    }
}

Rgb5 mixed(Rgb5 c, Rgb5 tint)
{
    auto mix = [](int channel, int t) { return t + (channel - t) / 2; };
    return {mix(c.r, tint.r), mix(c.g, tint.g), mix(c.b, tint.b)};
}

// A buffer of one depth with its raw pixels readable.
struct Buffer {
    Buffer(int depth, int width, int height)
        : depth(depth), bytes(std::size_t(width * height * 4), 0xAB), width(width), height(height)
    {
    }
    PixelBuffer pixels() { return {bytes.data(), qsizetype(width * (depth / 8)), depth, width, height}; }
    quint32 at(int x, int y) const
    {
        const uchar* p = bytes.data() + y * width * (depth / 8) + x * (depth / 8);
        switch (depth) {
        case 16: return quint32(p[0] | p[1] << 8);
        case 24: return quint32(p[0] | p[1] << 8 | p[2] << 16);
        default: return quint32(p[0] | p[1] << 8 | p[2] << 16 | p[3] << 24);
        }
    }
    int depth;
    std::vector<uchar> bytes;
    int width, height;
};

constexpr quint32 kUntouched16 = 0xABAB;
constexpr quint32 kUntouched = 0xABABABAB;

quint32 untouched(int depth)
{
    return depth == 16 ? kUntouched16 : depth == 24 ? (kUntouched & 0xFFFFFF) : kUntouched;
}

MapTrigger trigger(int kind, int x, int y)
{
    MapTrigger t;
    t.kind = kind;
    t.x = quint8(x);
    t.y = quint8(y);
    return t;
}

}  // namespace

TEST(MapPainter, EveryDepthStoresTheConvertedColoursOfEachCell)
{
    WorldMap map = patternMap();
    map.setTile(10, 20, 0x35);
    map.setTile(11, 20, 0xF1);  // sub-palette 7
    map.setTile(10, 21, 0x8E);
    map.piecePalette[0x8E] = 0x80;  // sub-palette 8 wraps to 0
    for (int depth : {16, 24, 32}) {
        const ScreenColorTable colors(map.palette, depth);
        MapPainter painter(map, colors);
        Buffer buffer(depth, 40, 40);
        PixelBuffer pixels = buffer.pixels();
        painter.drawCells(pixels, QRect(10, 20, 2, 2), QPoint(4, 2));
        EXPECT_EQ(buffer.at(4, 2), expectedPixel(rgbOfIndex(colourIndexOfTile(0x35)), depth)) << depth;
        EXPECT_EQ(buffer.at(19, 17), expectedPixel(rgbOfIndex(colourIndexOfTile(0x35)), depth)) << depth;
        EXPECT_EQ(buffer.at(20, 2), expectedPixel(rgbOfIndex(112 + 1), depth)) << depth;
        EXPECT_EQ(buffer.at(35, 17), expectedPixel(rgbOfIndex(112 + 1), depth)) << depth;
        EXPECT_EQ(buffer.at(4, 18), expectedPixel(rgbOfIndex(0x0E), depth)) << depth;
        EXPECT_EQ(buffer.at(3, 2), untouched(depth)) << depth;
        EXPECT_EQ(buffer.at(36, 33), untouched(depth)) << depth;
    }
}

TEST(MapPainter, PiecesKeepTheirQuarterSubPaletteAndNibbleOrder)
{
    WorldMap map = patternMap(2, 1);
    map.tileAssembly.setPiece(1, TileAssembly::TopRight, 0x22);
    map.tileAssembly.setPiece(1, TileAssembly::BottomLeft, 0x43);
    map.piece(0x43)[0] = 0x21;  // left pixel 1, right pixel 2
    map.setTile(1, 0, 1);
    const ScreenColorTable colors(map.palette, 32);
    MapPainter painter(map, colors);
    Buffer buffer(32, 32, 16);
    PixelBuffer pixels = buffer.pixels();
    painter.drawCells(pixels, QRect(0, 0, 2, 1), QPoint(0, 0));
    EXPECT_EQ(buffer.at(16, 0), expectedPixel(rgbOfIndex(colourIndexOfTile(1)), 32));
    EXPECT_EQ(buffer.at(24, 0), expectedPixel(rgbOfIndex(colourIndexOfTile(0x22)), 32));
    EXPECT_EQ(buffer.at(16, 8), expectedPixel(rgbOfIndex(64 + 1), 32));
    EXPECT_EQ(buffer.at(17, 8), expectedPixel(rgbOfIndex(64 + 2), 32));
}

TEST(MapPainter, CellsPartlyOutsideTheBufferAreClipped)
{
    WorldMap map = patternMap();
    map.setTile(0, 0, 3);
    const ScreenColorTable colors(map.palette, 24);
    MapPainter painter(map, colors);
    Buffer buffer(24, 10, 10);
    PixelBuffer pixels = buffer.pixels();
    painter.drawCells(pixels, QRect(0, 0, 1, 1), QPoint(-8, -8));
    EXPECT_EQ(buffer.at(0, 0), expectedPixel(rgbOfIndex(3), 24));
    EXPECT_EQ(buffer.at(7, 7), expectedPixel(rgbOfIndex(3), 24));
    EXPECT_EQ(buffer.at(8, 8), untouched(24));
}

TEST(MapPainter, TintsMixTriggerCellsOnlyWhileTheyAreShown)
{
    WorldMap map = patternMap();
    map.triggers = {trigger(MapTrigger::Entrance, 1, 0), trigger(MapTrigger::Event, 2, 0),
                    trigger(MapTrigger::Event, 3, 0), trigger(MapTrigger::Event, 1, 0)};
    for (int x = 0; x < 5; ++x)
        map.setTile(x, 0, 0x17);
    const Rgb5 plain = rgbOfIndex(colourIndexOfTile(0x17));
    for (int depth : {16, 24, 32}) {
        const ScreenColorTable colors(map.palette, depth);
        CellTints tints;
        tints.build(map, true, QPoint(3, 0));
        MapPainter painter(map, colors);
        painter.setTints(&tints);
        Buffer buffer(depth, 80, 16);
        PixelBuffer pixels = buffer.pixels();
        painter.drawCells(pixels, QRect(0, 0, 5, 1), QPoint(0, 0));
        EXPECT_EQ(buffer.at(5, 5), expectedPixel(plain, depth)) << depth;
        // The first trigger at a cell decides: an entrance.
        EXPECT_EQ(buffer.at(21, 5), expectedPixel(mixed(plain, {15, 15, 31}), depth)) << depth;
        EXPECT_EQ(buffer.at(37, 5), expectedPixel(mixed(plain, {31, 15, 15}), depth)) << depth;
        EXPECT_EQ(buffer.at(53, 5), expectedPixel(mixed(plain, {31, 31, 15}), depth)) << depth;
        EXPECT_EQ(buffer.at(69, 5), expectedPixel(plain, depth)) << depth;

        // Another tool than Pointer: only the selected trigger stays tinted.
        tints.build(map, false, QPoint(3, 0));
        painter.drawCells(pixels, QRect(0, 0, 5, 1), QPoint(0, 0));
        EXPECT_EQ(buffer.at(21, 5), expectedPixel(plain, depth)) << depth;
        EXPECT_EQ(buffer.at(53, 5), expectedPixel(mixed(plain, {31, 31, 15}), depth)) << depth;
    }
    // A selected cell without a trigger is not tinted.
    CellTints tints;
    tints.build(map, false, QPoint(4, 0));
    EXPECT_EQ(tints.at(4, 0), CellTint::None);
    EXPECT_EQ(tints.at(-1, 300), CellTint::None);
}

TEST(MapPainter, TheHighlightedTileIsTintedGreenWhereNoTriggerTintApplies)
{
    WorldMap map = patternMap();
    map.triggers = {trigger(MapTrigger::Event, 1, 0)};
    map.setTile(0, 0, 0x21);
    map.setTile(1, 0, 0x21);
    map.setTile(2, 0, 0x22);
    const Rgb5 plain = rgbOfIndex(colourIndexOfTile(0x21));
    const ScreenColorTable colors(map.palette, 32);
    CellTints tints;
    tints.build(map, true, std::nullopt);
    MapPainter painter(map, colors);
    painter.setTints(&tints);
    painter.setHighlightedTile(0x21);
    Buffer buffer(32, 48, 16);
    PixelBuffer pixels = buffer.pixels();
    painter.drawCells(pixels, QRect(0, 0, 3, 1), QPoint(0, 0));
    EXPECT_EQ(buffer.at(5, 5), expectedPixel(mixed(plain, {15, 31, 15}), 32));
    EXPECT_EQ(buffer.at(21, 5), expectedPixel(mixed(plain, {31, 15, 15}), 32));  // the trigger's tint wins
    EXPECT_EQ(buffer.at(37, 5), expectedPixel(rgbOfIndex(colourIndexOfTile(0x22)), 32));
    // A floating block's tile counts where it shows.
    TileOverlay block = TileOverlay::block(QRect(2, 0, 1, 1), QByteArray(1, char(0x21)));
    painter.addOverlay(&block);
    painter.drawCells(pixels, QRect(0, 0, 3, 1), QPoint(0, 0));
    EXPECT_EQ(buffer.at(37, 5), expectedPixel(mixed(plain, {15, 31, 15}), 32));
}

TEST(MapPainter, TheTintMixTruncatesTowardZeroPerChannel)
{
    // Channel differences of both signs, odd and even.
    const Rgb5 c{0, 30, 14};
    const Rgb5 t{31, 15, 15};
    const Rgb5 m = mixed(c, t);
    EXPECT_EQ(m.r, 16);  // 31 + (-31 / 2) = 31 - 15
    EXPECT_EQ(m.g, 22);  // 15 + 15 / 2
    EXPECT_EQ(m.b, 15);  // 15 + (-1 / 2) = 15 - 0
    WorldMap map = patternMap(1, 1);
    map.setColor(0, SnesColor::fromComponents(c.r, c.g, c.b));
    map.triggers = {trigger(MapTrigger::Event, 0, 0)};
    const ScreenColorTable colors(map.palette, 32);
    EXPECT_EQ(colors.subPalette(CellTint::EventTrigger, 0)[0], expectedPixel(m, 32));
}

TEST(MapPainter, OverlaysShowTheirTilesOverTheMap)
{
    WorldMap map = patternMap(4, 1);
    TileOverlay floating = TileOverlay::block(QRect(1, 0, 2, 1), QByteArray("\x05\x06", 2));
    TileOverlay preview(QPoint(2, 0), 2, 1);
    preview.set(3, 0, 9);
    const ScreenColorTable colors(map.palette, 16);
    MapPainter painter(map, colors);
    painter.addOverlay(&floating);
    painter.addOverlay(&preview);
    EXPECT_EQ(painter.tileAt(0, 0), 0);
    EXPECT_EQ(painter.tileAt(1, 0), 5);
    EXPECT_EQ(painter.tileAt(2, 0), 6);  // the preview is clear there
    EXPECT_EQ(painter.tileAt(3, 0), 9);
    Buffer buffer(16, 64, 16);
    PixelBuffer pixels = buffer.pixels();
    painter.drawCells(pixels, QRect(0, 0, 4, 1), QPoint(0, 0));
    EXPECT_EQ(buffer.at(40, 3), expectedPixel(rgbOfIndex(6), 16));
    EXPECT_EQ(buffer.at(63, 15), expectedPixel(rgbOfIndex(9), 16));
}

TEST(MapPainter, GridLinesStopAtTheMapsEdge)
{
    WorldMap map = patternMap(4, 3);
    for (int depth : {16, 24, 32}) {
        const ScreenColorTable colors(map.palette, depth);
        MapPainter painter(map, colors);
        Buffer buffer(depth, 100, 80);
        PixelBuffer pixels = buffer.pixels();
        // A region wider and taller than the map, one cell left of and above it.
        const QRect cells(-1, -1, 6, 5);
        painter.drawCells(pixels, cells, QPoint(0, 0));
        painter.drawGrid(pixels, cells, QPoint(0, 0));
        const quint32 grid = expectedPixel({24, 24, 24}, depth);
        EXPECT_EQ(buffer.at(16, 16), grid) << depth;   // the map's top-left corner
        EXPECT_EQ(buffer.at(16, 63), grid) << depth;   // left edge, last map row
        EXPECT_EQ(buffer.at(64, 40), grid) << depth;   // line of the last column
        EXPECT_EQ(buffer.at(79, 48), grid) << depth;   // line of the last row
        EXPECT_EQ(buffer.at(80, 20), untouched(depth)) << depth;  // no line along the right edge
        EXPECT_EQ(buffer.at(40, 64), untouched(depth)) << depth;  // nor along the bottom
        EXPECT_EQ(buffer.at(16, 70), untouched(depth)) << depth;  // lines end with the map
        EXPECT_EQ(buffer.at(85, 16), untouched(depth)) << depth;
        EXPECT_EQ(buffer.at(15, 16), untouched(depth)) << depth;
        EXPECT_NE(buffer.at(17, 17), grid) << depth;
    }
}

TEST(MapPainter, OtherDepthsDrawNothing)
{
    WorldMap map = patternMap(1, 1);
    const ScreenColorTable colors(map.palette, 8);
    MapPainter painter(map, colors);
    Buffer buffer(8, 16, 16);
    PixelBuffer pixels = buffer.pixels();
    painter.drawCells(pixels, QRect(0, 0, 1, 1), QPoint(0, 0));
    painter.drawGrid(pixels, QRect(0, 0, 1, 1), QPoint(0, 0));
    EXPECT_TRUE(std::all_of(buffer.bytes.begin(), buffer.bytes.end(), [](uchar b) { return b == 0xAB; }));
}

TEST(MapGeometry, CellsAndWindowPixelsAtEveryZoom)
{
    for (const int zoom : {-4, -2, 1, 2, 3, 4}) {
        const int cell = mapzoom::scaled(16, zoom);
        MapGeometry g(QSize(256, 256), QSize(10 * cell + cell / 2, 6 * cell), cell, QPoint(100, 50));
        EXPECT_EQ(g.visibleColumns(), 10) << zoom;
        EXPECT_EQ(g.cellAt(QPoint(0, 0)), QPoint(100, 50)) << zoom;
        EXPECT_EQ(g.cellAt(QPoint(cell - 1, cell)), QPoint(100, 51)) << zoom;
        EXPECT_EQ(g.cellAt(QPoint(3 * cell + cell / 2, 2 * cell + 1)), QPoint(103, 52)) << zoom;
        EXPECT_EQ(g.cellRect(103, 52), QRect(3 * cell, 2 * cell, cell, cell)) << zoom;
        EXPECT_EQ(g.cellsRect(QRect(101, 51, 2, 3)), QRect(cell, cell, 2 * cell, 3 * cell)) << zoom;
        EXPECT_EQ(g.visibleCellAt(QPoint(10 * cell + cell / 4, 0)), QPoint(10, 0)) << zoom;
        EXPECT_EQ(g.visibleCellAt(QPoint(20 * cell, -cell)), QPoint(10, 0)) << zoom;  // clamped to the window
        EXPECT_TRUE(g.isVisible(110, 56)) << zoom;
        EXPECT_FALSE(g.isVisible(111, 50)) << zoom;
        // An invalid rectangle widened to whole cells.
        EXPECT_EQ(g.cellsCovering(QRect(cell - 1, 0, 2, 1)), QRect(100, 50, 2, 1)) << zoom;
    }
    // Points beyond the map clamp to its last cell; points left of the window to the scroll.
    MapGeometry g(QSize(256, 256), QSize(320, 320), 32, QPoint(250, 250));
    EXPECT_EQ(g.cellAt(QPoint(319, 319)), QPoint(255, 255));
    EXPECT_EQ(g.cellAt(QPoint(-1, -40)), QPoint(249, 248));
}

TEST(MapZoom, StepsRunFromAQuarterToFourTimes)
{
    // Stored settings of any value land on a step.
    EXPECT_EQ(mapzoom::normalised(0), 1);
    EXPECT_EQ(mapzoom::normalised(-1), 1);
    EXPECT_EQ(mapzoom::normalised(-3), -2);
    EXPECT_EQ(mapzoom::normalised(-100), -4);
    EXPECT_EQ(mapzoom::normalised(9), 4);
    // 16-pixel cells: every step, clamped at both ends.
    EXPECT_EQ(mapzoom::stepped(1, -1, 16), -2);
    EXPECT_EQ(mapzoom::stepped(-2, -1, 16), -4);
    EXPECT_EQ(mapzoom::stepped(-4, -1, 16), -4);
    EXPECT_EQ(mapzoom::stepped(-4, 2, 16), 1);
    EXPECT_EQ(mapzoom::stepped(3, 5, 16), 4);
    // Cells that would not stay whole screen pixels do not zoom out so far.
    EXPECT_EQ(mapzoom::smallestFor(16), -4);
    EXPECT_EQ(mapzoom::smallestFor(6), -2);
    EXPECT_EQ(mapzoom::smallestFor(1), 1);
    EXPECT_EQ(mapzoom::stepped(1, -3, 6), -2);
    EXPECT_EQ(mapzoom::stepped(2, -4, 1), 1);
}

TEST(MapGeometry, ScrollingIsClampedToTheScrollLimit)
{
    MapGeometry g(QSize(256, 256), QSize(330, 170), 16);
    EXPECT_EQ(g.scrollLimit(), QPoint(256 - 20, 256 - 10));
    g.setScroll(QPoint(1000, -5));
    EXPECT_EQ(g.scroll(), QPoint(236, 0));
    g.setScroll(QPoint(240, 246));
    EXPECT_EQ(g.scroll(), QPoint(236, 246));
    // A window larger than the map does not scroll.
    MapGeometry big(QSize(256, 256), QSize(5000, 5000), 16);
    big.setScroll(QPoint(3, 3));
    EXPECT_EQ(big.scroll(), QPoint(0, 0));
    // At 4x the same window scrolls further.
    MapGeometry zoomed(QSize(256, 256), QSize(330, 170), 64);
    EXPECT_EQ(zoomed.scrollLimit(), QPoint(256 - 5, 256 - 2));
}

TEST(MapOverview, EachTileHasTheMeanColourOfItsPixels)
{
    WorldMap map = patternMap(2, 2);
    // Tile 1: its top half colour 0 (red 0), its bottom half colour 2 (red 2).
    for (int q = 0; q < 4; ++q)
        map.tileAssembly.setPiece(1, q, q < 2 ? 0 : 2);
    const MapOverview::TileColors colors = MapOverview::tileColors(map);
    EXPECT_EQ(colors[1], quint32(8) << 16 | quint32(240) << 8 | 0);  // red (0 + 16) / 2, green (248 + 232) / 2
    EXPECT_EQ(colors[33], quint32(1 * 8) << 16 | quint32(30 * 8) << 8 | 8);  // colour 33

    map.setTile(1, 1, 33);
    std::vector<quint32> pixels(4, 0);
    PixelBuffer target{reinterpret_cast<uchar*>(pixels.data()), 8, 32, 2, 2};
    MapOverview::draw(target, colors, QRect(0, 0, 2, 2), [&](int c, int r) { return map.tileAt(c, r); });
    EXPECT_EQ(pixels[3], colors[33]);
    EXPECT_EQ(pixels[0], colors[0]);
}

TEST(TileMapSpace, SaysHowFullTheRoomIs)
{
    EXPECT_EQ(TileMapSpace(15210, 15643).text(), QStringLiteral("Tile map: 15,210 of 15,643 bytes"));
    EXPECT_EQ(TileMapSpace(15643, 15643).text(), QStringLiteral("Tile map: 15,643 of 15,643 bytes"));
    EXPECT_EQ(TileMapSpace(15644, 15643).text(),
              QStringLiteral("Tile map: 15,644 of 15,643 bytes; the next save moves it to the expansion area"));
    EXPECT_FALSE(TileMapSpace(65536, 15643).storable());
    EXPECT_TRUE(TileMapSpace(65535, 15643).storable());
    EXPECT_TRUE(TileMapSpace(65536, 15643).text().contains(QStringLiteral("saving is refused")));
    // The measure is the stream a save writes: an even map is tiny.
    const TileMapSpace even = TileMapSpace::measure(QByteArray(65536, '\x11'), 12993);
    EXPECT_TRUE(even.fitsRoom());
    EXPECT_LT(even.encodedSize(), 6000);
}
