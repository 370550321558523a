#pragma once

#include <QtGlobal>

namespace tessel {

// A small deterministic generator (xorshift32) so the sample ROM is the
// same on every machine.
class SampleRandom {
public:
    explicit SampleRandom(quint32 seed) : state_(seed ? seed : 1) {}
    quint32 next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    int below(int n) { return int(next() % quint32(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    quint8 byte() { return quint8(next() >> 24); }

private:
    quint32 state_;
};

}  // namespace tessel
