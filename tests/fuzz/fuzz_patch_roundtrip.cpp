// Splits the input into an original and a modified file and checks that
// the patches of both formats turn one into the other exactly.
#include "patch/bpspatch.h"
#include "patch/ipspatch.h"

#include <cstdint>
#include <cstdlib>

using namespace tessel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const size_t split = data[0] * size / 256;
    const QByteArray input(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QByteArray original = input.left(qsizetype(split));
    // The modified file shares the original's bytes where they line up.
    QByteArray modified = original;
    const QByteArray tail = input.mid(qsizetype(split));
    modified.replace(tail.isEmpty() ? 0 : quint8(tail[0]) % (original.size() + 1), tail.size(), tail);
    if (IpsPatch::apply(original, IpsPatch::create(original, modified).data).data != modified)
        std::abort();
    if (BpsPatch::apply(original, BpsPatch::create(original, modified).data).data != modified)
        std::abort();
    return 0;
}
