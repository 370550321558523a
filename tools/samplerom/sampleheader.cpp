#include "rom/romidentity.h"
#include "tools/samplerom/sampleboot.h"
#include "tools/samplerom/samplegenerators.h"
#include "tools/samplerom/samplerom.h"

namespace tessel {

namespace samplegen {

void writeHeader(SampleRom& rom)
{
    rom.place(rom::kTitleAddress, QByteArray(rom::kExpectedTitle, rom::kTitleLength), QStringLiteral("title"));
    // Map mode, cartridge with battery-backed RAM, 4 MB class of ROM size,
    // 8 KB of RAM, North America, no developer code.
    const char cartridge[] = {char(sampleboot::kMapModeHiRom), 0x02, 0x0C, 0x03, 0x01, 0x00};
    rom.place(sampleboot::kMapModeAddress, QByteArray(cartridge, sizeof cartridge), QStringLiteral("cartridge"));
    rom.place(rom::kVersionAddress, QByteArray(1, char(rom::kExpectedVersion)), QStringLiteral("version"));
    // Written by writeChecksum() once every other byte is in place.
    rom.reserve(sampleboot::kChecksumComplementAddress, 4, QStringLiteral("checksum"));
}

}  // namespace samplegen

}  // namespace tessel
