#pragma once

#include "play/padkeymap.h"

#include <QString>

namespace tessel {

namespace platform {
class SettingsStore;
}

// The settings of test runs, kept with the program's other settings.
struct PlaySettings {
    static constexpr int kMinScale = 1;
    static constexpr int kMaxScale = 4;

    QString corePath;          // empty: the default core
    PadKeyMap keys;
    int scale = 2;             // whole factor of the picture, 1 to 4
    bool pixelAspect = false;  // widen pixels to the console's 8:7 shape

    // The core to load: the chosen one, or the default.
    QString effectiveCorePath() const;

    void load(const platform::SettingsStore& store);
    void save(platform::SettingsStore& store) const;
};

namespace settingsnames {
inline constexpr char kEmulatorCore[] = "EmulatorCore";
inline constexpr char kEmulatorKeys[] = "EmulatorKeys";
inline constexpr char kEmulatorScale[] = "EmulatorScale";
inline constexpr char kEmulatorPixelAspect[] = "EmulatorPixelAspect";
}  // namespace settingsnames

}  // namespace tessel
