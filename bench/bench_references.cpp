#include "bench/benchsample.h"
#include "document/referenceindex.h"

#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

// Reading every table, the script listing's references and the entrances.
void BM_BuildReferenceIndex(benchmark::State& state)
{
    BenchSample sample(state);
    if (!sample.ready)
        return;
    ReferenceIndex& index = ReferenceIndex::of(sample.doc);
    for (auto _ : state)
        index.rebuild();
    state.counters["uses"] = double(index.allUses().size());
}
BENCHMARK(BM_BuildReferenceIndex)->Unit(benchmark::kMillisecond);

// What a References panel asks on every selection.
void BM_ReferenceQuery(benchmark::State& state)
{
    BenchSample sample(state);
    if (!sample.ready)
        return;
    ReferenceIndex& index = ReferenceIndex::of(sample.doc);
    index.rebuild();
    int item = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(index.usesOf(RecordRef(RecordKind::Item, item)).size());
        item = (item + 1) % 256;
    }
}
BENCHMARK(BM_ReferenceQuery)->Unit(benchmark::kMicrosecond);

}  // namespace
