#include "bench/benchsample.h"
#include "document/editcommands.h"
#include "document/parts/itemspart.h"
#include "document/recoverystore.h"
#include "shell/recoverykeeper.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

// The sample grown to 4 MB past its header (as a file other tools have
// expanded), opened with one unsaved edit.
struct GrownSample {
    explicit GrownSample(benchmark::State& state) : sample(state, false)
    {
        QFile file(sample.path);
        if (!sample.ready || !file.open(QIODevice::Append) || file.write(QByteArray(0x100000, '\0')) != 0x100000) {
            state.SkipWithError("cannot grow the sample ROM to 4 MB");
            return;
        }
        file.close();
        if (!sample.doc.open(sample.path)) {
            state.SkipWithError("cannot open the grown sample ROM");
            return;
        }
        CFF3Doc& doc = sample.doc;
        doc.undoStack()->push(makeSetByte(doc, doc.part<ItemsPart>().bytes(RecordPart::Name, 3), 0, 0x81,
                                          QStringLiteral("Change Name")));
        ready = true;
    }
    BenchSample sample;
    bool ready = false;
};

// The part off the interface thread: the 4 MB image and its side file
// written atomically into the recovery folder.
void BM_RecoveryCopyWrite(benchmark::State& state)
{
    GrownSample grown(state);
    if (!grown.ready)
        return;
    QByteArray image;
    QString reason;
    if (!grown.sample.doc.encodeSaveImage(&image, &reason)) {
        state.SkipWithError("cannot encode the image");
        return;
    }
    const RecoveryStore store(grown.sample.dir.filePath(QStringLiteral("recovery")));
    RecoveryCopy copy;
    copy.romPath = grown.sample.path;
    for (auto _ : state) {
        if (!store.write(copy, image, &reason))
            state.SkipWithError("cannot write the copy");
    }
    state.SetBytesProcessed(state.iterations() * image.size());
}
BENCHMARK(BM_RecoveryCopyWrite)->Unit(benchmark::kMillisecond);

// A whole copy as the editor makes it: the file read on the keeper's
// thread, the encode on the interface thread, the write on the keeper's
// thread again. A timer ticking every millisecond on the
// interface thread measures its longest pause meanwhile.
void BM_RecoveryCopyInterfacePause(benchmark::State& state)
{
    GrownSample grown(state);
    if (!grown.ready)
        return;
    const int interval = 30;
    RecoveryKeeper keeper(grown.sample.doc, interval);
    keeper.setStore(RecoveryStore(grown.sample.dir.filePath(QStringLiteral("recovery"))));
    qint64 longestPause = 0;
    for (auto _ : state) {
        QEventLoop loop;
        QObject::connect(&keeper, &RecoveryKeeper::copyWritten, &loop, &QEventLoop::quit);
        QObject::connect(&keeper, &RecoveryKeeper::writeFailed, &loop, &QEventLoop::quit);
        QElapsedTimer sinceTick;
        QTimer tick;
        tick.setInterval(1);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longestPause = qMax(longestPause, sinceTick.nsecsElapsed());
            sinceTick.start();
        });
        tick.start();
        sinceTick.start();
        QTimer::singleShot(0, &keeper, &RecoveryKeeper::writeNow);
        loop.exec();
    }
    state.counters["longest_pause_ms"] = double(longestPause) / 1e6;
}
BENCHMARK(BM_RecoveryCopyInterfacePause)->Unit(benchmark::kMillisecond);

}  // namespace
