#include "rom/romidentity.h"
#include "tools/samplerom/samplegenerators.h"
#include "tools/samplerom/samplerom.h"

namespace samplegen {

void writeHeader(SampleRom& rom)
{
    rom.place(rom::kTitleAddress, QByteArray(rom::kExpectedTitle, rom::kTitleLength), QStringLiteral("title"));
    rom.place(rom::kVersionAddress, QByteArray(1, char(rom::kExpectedVersion)), QStringLiteral("version"));
}

}  // namespace samplegen
