// The world-map LZ codec: the fast encoder against the exhaustive
// reference on the sample World of Balance tile map and on a 64 KiB
// random-ish map, and the decoder's throughput.
#include "tests/support/lzreferenceencoder.h"
#include "rom/romimage.h"
#include "tools/samplerom/samplerandom.h"
#include "tools/samplerom/samplerom.h"
#include "worldmap/lzcodec.h"
#include "worldmap/worldmap.h"

#include <benchmark/benchmark.h>

namespace {

const QByteArray& balanceTileMap()
{
    static const QByteArray tiles = [] {
        RomImage rom;
        rom.openInMemory(buildSampleRom(), RomImage::Mode::Loading);
        WorldMap map;
        map.load(rom, worldmap::kBalance);
        return map.tileMap;
    }();
    return tiles;
}

// Runs of 1 to 24 tiles from a set of 24, a third of them copied from the
// row above: rougher than any real map, yet it still fits a stream.
const QByteArray& randomishMap()
{
    static const QByteArray tiles = [] {
        SampleRandom random(0xF00D);
        QByteArray map(65536, '\0');
        int i = 0;
        while (i < map.size()) {
            const int run = random.between(1, 24);
            const bool copy = i >= 256 && random.below(3) == 0;
            const char tile = char(random.below(24));
            for (int k = 0; k < run && i < map.size(); ++k, ++i)
                map[i] = copy ? map[i - 256] : tile;
        }
        return map;
    }();
    return tiles;
}

const std::uint8_t* bytes(const QByteArray& data)
{
    return reinterpret_cast<const std::uint8_t*>(data.constData());
}

void report(benchmark::State& state, const QByteArray& input, const QByteArray& encoded)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * input.size());
    state.counters["encoded"] = double(encoded.size());
}

void BM_EncodeFast_BalanceMap(benchmark::State& state)
{
    QByteArray out;
    for (auto _ : state)
        benchmark::DoNotOptimize(out = LzCodec::encode(balanceTileMap()));
    report(state, balanceTileMap(), out);
}
BENCHMARK(BM_EncodeFast_BalanceMap)->Unit(benchmark::kMillisecond);

void BM_EncodeExhaustive_BalanceMap(benchmark::State& state)
{
    QByteArray out;
    for (auto _ : state)
        benchmark::DoNotOptimize(out = encodeLzExhaustive(bytes(balanceTileMap()), 65536));
    report(state, balanceTileMap(), out);
}
BENCHMARK(BM_EncodeExhaustive_BalanceMap)->Unit(benchmark::kMillisecond);

void BM_EncodeFast_RandomishMap(benchmark::State& state)
{
    QByteArray out;
    for (auto _ : state)
        benchmark::DoNotOptimize(out = LzCodec::encode(randomishMap()));
    report(state, randomishMap(), out);
}
BENCHMARK(BM_EncodeFast_RandomishMap)->Unit(benchmark::kMillisecond);

void BM_EncodeExhaustive_RandomishMap(benchmark::State& state)
{
    QByteArray out;
    for (auto _ : state)
        benchmark::DoNotOptimize(out = encodeLzExhaustive(bytes(randomishMap()), 65536));
    report(state, randomishMap(), out);
}
BENCHMARK(BM_EncodeExhaustive_RandomishMap)->Unit(benchmark::kMillisecond);

void BM_Decode_BalanceMap(benchmark::State& state)
{
    const QByteArray stream = LzCodec::encode(balanceTileMap());
    for (auto _ : state)
        benchmark::DoNotOptimize(LzCodec::decode(stream, 65536));
    state.SetBytesProcessed(int64_t(state.iterations()) * 65536);
}
BENCHMARK(BM_Decode_BalanceMap)->Unit(benchmark::kMicrosecond);

void BM_Decode_RandomishMap(benchmark::State& state)
{
    const QByteArray stream = LzCodec::encode(randomishMap());
    for (auto _ : state)
        benchmark::DoNotOptimize(LzCodec::decode(stream, 65536));
    state.SetBytesProcessed(int64_t(state.iterations()) * 65536);
}
BENCHMARK(BM_Decode_RandomishMap)->Unit(benchmark::kMicrosecond);

}  // namespace
