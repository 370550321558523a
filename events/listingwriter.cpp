#include "events/listingwriter.h"

#include <QIODevice>

#include <charconv>

namespace tessel {

namespace events {

namespace {

// Large enough that writing the listing takes a few hundred device writes.
constexpr std::size_t kChunkSize = 1 << 16;

}  // namespace

ListingWriter::ListingWriter(QIODevice* device) : device_(device)
{
    buffer_.reserve(device ? 2 * kChunkSize : kChunkSize);
}

void ListingWriter::hex(quint64 value, int width)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char digits[16];
    int count = 0;
    do {
        digits[count++] = kDigits[value & 15];
        value >>= 4;
    } while (value != 0 && count < 16);
    buffer_.append(std::size_t(qMax(width - count, 0)), '0');
    while (count > 0)
        buffer_.push_back(digits[--count]);
}

void ListingWriter::decimal(qint64 value, int width, char pad)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    const int count = int(result.ptr - digits);
    buffer_.append(std::size_t(qMax(width - count, 0)), pad);
    buffer_.append(digits, std::size_t(count));
}

void ListingWriter::flushIfFull()
{
    if (device_ && buffer_.size() >= kChunkSize)
        flush();
}

bool ListingWriter::finish()
{
    if (device_)
        flush();
    return !failed_;
}

void ListingWriter::flush()
{
    if (!failed_ && !buffer_.empty())
        failed_ = device_->write(buffer_.data(), qint64(buffer_.size())) != qint64(buffer_.size());
    buffer_.clear();
}

}  // namespace events

}  // namespace tessel
