#include "bench/benchsample.h"
#include "document/propertytable.h"
#include "document/tablejson.h"
#include "records/formationpreview.h"
#include "records/monsterpicture.h"
#include "document/parts/formationspart.h"
#include "document/parts/monsterspart.h"

#include <QJsonDocument>

#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

// What the item editor does on every selection and every change it hears of.
void BM_ItemPropertyList(benchmark::State& state)
{
    BenchSample sample(state);
    if (!sample.ready)
        return;
    int item = 0;
    for (auto _ : state) {
        const PropertyTable table(sample.doc, RecordKind::Item);
        benchmark::DoNotOptimize(table.properties(item));
        item = (item + 1) % 256;
    }
}
BENCHMARK(BM_ItemPropertyList)->Unit(benchmark::kMicrosecond);

void BM_ExportItems(benchmark::State& state)
{
    BenchSample sample(state);
    if (!sample.ready)
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(tablejson::exportTable(sample.doc, RecordKind::Item));
}
BENCHMARK(BM_ExportItems)->Unit(benchmark::kMillisecond);

void BM_ImportItemsUnchanged(benchmark::State& state)
{
    BenchSample sample(state);
    if (!sample.ready)
        return;
    const QJsonObject file = QJsonDocument::fromJson(tablejson::exportTable(sample.doc, RecordKind::Item)).object();
    for (auto _ : state)
        benchmark::DoNotOptimize(tablejson::importTable(sample.doc, file));
}
BENCHMARK(BM_ImportItemsUnchanged)->Unit(benchmark::kMillisecond);

// What the monster editor draws on every selection: each monster's picture.
void BM_MonsterPictures(benchmark::State& state)
{
    BenchSample sample(state);
    if (!sample.ready)
        return;
    int monster = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MonsterPicture::render(sample.doc.part<MonstersPart>().table(), monster));
        monster = (monster + 1) % records::kMonsterCount;
    }
}
BENCHMARK(BM_MonsterPictures)->Unit(benchmark::kMicrosecond);

// What the formation preview draws on every step of a drag: the backdrop
// and six monsters.
void BM_FormationPreview(benchmark::State& state)
{
    BenchSample sample(state);
    if (!sample.ready)
        return;
    const FormationPreview::Slots lineup = FormationPreview::slotsOf(sample.doc.part<FormationsPart>().table(), 5);
    for (auto _ : state)
        benchmark::DoNotOptimize(FormationPreview::compose(lineup, 1, sample.doc.part<MonstersPart>().table(), Qt::blue));
}
BENCHMARK(BM_FormationPreview)->Unit(benchmark::kMicrosecond);

}  // namespace
