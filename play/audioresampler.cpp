#include "play/audioresampler.h"

#include <cmath>

namespace tessel {

AudioResampler::AudioResampler(double inputRate, double outputRate)
    : step_(std::llround((inputRate > 0 && outputRate > 0 ? inputRate / outputRate : 1.0) * double(1ll << kFractionBits)))
{
}

std::vector<qint16> AudioResampler::process(const std::vector<qint16>& input)
{
    std::vector<qint16> output;
    const qint64 frames = qint64(input.size() / 2);
    if (frames == 0)
        return output;
    // Frame -1 is the last frame of the previous block; the first block
    // starts at its own first frame.
    if (!primed_) {
        held_[0] = input[0];
        held_[1] = input[1];
        primed_ = true;
    }
    const auto sample = [&](qint64 frame, int channel) -> double {
        return frame < 0 ? held_[channel] : input[size_t(frame) * 2 + size_t(channel)];
    };
    constexpr double kUnit = double(1ll << kFractionBits);
    const qint64 end = frames << kFractionBits;
    output.reserve(size_t(double(end) / double(step_)) * 2 + 4);
    qint64 position = position_;
    for (; position < end; position += step_) {
        const qint64 frame = (position >> kFractionBits) - 1;
        const double weight = double(position & ((1ll << kFractionBits) - 1)) / kUnit;
        for (int channel = 0; channel < 2; ++channel) {
            const double value = sample(frame, channel) * (1.0 - weight) + sample(frame + 1, channel) * weight;
            output.push_back(qint16(std::lround(value)));
        }
    }
    position_ = position - end;
    held_[0] = input[size_t(frames) * 2 - 2];
    held_[1] = input[size_t(frames) * 2 - 1];
    return output;
}

}  // namespace tessel
