#pragma once

#include <QtGlobal>

#include <string>
#include <string_view>

class QIODevice;

namespace tessel {

namespace events {

// The listing's text as UTF-8 in one growing buffer. With a device, the
// buffer is handed over in large pieces between commands; without one it
// keeps the whole listing. Writing a line allocates nothing once the buffer
// has grown to its working size.
class ListingWriter {
public:
    explicit ListingWriter(QIODevice* device = nullptr);

    void put(char c) { buffer_.push_back(c); }
    void put(std::string_view text) { buffer_.append(text); }
    void spaces(int count) { buffer_.append(std::size_t(qMax(count, 0)), ' '); }
    // Upper-case hexadecimal, zero-padded to `width` digits.
    void hex(quint64 value, int width);
    // Decimal, padded on the left to `width` with `pad`.
    void decimal(qint64 value, int width = 0, char pad = ' ');
    // Drops the last `count` characters written (never more than there are
    // since the last hand-over).
    void chop(std::size_t count) { buffer_.resize(buffer_.size() - qMin(count, buffer_.size())); }

    // With a device: hands the buffer over once it holds a large piece.
    void flushIfFull();
    // Hands over the rest; false when the device refused a write.
    bool finish();

    // What the buffer holds (the whole listing when there is no device).
    std::string_view text() const { return buffer_; }
    // Room for `bytes` of text, so a whole listing kept in memory is not
    // copied again each time the buffer outgrows itself.
    void reserve(std::size_t bytes) { buffer_.reserve(bytes); }
    // Hands over what the buffer holds, leaving it empty.
    std::string take() { return std::move(buffer_); }

private:
    void flush();

    QIODevice* device_;
    std::string buffer_;
    bool failed_ = false;
};

}  // namespace events

}  // namespace tessel
