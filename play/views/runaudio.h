#pragma once

#include <QtGlobal>

#include <memory>
#include <vector>

namespace tessel {

// The sound of a test run, played through the default output device when
// Tessel is built with Qt Multimedia and a device is there; silence
// otherwise. Samples that do not fit the device's buffer are dropped, so a
// slow device never holds the game up.
class RunAudio {
public:
    RunAudio();
    ~RunAudio();

    // Whether this build can play sound at all.
    static bool isAvailable();

    // Opens the default device for 16-bit stereo at the core's rate (or the
    // device's own, converting); false, and silence, when it can't.
    bool open(double sampleRate);
    void close();
    bool isOpen() const;

    void write(const std::vector<qint16>& samples);
    void suspend();
    void resume();

private:
    struct Device;
    std::unique_ptr<Device> device_;
};

}  // namespace tessel
