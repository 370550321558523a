#pragma once

#include "tests/testsupport.h"

#include <gtest/gtest.h>

namespace tessel {

// The sample ROM, open in a document whose messages are recorded.
struct SampleDoc {
    SampleDoc() { EXPECT_TRUE(t.doc.open(rom.path())) << "the sample ROM does not open"; }
    CFF3Doc& doc() { return t.doc; }
    const QList<platform::RecordingMessageService::Entry>& messages() const { return t.messages.entries; }

    TempRom rom;
    TestDoc t;
};

}  // namespace tessel
