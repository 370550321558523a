#include "bench/benchsample.h"
#include "worldmap/views/cmapview.h"

#include <QPixmap>

#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

// A whole 1280 x 800 map window painted at a zoom (the argument, as the
// MapZoom setting stores it): at 1:4 it shows sixteen times the cells of
// 1:1, drawn into the back buffer a piece at a time.
void BM_MapViewPaintAtZoom(benchmark::State& state)
{
    BenchSample sample(state);
    if (!sample.ready)
        return;
    CMapView view(sample.doc);
    view.setSubject(RecordRef(RecordKind::WorldMap, 0));
    view.resize(1280, 800);
    view.setZoom(int(state.range(0)));
    view.scrollTo({0, 0});
    for (auto _ : state) {
        const QPixmap shot = view.grab();
        benchmark::DoNotOptimize(shot.cacheKey());
    }
    state.counters["cells"] = double(view.cellGeometry().visibleColumns() * view.cellGeometry().visibleRows());
}
BENCHMARK(BM_MapViewPaintAtZoom)->Arg(1)->Arg(-2)->Arg(-4)->Unit(benchmark::kMillisecond);

}  // namespace
