#include "play/framepacer.h"

#include <cmath>

namespace tessel {

FramePacer::FramePacer(double framesPerSecond) : rate_(framesPerSecond > 0 ? framesPerSecond : 60.0) {}

void FramePacer::restart(qint64 nowNs)
{
    startNs_ = nowNs;
    framesCounted_ = 0;
}

qint64 FramePacer::dueTime(qint64 frame) const
{
    return startNs_ + qint64(std::ceil(double(frame) * 1e9 / rate_));
}

int FramePacer::framesDue(qint64 nowNs)
{
    // Frame n (from 0) is due at start + n / rate.
    const qint64 elapsed = nowNs - startNs_;
    if (elapsed < 0)
        return 0;
    const qint64 reached = qint64(std::floor(double(elapsed) * rate_ / 1e9)) + 1;
    qint64 due = reached - framesCounted_;
    if (due <= 0)
        return 0;
    if (due > kMaxCatchUp) {
        // Too far behind: run a few now and count time afresh from here.
        restart(nowNs);
        framesCounted_ = 1;
        return kMaxCatchUp;
    }
    framesCounted_ = reached;
    return int(due);
}

qint64 FramePacer::nanosecondsToNextFrame(qint64 nowNs) const
{
    const qint64 next = dueTime(framesCounted_);
    return next > nowNs ? next - nowNs : 0;
}

}  // namespace tessel
