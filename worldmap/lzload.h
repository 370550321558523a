#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

// Sixteen bytes compared at once where the processor has SSE2.
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define TESSEL_LZ_SSE2 1
#endif

namespace tessel {

// Eight bytes read as one word, the first byte lowest on any processor:
// the LZ search hashes and compares grams in this order.
inline std::uint64_t lzLoad64(const std::uint8_t* p)
{
    if constexpr (std::endian::native == std::endian::little) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        return word;
    } else {
        std::uint64_t word = 0;
        for (int i = 7; i >= 0; --i)
            word = word << 8 | p[i];
        return word;
    }
}

}  // namespace tessel
