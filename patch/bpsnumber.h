#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace tessel {

// The variable-length numbers of BPS patches: seven bits a byte, low bits
// first, the last byte marked by its high bit, and every continuation
// counting one more so that each number has exactly one encoding.
namespace bpsnumber {

inline void append(QByteArray& out, quint64 value)
{
    while (true) {
        const quint8 low = value & 0x7F;
        value >>= 7;
        if (value == 0) {
            out.append(char(0x80 | low));
            return;
        }
        out.append(char(low));
        --value;
    }
}

inline int encodedSize(quint64 value)
{
    int size = 1;
    while ((value >>= 7) != 0) {
        --value;
        ++size;
    }
    return size;
}

enum class ReadResult { Ok, RanOut, TooLarge };

// Reads a number at pos (advanced past it) before end. Numbers beyond 2^56
// are refused: no patch needs them, and they would overflow.
inline ReadResult read(QByteArrayView bytes, qint64& pos, qint64 end, quint64* value)
{
    quint64 result = 0;
    quint64 shift = 1;
    while (pos < end) {
        const quint8 byte = quint8(bytes[pos++]);
        result += (byte & 0x7F) * shift;
        if (byte & 0x80) {
            *value = result;
            return ReadResult::Ok;
        }
        if (shift > (quint64(1) << 49))
            return ReadResult::TooLarge;
        shift <<= 7;
        result += shift;
    }
    return ReadResult::RanOut;
}

// Copy offsets: the magnitude shifted left once, the sign in bit 0.
inline quint64 signedOffset(qint64 delta)
{
    return delta < 0 ? (quint64(-delta) << 1) | 1 : quint64(delta) << 1;
}

}  // namespace bpsnumber

}  // namespace tessel
