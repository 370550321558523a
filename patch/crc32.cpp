#include "patch/crc32.h"

#include <zlib.h>

#include <algorithm>

namespace tessel {

namespace patch {

quint32 crc32(QByteArrayView data)
{
    uLong crc = ::crc32(0L, Z_NULL, 0);
    const auto* bytes = reinterpret_cast<const Bytef*>(data.data());
    qint64 left = data.size();
    while (left > 0) {
        const uInt chunk = uInt(std::min<qint64>(left, 1 << 30));
        crc = ::crc32(crc, bytes, chunk);
        bytes += chunk;
        left -= chunk;
    }
    return quint32(crc);
}

}  // namespace patch

}  // namespace tessel
