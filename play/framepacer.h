#pragma once

#include <QtGlobal>

namespace tessel {

// Keeps a game at the console's frame rate on a timer that fires when it
// can: at each tick it says how many frames are due by the clock. A run
// that falls far behind (a busy editor, a window being dragged) drops the
// debt instead of racing to catch up.
class FramePacer {
public:
    static constexpr int kMaxCatchUp = 4;

    explicit FramePacer(double framesPerSecond = 60.0);

    // Starts counting from now; call after a pause or fast-forward too.
    void restart(qint64 nowNs);
    // Frames to run at nowNs, and counts them as run.
    int framesDue(qint64 nowNs);
    // Nanoseconds from nowNs until the next frame is due (0 if it is).
    qint64 nanosecondsToNextFrame(qint64 nowNs) const;

    double framesPerSecond() const { return rate_; }

private:
    qint64 dueTime(qint64 frame) const;

    double rate_;
    qint64 startNs_ = 0;
    qint64 framesCounted_ = 0;
};

}  // namespace tessel
