#pragma once

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <span>

namespace tessel {

namespace partbytes {

// Copies bytes into a fixed array, zero past what is given.
template <std::size_t N>
void fill(std::array<quint8, N>& to, std::span<const quint8> from)
{
    to = {};
    std::copy_n(from.begin(), std::min(N, from.size()), to.begin());
}

}  // namespace partbytes

}  // namespace tessel
