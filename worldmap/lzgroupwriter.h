#pragma once

#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace tessel {

// Collects encoder items into groups of a flag byte and up to eight items,
// behind a 2-byte length header that finish() fills in. Items are written
// straight into the output through a raw pointer; room is checked once
// per group, which is all an encoder emitting one item per search can
// afford.
class LzGroupWriter {
public:
    // `inputSize` (when known) reserves room for a stream a quarter its
    // size, more than a map takes; the room doubles when a rougher input
    // needs it. Reserving for the worst case (every byte a literal) would
    // make each encode take more from the heap than the allocator keeps
    // at hand, and repeated encodes would pay for fresh pages each time.
    explicit LzGroupWriter(std::size_t inputSize = 0)
    {
        out_.resize(qsizetype(std::max<std::size_t>(kHeader + inputSize / 4 + kGroupRoom, 64)));
        data_ = reinterpret_cast<std::uint8_t*>(out_.data());
        size_ = kHeader;
        openGroup();
    }

    void literal(std::uint8_t byte)
    {
        flags_ |= std::uint8_t(1u << bit_);
        data_[size_++] = byte;
        advance();
    }

    void reference(int ringPosition, int length)
    {
        const unsigned word = unsigned(length - 3) << 11 | unsigned(ringPosition);
        data_[size_] = std::uint8_t(word & 0xFF);
        data_[size_ + 1] = std::uint8_t(word >> 8);
        size_ += 2;
        advance();
    }

    QByteArray finish()
    {
        if (bit_ == 0)
            size_ = flagAt_;  // the open group holds nothing
        else
            data_[flagAt_] = flags_;
        const auto total = std::uint32_t(size_);
        data_[0] = std::uint8_t(total & 0xFF);
        data_[1] = std::uint8_t((total >> 8) & 0xFF);
        out_.truncate(qsizetype(size_));
        return std::move(out_);
    }

private:
    static constexpr std::size_t kHeader = 2;
    // A flag byte and eight references.
    static constexpr std::size_t kGroupRoom = 1 + 8 * 2;

    void advance()
    {
        if (++bit_ == 8) {
            data_[flagAt_] = flags_;
            flags_ = 0;
            bit_ = 0;
            openGroup();
        }
    }
    void openGroup()
    {
        if (size_ + kGroupRoom > std::size_t(out_.size())) {
            out_.resize(out_.size() * 2);
            data_ = reinterpret_cast<std::uint8_t*>(out_.data());
        }
        flagAt_ = size_++;
    }

    QByteArray out_;
    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t flagAt_ = 0;
    std::uint8_t flags_ = 0;
    int bit_ = 0;
};

}  // namespace tessel
