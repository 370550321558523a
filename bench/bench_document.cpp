#include "document/cff3doc.h"
#include "tests/support/recordingmessageservice.h"
#include "tools/samplerom/samplerom.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString writeSample(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("bench.smc"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(buildSampleRom());
    return path;
}

void BM_BuildSampleRom(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(buildSampleRom());
}
BENCHMARK(BM_BuildSampleRom)->Unit(benchmark::kMillisecond);

void BM_OpenSampleRom(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = writeSample(dir);
    platform::RecordingMessageService messages;
    for (auto _ : state) {
        CFF3Doc doc;
        doc.setMessageService(&messages);
        benchmark::DoNotOptimize(doc.open(path));
    }
}
BENCHMARK(BM_OpenSampleRom)->Unit(benchmark::kMillisecond);

void BM_OpenAndSaveSampleRom(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = writeSample(dir);
    platform::RecordingMessageService messages;
    CFF3Doc doc;
    doc.setMessageService(&messages);
    doc.open(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.save(path));
}
BENCHMARK(BM_OpenAndSaveSampleRom)->Unit(benchmark::kMillisecond);

}  // namespace
