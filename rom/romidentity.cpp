#include "rom/romidentity.h"

#include "rom/romimage.h"

#include <cstring>

namespace tessel {

namespace rom {

const char* identityProblem(RomImage& rom)
{
    char title[kTitleLength];
    rom.SeekSnes(kTitleAddress);
    rom.read(title, kTitleLength);
    if (std::memcmp(title, kExpectedTitle, kTitleLength) != 0)
        return kWrongTitleMessage;
    rom.SeekSnes(kVersionAddress);
    if (rom.readByte() != kExpectedVersion)
        return kWrongVersionMessage;
    // Nothing is decoded from a file cut short: the tables would be read past its end.
    if (rom.length() < kRomFileSize)
        return kShortFileMessage;
    return nullptr;
}

}  // namespace rom

}  // namespace tessel
