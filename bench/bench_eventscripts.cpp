#include "bench/benchsample.h"
#include "events/views/ceventscriptview.h"
#include "events/views/eventscriptmodel.h"

#include <QTableView>

#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

// Opening the Event Scripts view on a freshly opened document: the listing
// of the whole script area is built, the table filled and its first screen
// drawn.
void BM_OpenEventScriptsFrame(benchmark::State& state)
{
    BenchSample sample(state, false);
    if (!sample.ready)
        return;
    const QString& path = sample.path;
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CFF3Doc doc;
        if (!doc.open(path)) {
            state.SkipWithError("cannot open the sample ROM");
            return;
        }
        state.ResumeTiming();
        CEventScriptView view(doc);
        view.resize(900, 600);
        view.show();
        const QImage shown = view.grab().toImage();
        benchmark::DoNotOptimize(shown.constBits());
        rows = view.model()->rowCount();
        state.PauseTiming();
        view.hide();
        state.ResumeTiming();
    }
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_OpenEventScriptsFrame)->Unit(benchmark::kMillisecond);

}  // namespace
