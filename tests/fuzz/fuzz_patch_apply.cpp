// Feeds arbitrary bytes as an IPS or BPS patch to a small source: applying
// must refuse or succeed without fault, within 16 MB, and a refusal must
// carry no bytes. The first byte picks the format and, for BPS, whether the
// checksums are made right so that the actions themselves are reached.
#include "patch/crc32.h"
#include "patch/patcher.h"
#include "patch/patchresult.h"

#include <cstdint>
#include <cstdlib>

using namespace tessel;

namespace {

void appendLe32(QByteArray& out, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        out.append(char(value >> (8 * i)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    static const QByteArray source = [] {
        QByteArray bytes(4096, '\0');
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char(i * 7 + (i >> 5));
        return bytes;
    }();
    const QByteArray body(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    QByteArray patch;
    switch (data[0] % 3) {
    case 0: patch = QByteArray("PATCH") + body; break;
    case 1: patch = QByteArray("BPS1") + body; break;
    default:
        patch = QByteArray("BPS1") + body;
        appendLe32(patch, patch::crc32(source));
        appendLe32(patch, 0);
        appendLe32(patch, patch::crc32(patch));
    }
    const patch::PatchResult result = Patcher::apply(source, patch);
    if (result.ok() == !result.error.isEmpty() || (!result.ok() && !result.data.isEmpty()))
        std::abort();
    if (result.data.size() > patch::kMaxPatchedSize)
        std::abort();
    return 0;
}
