#pragma once

#include "tests/testsupport.h"

// The sample ROM, open in a document whose messages are recorded.
struct SampleDoc {
    SampleDoc() { opened = t.doc.open(rom.path()); }
    CFF3Doc& doc() { return t.doc; }
    const QList<platform::RecordingMessageService::Entry>& messages() const { return t.messages.entries; }

    TempRom rom;
    TestDoc t;
    bool opened = false;
};
