#include "bench/benchsample.h"
#include "records/views/recordtablemodel.h"

#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

// The monster table view's model filled from the sample ROM (every record's
// property list read) and sorted by HP, as opening the table and clicking
// the HP column does.
void BM_MonsterTableFillAndSortByHp(benchmark::State& state)
{
    BenchSample sample(state);
    if (!sample.ready)
        return;
    CFF3Doc& doc = sample.doc;
    for (auto _ : state) {
        RecordTableModel model(doc, RecordKind::Monster);
        RecordTableProxy proxy(&model);
        const int hp = int(model.columnPaths().indexOf(QStringLiteral("Statistics/HP"))) + 1;
        proxy.sort(hp, Qt::DescendingOrder);
        benchmark::DoNotOptimize(proxy.recordAt(0));
    }
}
BENCHMARK(BM_MonsterTableFillAndSortByHp)->Unit(benchmark::kMillisecond);

}  // namespace
