// Painting a full 1920 x 1080 window of the sample World of Balance, the
// way a map view paints it (tile pieces through colour tables, trigger
// tints looked up per cell), in each screen depth, against converting
// every pixel through QImage::setPixel.
#include "tools/samplerom/samplemaploader.h"
#include "worldmap/celltints.h"
#include "worldmap/mapgeometry.h"
#include "worldmap/mappainter.h"
#include "worldmap/packedtile.h"
#include "worldmap/screencolortable.h"
#include "worldmap/worldmap.h"

#include <QImage>

#include <algorithm>

#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

constexpr QSize kWindow(1920, 1080);

const WorldMap& balance()
{
    static const WorldMap map = loadSampleWorldMap(worldmap::kBalance);
    return map;
}

// The cells a 1920 x 1080 window shows from the map's middle, widened to whole cells.
QRect windowCells()
{
    const MapGeometry geometry(QSize(256, 256), kWindow, 16, QPoint(60, 90));
    return geometry.cellsCovering(QRect(QPoint(0, 0), kWindow));
}

QImage::Format formatOf(int depth)
{
    return depth == 16 ? QImage::Format_RGB16 : depth == 24 ? QImage::Format_BGR888 : QImage::Format_RGB32;
}

void BM_PaintView(benchmark::State& state)
{
    const int depth = int(state.range(0));
    const WorldMap& map = balance();
    const QRect cells = windowCells();
    QImage buffer(kWindow + QSize(32, 32), formatOf(depth));
    PixelBuffer target{buffer.bits(), buffer.bytesPerLine(), depth, buffer.width(), buffer.height()};
    const ScreenColorTable colors(map.palette, depth);
    CellTints tints;
    for (auto _ : state) {
        tints.build(map, true, QPoint(0, 0));
        MapPainter painter(map, colors);
        painter.setTints(&tints);
        painter.drawCells(target, cells, QPoint(0, 0));
        benchmark::DoNotOptimize(buffer.constBits());
    }
    state.counters["cells"] = double(cells.width() * cells.height());
}
BENCHMARK(BM_PaintView)->Arg(16)->Arg(24)->Arg(32)->Unit(benchmark::kMillisecond);

// The same window with "Highlight Selected Tile" on for the most common tile.
void BM_PaintViewHighlighted(benchmark::State& state)
{
    const WorldMap& map = balance();
    const QRect cells = windowCells();
    QImage buffer(kWindow + QSize(32, 32), QImage::Format_RGB32);
    PixelBuffer target{buffer.bits(), buffer.bytesPerLine(), 32, buffer.width(), buffer.height()};
    const ScreenColorTable colors(map.palette, 32);
    CellTints tints;
    int counts[256] = {};
    for (char tile : map.tileMap)
        ++counts[quint8(tile)];
    const int common = int(std::max_element(std::begin(counts), std::end(counts)) - std::begin(counts));
    for (auto _ : state) {
        tints.build(map, true, QPoint(0, 0));
        MapPainter painter(map, colors);
        painter.setTints(&tints);
        painter.setHighlightedTile(common);
        painter.drawCells(target, cells, QPoint(0, 0));
        benchmark::DoNotOptimize(buffer.constBits());
    }
}
BENCHMARK(BM_PaintViewHighlighted)->Unit(benchmark::kMillisecond);

// The same picture, one pixel at a time: colour index, conversion, setPixel.
void BM_PaintViewNaive(benchmark::State& state)
{
    const WorldMap& map = balance();
    const QRect cells = windowCells();
    QImage buffer(kWindow + QSize(32, 32), QImage::Format_RGB32);
    for (auto _ : state) {
        for (int row = cells.top(); row <= cells.bottom(); ++row)
            for (int column = cells.left(); column <= cells.right(); ++column) {
                const int tile = map.tileAt(column, row);
                for (int y = 0; y < 16; ++y)
                    for (int x = 0; x < 16; ++x) {
                        const int piece = map.tileAssembly.piece(tile, (y / 8) * 2 + x / 8);
                        const int index = (map.piecePalette[std::size_t(piece)] +
                                           PackedTile::pixel(map.piece(piece), x % 8, y % 8)) & 127;
                        const quint16 color = map.color(index);
                        buffer.setPixel((column - cells.left()) * 16 + x, (row - cells.top()) * 16 + y,
                                        qRgb(SnesColor::red(color) * 8, SnesColor::green(color) * 8,
                                             SnesColor::blue(color) * 8));
                    }
            }
        benchmark::DoNotOptimize(buffer.constBits());
    }
}
BENCHMARK(BM_PaintViewNaive)->Unit(benchmark::kMillisecond);

}  // namespace
