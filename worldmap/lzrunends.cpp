#include "worldmap/lzrunends.h"

namespace tessel {

LzRunEnds::LzRunEnds(const std::uint8_t* data, std::size_t size)
    : bits_(size / 8 + 16, 0)  // room for an 8-byte read at any position
{
    std::size_t i = 0;
#ifdef TESSEL_LZ_SSE2
    for (; i + 17 <= size; i += 16) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + 1));
        const unsigned differs = ~unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(here, next))) & 0xFFFF;
        bits_[i / 8] = std::uint8_t(differs);
        bits_[i / 8 + 1] = std::uint8_t(differs >> 8);
    }
#endif
    for (; i < size; ++i) {
        if (i + 1 == size || data[i] != data[i + 1])
            bits_[i / 8] |= std::uint8_t(1u << (i % 8));
    }
}

}  // namespace tessel
