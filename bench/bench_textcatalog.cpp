#include "bench/benchsample.h"
#include "document/textcatalog.h"

#include <QUndoStack>

using namespace tessel;

namespace {

// The PO export of every message and name of the sample ROM, in memory.
void BM_TextExportPo(benchmark::State& state)
{
    BenchSample sample(state);
    if (!sample.ready)
        return;
    for (auto _ : state) {
        QByteArray po;
        QString error;
        benchmark::DoNotOptimize(textcatalog::write(sample.doc, &po, &error));
    }
}
BENCHMARK(BM_TextExportPo)->Unit(benchmark::kMillisecond);

// Reading and applying a PO file in which every entry is translated (each
// text changed), then taking the step back for the next round.
void BM_TextImportFullyTranslated(benchmark::State& state)
{
    BenchSample sample(state);
    if (!sample.ready)
        return;
    std::vector<PoEntry> entries = textcatalog::entries(sample.doc);
    for (PoEntry& entry : entries) {
        // Names keep their length; messages get one more word.
        entry.translation = entry.context.startsWith(QLatin1String("dialogue")) ? entry.source + QStringLiteral(" ok")
                                                                                : entry.source;
    }
    QByteArray po;
    QString error;
    if (!pofile::write(entries, &po, &error)) {
        state.SkipWithError("cannot write the PO file");
        return;
    }
    for (auto _ : state) {
        textcatalog::ImportSummary summary;
        QStringList errors;
        if (!textcatalog::import(sample.doc, po, &summary, &errors)) {
            state.SkipWithError("the import was refused");
            return;
        }
        state.PauseTiming();
        sample.doc.undoStack()->undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TextImportFullyTranslated)->Unit(benchmark::kMillisecond);

}  // namespace
