// Feeds arbitrary streams to the world-map LZ decoder, whole and through
// a ROM image with an expected size, and checks that whatever it decodes
// survives an encode and decode round trip.
#include "rom/romimage.h"
#include "worldmap/lzcodec.h"

#include <cstdint>
#include <cstdlib>

using namespace tessel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray decoded = LzCodec::decode(data, size);
    if (size >= 1) {
        const qsizetype limit = data[0] * 16;
        const QByteArray limited = LzCodec::decode(data, size, limit);
        if (limited.size() > limit || limited != decoded.left(limited.size()))
            std::abort();
    }

    RomImage rom;
    rom.openInMemory(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), RomImage::Mode::Loading);
    if (LzCodec::decode(rom, rom::snesAddress(0), 9344).size() != 9344)
        std::abort();

    if (decoded.size() <= 100000 && LzCodec::decode(LzCodec::encode(decoded)) != decoded)
        std::abort();
    return 0;
}
