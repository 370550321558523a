#pragma once

#include <libretro.h>

class QLibrary;
class QString;

namespace tessel {

// The entry points of a libretro core, resolved from its shared library.
struct LibretroApi {
    unsigned (*apiVersion)();
    void (*getSystemInfo)(retro_system_info*);
    void (*getSystemAvInfo)(retro_system_av_info*);
    void (*setEnvironment)(retro_environment_t);
    void (*setVideoRefresh)(retro_video_refresh_t);
    void (*setAudioSample)(retro_audio_sample_t);
    void (*setAudioSampleBatch)(retro_audio_sample_batch_t);
    void (*setInputPoll)(retro_input_poll_t);
    void (*setInputState)(retro_input_state_t);
    void (*setControllerPortDevice)(unsigned, unsigned);
    void (*init)();
    void (*deinit)();
    bool (*loadGame)(const retro_game_info*);
    void (*unloadGame)();
    void (*run)();
    void (*reset)();
    size_t (*serializeSize)();
    bool (*serialize)(void*, size_t);
    bool (*unserialize)(const void*, size_t);
    void* (*getMemoryData)(unsigned);
    size_t (*getMemorySize)(unsigned);

    // Resolves every entry point from a loaded library; false with the
    // name of the first one missing.
    bool resolve(QLibrary& library, QString* missing);
};

}  // namespace tessel
