#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace tessel {

// The world-map LZ encoder done the slow, obvious way: every distance at
// every position, a longer match replacing the best only when strictly
// longer. LzCodec::encode must produce exactly the same bytes.
QByteArray encodeLzExhaustive(const std::uint8_t* data, std::size_t size);

}  // namespace tessel
