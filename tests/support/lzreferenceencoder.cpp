#include "tests/support/lzreferenceencoder.h"

#include "worldmap/lzcodec.h"
#include "worldmap/lzgroupwriter.h"

#include <algorithm>

namespace tessel {

QByteArray encodeLzExhaustive(const std::uint8_t* data, std::size_t size)
{
    LzGroupWriter writer;
    unsigned w = LzCodec::kRingStart;
    std::size_t pos = 0;
    while (pos < size) {
        const std::size_t window = std::min<std::size_t>(pos, LzCodec::kRingSize);
        std::size_t bestLength = 0;
        std::size_t bestDistance = 0;
        for (std::size_t d = 1; d <= window; ++d) {
            std::size_t k = 0;
            while (pos + k < size && k < std::size_t(LzCodec::kMaxMatch) && data[pos + k - d] == data[pos + k])
                ++k;
            if (k > bestLength) {
                bestLength = k;
                bestDistance = d;
            }
        }
        if (bestLength >= std::size_t(LzCodec::kMinMatch)) {
            writer.reference(int((w - bestDistance) & (LzCodec::kRingSize - 1)), int(bestLength));
            pos += bestLength;
            w = (w + unsigned(bestLength)) & (LzCodec::kRingSize - 1);
        } else {
            writer.literal(data[pos]);
            pos += 1;
            w = (w + 1) & (LzCodec::kRingSize - 1);
        }
    }
    return writer.finish();
}

}  // namespace tessel
