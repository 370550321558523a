// Whole-stamp and whole-map edits of the map tools on the sample World of
// Balance, stored as the map window stores them: one command per step on
// the document's undo stack.
#include "bench/benchsample.h"
#include "document/parts/worldmappart.h"
#include "document/setmapcellscommand.h"
#include "worldmap/editing/maptools.h"
#include "worldmap/worldmap.h"

#include <QUndoStack>

using namespace tessel;

namespace {

// The map window's sink without the window.
class StackSink : public MapCellSink {
public:
    explicit StackSink(CFF3Doc& doc) : doc_(doc) {}
    void store(const std::vector<MapCellWrite>& writes, MapEditKind kind, bool startsStep) override
    {
        if (startsStep || step_ == 0)
            step_ = SetMapCellsCommand::newStep();
        doc_.undoStack()->push(new SetMapCellsCommand(doc_, 0, writes, mapEditName(kind), step_));
    }

private:
    CFF3Doc& doc_;
    int step_ = 0;
};

// One click of "Brush" with a 16 x 16 stamp of varied tiles, then its undo.
void BM_PaintSixteenBySixteenStamp(benchmark::State& state)
{
    BenchSample sample(state);
    if (!sample.ready)
        return;
    StackSink sink(sample.doc);
    MapTools tools(*worldMapOf(sample.doc, 0), sink);
    MapBlock stamp{16, 16, QByteArray(256, 0)};
    for (int i = 0; i < 256; ++i)
        stamp.tiles[i] = char((i * 7 + 3) % 251);
    tools.session().setStamp(stamp);
    tools.selectTool(MapToolId::Brush);
    for (auto _ : state) {
        tools.handle(MapEvent::Press, {{100, 100}, {0, 0}});
        tools.handle(MapEvent::Release, {{100, 100}, {0, 0}});
        state.PauseTiming();
        sample.doc.undoStack()->undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PaintSixteenBySixteenStamp)->Unit(benchmark::kMicrosecond);

// "Replace Tile..." over the whole 256 x 256 map for its most common tile, then its undo.
void BM_ReplaceTileOverTheWholeMap(benchmark::State& state)
{
    BenchSample sample(state);
    if (!sample.ready)
        return;
    const WorldMap& map = *worldMapOf(sample.doc, 0);
    std::array<int, 256> counts{};
    for (char tile : map.tileMap)
        ++counts[quint8(tile)];
    const int common = int(std::max_element(counts.begin(), counts.end()) - counts.begin());
    state.counters["cells"] = counts[std::size_t(common)];
    StackSink sink(sample.doc);
    MapTools tools(map, sink);
    for (auto _ : state) {
        tools.replaceTile(common, (common + 1) % 256);
        state.PauseTiming();
        sample.doc.undoStack()->undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReplaceTileOverTheWholeMap)->Unit(benchmark::kMicrosecond);

}  // namespace
