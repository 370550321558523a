// Making patches between two 4 MB files: the sample image grown by 1 MB,
// and a copy with about 100 KB changed or moved (scattered edits and a
// 48 KB block relocated past the old image, its old place cleared).
#include "patch/bpspatch.h"
#include "patch/ipspatch.h"
#include "rom/copierheader.h"
#include "tools/samplerom/samplerandom.h"
#include "tools/samplerom/samplerom.h"

#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

struct FilePair {
    QByteArray original;
    QByteArray modified;
};

const FilePair& fourMegabytePair()
{
    static const FilePair pair = [] {
        SampleRandom random(0xB95);
        QByteArray original = rom::withoutCopierHeader(buildSampleRom());
        while (original.size() < 0x400000)
            original.append(char(random.below(4) == 0 ? random.byte() : 0));
        QByteArray modified = original;
        for (int edit = 0; edit < 200; ++edit) {
            const int at = random.below(0x3C0000);
            for (int i = 0; i < 250; ++i)
                modified[at + i] = char(random.byte());
        }
        constexpr int kBlock = 48 * 1024;
        modified.replace(0x3E0000, kBlock, original.mid(0x120000, kBlock));
        modified.replace(0x120000, kBlock, QByteArray(kBlock, '\0'));
        return FilePair{original, modified};
    }();
    return pair;
}

// Makes the patch again and again; reports its size.
template <typename Format>
void createPatch(benchmark::State& state)
{
    const FilePair& files = fourMegabytePair();
    qsizetype size = 0;
    for (auto _ : state) {
        const patch::PatchResult made = Format::create(files.original, files.modified);
        size = made.data.size();
        benchmark::DoNotOptimize(made.data.data());
    }
    const QByteArray patch = Format::create(files.original, files.modified).data;
    if (Format::apply(files.original, patch).data != files.modified)
        state.SkipWithError("the patch does not make the modified file");
    state.counters["patch bytes"] = double(size);
}

void BM_CreateBps_4MB(benchmark::State& state)
{
    createPatch<BpsPatch>(state);
}
BENCHMARK(BM_CreateBps_4MB)->Unit(benchmark::kMillisecond);

void BM_CreateIps_4MB(benchmark::State& state)
{
    createPatch<IpsPatch>(state);
}
BENCHMARK(BM_CreateIps_4MB)->Unit(benchmark::kMillisecond);

void BM_ApplyBps_4MB(benchmark::State& state)
{
    const FilePair& files = fourMegabytePair();
    const QByteArray patch = BpsPatch::create(files.original, files.modified).data;
    for (auto _ : state)
        benchmark::DoNotOptimize(BpsPatch::apply(files.original, patch).data.data());
}
BENCHMARK(BM_ApplyBps_4MB)->Unit(benchmark::kMillisecond);

}  // namespace
