#include "play/emulatorcore.h"
#include "tools/samplerom/samplerom.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

// Frames per second of the default core running the sample without a
// window, as tessel-cli run does; the Run window needs well over 60.
void BM_HeadlessFramesOfTheSample(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.smc"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(buildSampleRom()) < 0) {
        state.SkipWithError("could not write the sample ROM");
        return;
    }
    file.close();
    EmulatorCore core;
    if (!core.loadCore(EmulatorCore::defaultCorePath()) || !core.loadGame(path)) {
        state.SkipWithError(core.errorString().toLocal8Bit().constData());
        return;
    }
    core.setAudioEnabled(state.range(0) != 0);
    for (auto _ : state) {
        core.runFrame();
        if (state.range(0) != 0)
            benchmark::DoNotOptimize(core.takeAudio());
    }
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HeadlessFramesOfTheSample)->Arg(0)->Arg(1)->ArgName("sound")->Unit(benchmark::kMillisecond);

}  // namespace
