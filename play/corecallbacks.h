#pragma once

#include "play/emulatorcore.h"

#include <libretro.h>

namespace tessel {

// libretro's callbacks carry no context, so they reach the one loaded core
// through a pointer set while it is loaded. Each checks what the core hands
// it before using it: a call the host cannot serve safely is refused and
// noted as the core's fault, and the core is stopped once its call returns.
struct EmulatorCore::Callbacks {
    static inline EmulatorCore* active = nullptr;

    static bool environment(unsigned command, void* data);
    static void video(const void* data, unsigned width, unsigned height, size_t pitch);
    static void audioSample(int16_t left, int16_t right);
    static size_t audioBatch(const int16_t* data, size_t frames);
    static void inputPoll() {}
    static int16_t inputState(unsigned port, unsigned device, unsigned index, unsigned id);
    static void log(retro_log_level level, const char* format, ...);
};

}  // namespace tessel
