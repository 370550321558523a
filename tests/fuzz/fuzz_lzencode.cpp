// Checks the fast LZ encoder against the exhaustive reference. Inputs with
// an odd first byte are read as (byte, run length) pairs, so long runs and
// repeats, where the fast search takes its shortcuts, come up often.
#include "tests/support/lzreferenceencoder.h"
#include "worldmap/lzcodec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray input;
    if (size > 0 && (data[0] & 1)) {
        for (size_t i = 1; i + 1 < size && input.size() < 20000; i += 2)
            input.append(QByteArray(data[i + 1] % 96 + 1, char(data[i] & 7)));
    } else {
        input = QByteArray(reinterpret_cast<const char*>(data), qsizetype(std::min<size_t>(size, 20000)));
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(input.constData());
    const QByteArray fast = LzCodec::encode(bytes, std::size_t(input.size()));
    if (fast != encodeLzExhaustive(bytes, std::size_t(input.size())))
        std::abort();
    if (LzCodec::decode(fast) != input)
        std::abort();
    return 0;
}
