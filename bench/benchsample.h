#pragma once

#include "document/cff3doc.h"
#include "tests/support/recordingmessageservice.h"
#include "tools/samplerom/samplerom.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace tessel {

// The sample ROM written to a file of a temporary folder, and open in a
// document whose messages are kept rather than shown. A benchmark that
// cannot have it is skipped with the reason.
struct BenchSample {
    explicit BenchSample(benchmark::State& state, bool open = true)
    {
        path = dir.filePath(QStringLiteral("sample.smc"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(buildSampleRom()) < 0) {
            state.SkipWithError("cannot write the sample ROM");
            return;
        }
        file.close();
        doc.setMessageService(&messages);
        if (open && !doc.open(path)) {
            state.SkipWithError("cannot open the sample ROM");
            return;
        }
        ready = true;
    }

    QTemporaryDir dir;
    QString path;
    platform::RecordingMessageService messages;
    CFF3Doc doc;
    bool ready = false;
};

}  // namespace tessel
