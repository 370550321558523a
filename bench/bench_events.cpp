// The event-script model: the listing as entries, and a search over it.
#include "events/eventtables.h"
#include "events/scriptlisting.h"
#include "events/scriptsearch.h"
#include "rom/romimage.h"
#include "tools/samplerom/samplerom.h"

#include <benchmark/benchmark.h>

#include <QString>

using namespace tessel;

namespace {

// The entries of the whole script area, from a ROM already in memory (as
// the document holds it when the Event Scripts frame opens).
void BM_BuildScriptListing(benchmark::State& state)
{
    RomImage rom;
    rom.openInMemory(buildSampleRom(), RomImage::Mode::Loading);
    EventTables tables;
    tables.load(rom);
    for (auto _ : state) {
        const events::ScriptListing listing = events::ScriptListing::build(rom, tables);
        benchmark::DoNotOptimize(listing.size());
    }
}
BENCHMARK(BM_BuildScriptListing)->Unit(benchmark::kMillisecond);

// A find over every line, in any case, for a text that is rare.
void BM_FindInScriptListing(benchmark::State& state)
{
    RomImage rom;
    rom.openInMemory(buildSampleRom(), RomImage::Mode::Loading);
    EventTables tables;
    tables.load(rom);
    const events::ScriptListing listing = events::ScriptListing::build(rom, tables);
    const QString text = QString::fromUtf8(listing.text().data(), qsizetype(listing.text().size()));
    const QString wanted = QStringLiteral("invoke shop $2a");
    for (auto _ : state) {
        int found = 0;
        for (qsizetype at = text.indexOf(wanted, 0, Qt::CaseInsensitive); at >= 0;
             at = text.indexOf(wanted, at + 1, Qt::CaseInsensitive))
            ++found;
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_FindInScriptListing)->Unit(benchmark::kMillisecond);

// Find All as the Event Scripts frame does it: every entry whose lines hold
// a rare text, in any case.
void BM_ScriptSearchAll(benchmark::State& state)
{
    RomImage rom;
    rom.openInMemory(buildSampleRom(), RomImage::Mode::Loading);
    EventTables tables;
    tables.load(rom);
    const events::ScriptListing listing = events::ScriptListing::build(rom, tables);
    const events::ScriptSearch search(listing, QStringLiteral("invoke shop $2a"));
    for (auto _ : state)
        benchmark::DoNotOptimize(search.all().size());
}
BENCHMARK(BM_ScriptSearchAll)->Unit(benchmark::kMillisecond);

// The same for a text with a letter past ASCII, which no plain ASCII line can hold.
void BM_ScriptSearchAllAccented(benchmark::State& state)
{
    RomImage rom;
    rom.openInMemory(buildSampleRom(), RomImage::Mode::Loading);
    EventTables tables;
    tables.load(rom);
    const events::ScriptListing listing = events::ScriptListing::build(rom, tables);
    const events::ScriptSearch search(listing, QStringLiteral("caf\u00C9"));
    for (auto _ : state)
        benchmark::DoNotOptimize(search.all().size());
}
BENCHMARK(BM_ScriptSearchAllAccented)->Unit(benchmark::kMillisecond);

}  // namespace
