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

// The sample ROM in memory with the tables the lister reads.
struct SampleScripts {
    SampleScripts()
    {
        rom.openInMemory(buildSampleRom(), RomImage::Mode::Loading);
        tables.load(rom);
    }
    events::ScriptListing listing() { return events::ScriptListing::build(rom, tables); }

    RomImage rom;
    EventTables tables;
};

// Find All as the Event Scripts frame does it: every entry whose lines hold
// `wanted`, in any case.
void searchAll(benchmark::State& state, const QString& wanted)
{
    SampleScripts sample;
    const events::ScriptListing listing = sample.listing();
    const events::ScriptSearch search(listing, wanted);
    for (auto _ : state)
        benchmark::DoNotOptimize(search.all().size());
}

// The entries of the whole script area, from a ROM already in memory (as
// the document holds it when the Event Scripts frame opens).
void BM_BuildScriptListing(benchmark::State& state)
{
    SampleScripts sample;
    for (auto _ : state) {
        const events::ScriptListing listing = sample.listing();
        benchmark::DoNotOptimize(listing.size());
    }
}
BENCHMARK(BM_BuildScriptListing)->Unit(benchmark::kMillisecond);

// A find over every line, in any case, for a text that is rare.
void BM_FindInScriptListing(benchmark::State& state)
{
    SampleScripts sample;
    const events::ScriptListing listing = sample.listing();
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

// Find All for a rare text.
void BM_ScriptSearchAll(benchmark::State& state)
{
    searchAll(state, QStringLiteral("invoke shop $2a"));
}
BENCHMARK(BM_ScriptSearchAll)->Unit(benchmark::kMillisecond);

// The same for a text with a letter past ASCII, which no plain ASCII line can hold.
void BM_ScriptSearchAllAccented(benchmark::State& state)
{
    searchAll(state, QStringLiteral("caf\u00C9"));
}
BENCHMARK(BM_ScriptSearchAllAccented)->Unit(benchmark::kMillisecond);

}  // namespace
