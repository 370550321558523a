#pragma once

#include <QByteArray>

#include <cstdint>

// Collects encoder items into groups of a flag byte and up to eight items,
// behind a 2-byte length header that finish() fills in.
class LzGroupWriter {
public:
    LzGroupWriter() : out_(2, '\0') {}

    void literal(std::uint8_t byte)
    {
        flags_ |= std::uint8_t(1u << bit_);
        group_[groupSize_++] = char(byte);
        advance();
    }

    void reference(int ringPosition, int length)
    {
        const unsigned word = unsigned(length - 3) << 11 | unsigned(ringPosition);
        group_[groupSize_++] = char(word & 0xFF);
        group_[groupSize_++] = char(word >> 8);
        advance();
    }

    QByteArray finish()
    {
        if (bit_ != 0)
            flush();
        const auto total = std::uint32_t(out_.size());
        out_[0] = char(total & 0xFF);
        out_[1] = char((total >> 8) & 0xFF);
        return std::move(out_);
    }

private:
    void advance()
    {
        if (++bit_ == 8)
            flush();
    }
    void flush()
    {
        out_.append(char(flags_));
        out_.append(group_, groupSize_);
        flags_ = 0;
        bit_ = 0;
        groupSize_ = 0;
    }

    QByteArray out_;
    char group_[16];
    int groupSize_ = 0;
    std::uint8_t flags_ = 0;
    int bit_ = 0;
};
