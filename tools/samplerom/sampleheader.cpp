#include "document/romidentity.h"
#include "tools/samplerom/samplegenerators.h"
#include "tools/samplerom/samplerom.h"

namespace samplegen {

// The dialogue layout marker: no dialogue until the dialogue tables are
// generated (0x00 is neither the game layout nor the relocated one).
inline constexpr SnesAddress kDialogueMarkerAddress = 0xC07FBF;

void writeHeader(SampleRom& rom)
{
    rom.place(rom::kTitleAddress, QByteArray(rom::kExpectedTitle, rom::kTitleLength), QStringLiteral("title"));
    rom.place(rom::kVersionAddress, QByteArray(1, char(rom::kExpectedVersion)), QStringLiteral("version"));
    rom.place(kDialogueMarkerAddress, QByteArray(1, '\0'), QStringLiteral("dialogue marker"));
}

}  // namespace samplegen
