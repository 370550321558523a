#pragma once

#include <QtGlobal>

#include <vector>

namespace tessel {

// Converts interleaved 16-bit stereo sound from the core's sample rate to
// one the sound device takes, by linear interpolation. It keeps its place
// between calls, so consecutive blocks join without a seam.
class AudioResampler {
public:
    AudioResampler(double inputRate, double outputRate);

    std::vector<qint16> process(const std::vector<qint16>& input);

private:
    // Positions in input frames as 32.32 fixed point, so that blocks of any
    // size add up exactly as one long block would.
    static constexpr int kFractionBits = 32;
    qint64 step_;          // input frames per output frame
    qint64 position_ = 0;  // of the next output frame, from the held frame
    qint16 held_[2] = {0, 0};
    bool primed_ = false;
};

}  // namespace tessel
