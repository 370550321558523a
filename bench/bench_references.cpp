#include "document/cff3doc.h"
#include "document/referenceindex.h"
#include "tests/support/recordingmessageservice.h"
#include "tools/samplerom/samplerom.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

// The sample ROM open in a document, its script listing read at open.
struct OpenSample {
    OpenSample()
    {
        const QString path = dir.filePath(QStringLiteral("bench.smc"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(buildSampleRom());
        file.close();
        doc.setMessageService(&messages);
        doc.open(path);
    }
    QTemporaryDir dir;
    platform::RecordingMessageService messages;
    CFF3Doc doc;
};

// Reading every table, the script listing's references and the entrances.
void BM_BuildReferenceIndex(benchmark::State& state)
{
    OpenSample sample;
    ReferenceIndex& index = ReferenceIndex::of(sample.doc);
    for (auto _ : state)
        index.rebuild();
    state.counters["uses"] = double(index.allUses().size());
}
BENCHMARK(BM_BuildReferenceIndex)->Unit(benchmark::kMillisecond);

// What a References panel asks on every selection.
void BM_ReferenceQuery(benchmark::State& state)
{
    OpenSample sample;
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
