// The world-map LZ codec: the fast encoder against the exhaustive
// reference on 64 KiB maps from smooth to rough, and the decoder's
// throughput. Each input is made deterministically, so figures taken on
// different days compare.
#include "tests/support/lzreferenceencoder.h"
#include "tools/samplerom/samplerandom.h"
#include "tools/samplerom/samplemaploader.h"
#include "worldmap/lzcodec.h"
#include "worldmap/worldmap.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <limits>
#include <string>
#include <vector>

namespace tessel {

namespace {

constexpr int kMapSize = 65536;

QByteArray sampleTileMap(const worldmap::MapLayout& layout)
{
    return loadSampleWorldMap(layout).tileMap;
}

// Runs of 1 to 24 tiles from a set of 24, a third of them copied from the
// row above: rougher than any real map, yet it still fits a stream.
QByteArray randomishMap()
{
    SampleRandom random(0xF00D);
    QByteArray map(kMapSize, '\0');
    int i = 0;
    while (i < map.size()) {
        const int run = random.between(1, 24);
        const bool copy = i >= 256 && random.below(3) == 0;
        const char tile = char(random.below(24));
        for (int k = 0; k < run && i < map.size(); ++k, ++i)
            map[i] = copy ? map[i - 256] : tile;
    }
    return map;
}

// The sample World of Ruin with one tile in six replaced by any tile: a
// map after careless painting, full of short matches.
QByteArray noisyMap()
{
    QByteArray map = sampleTileMap(worldmap::kRuin);
    SampleRandom random(0xBADC0DE);
    for (char& tile : map) {
        if (random.below(6) == 0)
            tile = char(random.byte());
    }
    return map;
}

// Pieces of 2 to 12 tiles copied from anywhere in the last 2048, between
// single new tiles: a scrambled map, rougher than any real one, with
// short matches at every distance.
QByteArray scatteredCopiesMap()
{
    SampleRandom random(0x5157);
    QByteArray map;
    map.reserve(kMapSize);
    while (map.size() < kMapSize) {
        if (map.size() < 16 || random.below(4) == 0) {
            map.append(char(random.below(48)));
            continue;
        }
        const int distance = random.between(1, int(std::min<qsizetype>(map.size(), 2048)));
        const int length = random.between(2, 12);
        for (int k = 0; k < length && map.size() < kMapSize; ++k)
            map.append(map[map.size() - distance]);
    }
    return map;
}

// Short patterns of 2 to 7 tiles repeated for a few hundred tiles each:
// long matches at many small distances at once.
QByteArray shortRepeatsMap()
{
    SampleRandom random(0x9A77);
    QByteArray map;
    map.reserve(kMapSize);
    while (map.size() < kMapSize) {
        QByteArray period(random.between(2, 7), '\0');
        for (char& tile : period)
            tile = char(random.below(8));
        const int length = random.between(100, 600);
        for (int k = 0; k < length && map.size() < kMapSize; ++k)
            map.append(period[k % period.size()]);
    }
    return map;
}

struct Input {
    const char* name;
    QByteArray (*make)();
};

const Input kInputs[] = {
    {"BalanceMap", [] { return sampleTileMap(worldmap::kBalance); }},
    {"RuinMap", [] { return sampleTileMap(worldmap::kRuin); }},
    {"RandomishMap", randomishMap},
    {"NoisyMap", noisyMap},
    {"ShortRepeatsMap", shortRepeatsMap},
    {"ScatteredCopiesMap", scatteredCopiesMap},
};

const std::uint8_t* bytes(const QByteArray& data)
{
    return reinterpret_cast<const std::uint8_t*>(data.constData());
}

// How many times faster the fast encoder is than the exhaustive one, both
// timed in turns within a fraction of a second, each at its best run (CPU
// time): on a shared machine other work then weighs on both alike, which
// separate benchmarks run seconds apart cannot promise.
double timesFasterThanReference(const QByteArray& map)
{
    double reference = std::numeric_limits<double>::max();
    double fast = std::numeric_limits<double>::max();
    for (int turn = 0; turn < 3; ++turn) {
        std::clock_t start = std::clock();
        benchmark::DoNotOptimize(encodeLzExhaustive(bytes(map), std::size_t(map.size())));
        reference = std::min(reference, double(std::clock() - start));
        for (int run = 0; run < 10; ++run) {
            start = std::clock();
            benchmark::DoNotOptimize(LzCodec::encode(map));
            fast = std::min(fast, double(std::clock() - start));
        }
    }
    return reference / std::max(fast, 1.0);
}

void encodeFast(benchmark::State& state, const Input& input)
{
    const QByteArray map = input.make();
    QByteArray out;
    for (auto _ : state)
        benchmark::DoNotOptimize(out = LzCodec::encode(map));
    state.SetBytesProcessed(int64_t(state.iterations()) * map.size());
    state.counters["encoded"] = double(out.size());
    state.counters["x_reference"] = timesFasterThanReference(map);
}

void encodeExhaustive(benchmark::State& state, const Input& input)
{
    const QByteArray map = input.make();
    QByteArray out;
    for (auto _ : state)
        benchmark::DoNotOptimize(out = encodeLzExhaustive(bytes(map), std::size_t(map.size())));
    state.SetBytesProcessed(int64_t(state.iterations()) * map.size());
    state.counters["encoded"] = double(out.size());
}

void decode(benchmark::State& state, const Input& input)
{
    const QByteArray map = input.make();
    const QByteArray stream = LzCodec::encode(map);
    for (auto _ : state)
        benchmark::DoNotOptimize(LzCodec::decode(stream, map.size()));
    state.SetBytesProcessed(int64_t(state.iterations()) * map.size());
}

// The best of several repetitions is the figure least disturbed by other
// work on a shared machine: with --benchmark_repetitions=N each
// benchmark also reports its minimum.
double minimum(const std::vector<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

// Registered per input: BM_EncodeFast/NAME, BM_EncodeExhaustive/NAME and
// BM_Decode/NAME.
const bool registered = [] {
    for (const Input& input : kInputs) {
        const std::string name = input.name;
        benchmark::RegisterBenchmark(("BM_EncodeFast/" + name).c_str(), encodeFast, input)
            ->Unit(benchmark::kMicrosecond)
            ->ComputeStatistics("min", minimum);
        benchmark::RegisterBenchmark(("BM_EncodeExhaustive/" + name).c_str(), encodeExhaustive, input)
            ->Unit(benchmark::kMillisecond)
            ->ComputeStatistics("min", minimum);
        benchmark::RegisterBenchmark(("BM_Decode/" + name).c_str(), decode, input)->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

}  // namespace

}  // namespace tessel
