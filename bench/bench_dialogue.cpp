#include "rom/editorflags.h"
#include "rom/freespace.h"
#include "rom/romimage.h"
#include "events/eventlister.h"
#include "events/listingwriter.h"
#include "text/dialoguestorage.h"
#include "tools/samplerom/samplerom.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tessel;

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

// evdump's work on the sample ROM: its tables and the whole listing, kept
// in memory.
void BM_EvdumpSampleRom(benchmark::State& state)
{
    const QByteArray sample = buildSampleRom();
    for (auto _ : state) {
        RomImage rom;
        rom.openInMemory(sample, RomImage::Mode::Loading);
        EventTables tables;
        tables.load(rom);
        events::ListingWriter out;
        events::EventLister(rom, tables).listAll(out);
        benchmark::DoNotOptimize(out.text().data());
    }
}
BENCHMARK(BM_EvdumpSampleRom)->Unit(benchmark::kMillisecond);

// The whole of evdump as a user runs it: read the ROM file, list, and write
// the listing file through a save file.
void BM_EvdumpProgramWork(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString romPath = dir.filePath(QStringLiteral("FF3.SMC"));
    QFile rom(romPath);
    rom.open(QIODevice::WriteOnly);
    rom.write(buildSampleRom());
    rom.close();
    const QString outPath = dir.filePath(QStringLiteral("eventdump.txt"));
    for (auto _ : state) {
        RomImage image;
        QString reason;
        image.openForLoading(romPath, &reason);
        EventTables tables;
        tables.load(image);
        QSaveFile out(outPath);
        out.open(QIODevice::WriteOnly);
        events::ListingWriter writer(&out);
        events::EventLister(image, tables).listAll(writer);
        benchmark::DoNotOptimize(writer.finish() && out.commit());
    }
}
BENCHMARK(BM_EvdumpProgramWork)->Unit(benchmark::kMillisecond);

}  // namespace
