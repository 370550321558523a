#include "document/cff3doc.h"
#include "rom/romaddress.h"
#include "text/dialogueaddresses.h"
#include "tests/support/recordingmessageservice.h"
#include "tools/samplerom/samplerom.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

QString writeRom(const QTemporaryDir& dir, const QByteArray& image = buildSampleRom())
{
    const QString path = dir.filePath(QStringLiteral("bench.smc"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(image);
    return path;
}

// Opens the file again and again.
void openRepeatedly(benchmark::State& state, const QString& path)
{
    platform::RecordingMessageService messages;
    for (auto _ : state) {
        CFF3Doc doc;
        doc.setMessageService(&messages);
        benchmark::DoNotOptimize(doc.open(path));
    }
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
    openRepeatedly(state, writeRom(dir));
}
BENCHMARK(BM_OpenSampleRom)->Unit(benchmark::kMillisecond);

// A damaged ROM whose text holds no 0x00 at all and whose pointers run
// downwards: every message is read as far as the rules allow.
void BM_OpenRomWithoutMessageEnds(benchmark::State& state)
{
    QByteArray image = buildSampleRom();
    const qint64 textStart = rom::fileOffset(dialogue::kTextAreaStart);
    image.replace(textStart, image.size() - textStart, QByteArray(image.size() - textStart, char(0x41)));
    const qint64 pointers = rom::fileOffset(dialogue::kPointerTableAddress);
    for (int i = 0; i <= dialogue::kGameMessageCount; ++i) {
        const quint16 pointer = quint16(0xFFFF - 8 * i);
        image[pointers + 2 * i] = char(pointer);
        image[pointers + 2 * i + 1] = char(pointer >> 8);
    }
    QTemporaryDir dir;
    openRepeatedly(state, writeRom(dir, image));
}
BENCHMARK(BM_OpenRomWithoutMessageEnds)->Unit(benchmark::kMillisecond);

void BM_OpenAndSaveSampleRom(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = writeRom(dir);
    platform::RecordingMessageService messages;
    CFF3Doc doc;
    doc.setMessageService(&messages);
    doc.open(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.save(path));
}
BENCHMARK(BM_OpenAndSaveSampleRom)->Unit(benchmark::kMillisecond);

}  // namespace
