#pragma once

#include "document/cff3doc.h"
#include "tests/support/recordingmessageservice.h"
#include "tools/samplerom/samplerom.h"

#include <QFile>
#include <QTemporaryDir>

namespace tessel {

// The sample ROM written to a temporary file and opened as a document,
// its messages recorded rather than shown. Built once per fuzz target.
struct FuzzSampleDocument {
    FuzzSampleDocument()
    {
        const QString path = dir.filePath(QStringLiteral("fuzz.smc"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(buildSampleRom());
        file.close();
        doc.setMessageService(&messages);
        doc.open(path);
    }
    QTemporaryDir dir;
    platform::RecordingMessageService messages;
    CFF3Doc doc;
};

}  // namespace tessel
