#include "document/cff3doc.h"
#include "records/views/recordtablemodel.h"
#include "tools/samplerom/samplerom.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

// The monster table view's model filled from the sample ROM (every record's
// property list read) and sorted by HP, as opening the table and clicking
// the HP column does.
void BM_MonsterTableFillAndSortByHp(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sample.smc"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(buildSampleRom()) < 0) {
        state.SkipWithError("cannot write the sample ROM");
        return;
    }
    file.close();
    CFF3Doc doc;
    if (!doc.open(path)) {
        state.SkipWithError("cannot open the sample ROM");
        return;
    }
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
