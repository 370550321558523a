// Checks the fast LZ encoder against the exhaustive reference. The first
// byte picks how the rest is read: as the data itself; as (byte, run
// length) pairs, so that long runs come up often; or as a small program
// of new bytes and copies from a chosen distance, so that stripes, copies
// from far back and their ends come up often. Those are where the fast
// search takes its shortcuts.
#include "tests/support/lzreferenceencoder.h"
#include "worldmap/lzcodec.h"

#include <cstdint>
#include <cstdlib>

using namespace tessel;

namespace {

constexpr qsizetype kMaxInput = 20000;

QByteArray runsFrom(const uint8_t* data, size_t size)
{
    QByteArray input;
    for (size_t i = 0; i + 1 < size && input.size() < kMaxInput; i += 2)
        input.append(QByteArray(data[i + 1] % 96 + 1, char(data[i] & 7)));
    return input;
}

// Each step of three bytes: a new byte (first byte even), or a copy of
// 1 to 256 bytes from 1 to 4096 bytes back (first byte odd).
QByteArray copiesFrom(const uint8_t* data, size_t size)
{
    QByteArray input;
    for (size_t i = 0; i + 2 < size && input.size() < kMaxInput; i += 3) {
        if (!(data[i] & 1) || input.isEmpty()) {
            input.append(char(data[i + 1] & 15));
            continue;
        }
        const qsizetype distance = qMin<qsizetype>(input.size(), ((data[i] >> 1) | data[i + 1] << 7) % 4096 + 1);
        const int length = data[i + 2] + 1;
        for (int k = 0; k < length; ++k)
            input.append(input[input.size() - distance]);
    }
    return input.left(kMaxInput);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray input;
    if (size > 0 && data[0] % 3 == 1)
        input = runsFrom(data + 1, size - 1);
    else if (size > 0 && data[0] % 3 == 2)
        input = copiesFrom(data + 1, size - 1);
    else
        input = QByteArray(reinterpret_cast<const char*>(data), qsizetype(std::min<size_t>(size, kMaxInput)));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(input.constData());
    const QByteArray fast = LzCodec::encode(bytes, std::size_t(input.size()));
    if (fast != encodeLzExhaustive(bytes, std::size_t(input.size())))
        std::abort();
    if (LzCodec::decode(fast) != input)
        std::abort();
    return 0;
}
