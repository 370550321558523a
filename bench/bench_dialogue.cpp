#include "rom/editorflags.h"
#include "rom/freespace.h"
#include "rom/romimage.h"
#include "evdump/eventlister.h"
#include "text/dialoguestorage.h"
#include "tools/samplerom/samplerom.h"

#include <benchmark/benchmark.h>

namespace {

// Loading the sample ROM's 3,326 messages and saving them in the relocated
// layout, both in memory (no file system in the figure).
void BM_DialogueLoadAndSave(benchmark::State& state)
{
    const QByteArray sample = buildSampleRom();
    for (auto _ : state) {
        RomImage rom;
        rom.openInMemory(sample, RomImage::Mode::Saving);
        DialogueList dialogue;
        LoadDialogue(rom, dialogue);
        FreeSpace space;
        EditorFlags flags;
        QString reason;
        benchmark::DoNotOptimize(SaveDialogue(rom, dialogue, space, flags, &reason));
    }
}
BENCHMARK(BM_DialogueLoadAndSave)->Unit(benchmark::kMillisecond);

// evdump's work on the sample ROM: its tables and the whole listing.
void BM_EvdumpSampleRom(benchmark::State& state)
{
    const QByteArray sample = buildSampleRom();
    for (auto _ : state) {
        RomImage rom;
        rom.openInMemory(sample, RomImage::Mode::Loading);
        EventTables tables;
        tables.load(rom);
        benchmark::DoNotOptimize(evdump::EventLister(rom, tables).listAll().toUtf8());
    }
}
BENCHMARK(BM_EvdumpSampleRom)->Unit(benchmark::kMillisecond);

}  // namespace
