#include "play/libretroapi.h"

#include <QLibrary>
#include <QString>

namespace tessel {

namespace {

template <typename Function>
bool resolveOne(QLibrary& library, const char* name, Function*& target, QString* missing)
{
    target = reinterpret_cast<Function*>(library.resolve(name));
    if (!target && missing && missing->isEmpty())
        *missing = QString::fromLatin1(name);
    return target != nullptr;
}

}  // namespace

bool LibretroApi::resolve(QLibrary& library, QString* missing)
{
    QString first;
    bool ok = true;
    ok &= resolveOne(library, "retro_api_version", apiVersion, &first);
    ok &= resolveOne(library, "retro_get_system_info", getSystemInfo, &first);
    ok &= resolveOne(library, "retro_get_system_av_info", getSystemAvInfo, &first);
    ok &= resolveOne(library, "retro_set_environment", setEnvironment, &first);
    ok &= resolveOne(library, "retro_set_video_refresh", setVideoRefresh, &first);
    ok &= resolveOne(library, "retro_set_audio_sample", setAudioSample, &first);
    ok &= resolveOne(library, "retro_set_audio_sample_batch", setAudioSampleBatch, &first);
    ok &= resolveOne(library, "retro_set_input_poll", setInputPoll, &first);
    ok &= resolveOne(library, "retro_set_input_state", setInputState, &first);
    ok &= resolveOne(library, "retro_set_controller_port_device", setControllerPortDevice, &first);
    ok &= resolveOne(library, "retro_init", init, &first);
    ok &= resolveOne(library, "retro_deinit", deinit, &first);
    ok &= resolveOne(library, "retro_load_game", loadGame, &first);
    ok &= resolveOne(library, "retro_unload_game", unloadGame, &first);
    ok &= resolveOne(library, "retro_run", run, &first);
    ok &= resolveOne(library, "retro_reset", reset, &first);
    ok &= resolveOne(library, "retro_serialize_size", serializeSize, &first);
    ok &= resolveOne(library, "retro_serialize", serialize, &first);
    ok &= resolveOne(library, "retro_unserialize", unserialize, &first);
    ok &= resolveOne(library, "retro_get_memory_data", getMemoryData, &first);
    ok &= resolveOne(library, "retro_get_memory_size", getMemorySize, &first);
    if (missing)
        *missing = first;
    return ok;
}

}  // namespace tessel
