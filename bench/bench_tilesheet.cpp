// Tile sheets of the sample World of Balance: drawing the 256 x 256 sheet
// of whole tiles, writing and reading it as a bitmap and as a PNG image,
// and reading a sheet of pieces back into the map's graphics.
#include "document/tilesheetfile.h"
#include "tools/samplerom/samplemaploader.h"
#include "worldmap/bmpfile.h"
#include "worldmap/tilesheet.h"
#include "worldmap/worldmap.h"

#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

const WorldMap& balance()
{
    static const WorldMap map = loadSampleWorldMap(worldmap::kBalance);
    return map;
}

void BM_ExportWholeTiles(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(TileSheet::exportSheet(balance(), TileSheet::Kind::WholeTiles));
}
BENCHMARK(BM_ExportWholeTiles)->Unit(benchmark::kMicrosecond);

// Encoding and decoding the whole-tiles sheet: 0 bitmap, 1 PNG image.
void BM_SheetFileRoundTrip(benchmark::State& state)
{
    const auto format = state.range(0) == 0 ? TileSheetFile::Format::Bmp : TileSheetFile::Format::Png;
    const IndexedPicture sheet = TileSheet::exportSheet(balance(), TileSheet::Kind::WholeTiles);
    for (auto _ : state) {
        const QByteArray bytes = TileSheetFile::encode(sheet, format);
        benchmark::DoNotOptimize(TileSheetFile::decode(bytes, nullptr));
    }
}
BENCHMARK(BM_SheetFileRoundTrip)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ImportPieces(benchmark::State& state)
{
    const IndexedPicture sheet = TileSheet::exportSheet(balance(), TileSheet::Kind::TilePieces);
    for (auto _ : state)
        benchmark::DoNotOptimize(TileSheet::importPieces(sheet, nullptr, nullptr));
}
BENCHMARK(BM_ImportPieces)->Unit(benchmark::kMicrosecond);

}  // namespace
