#include "play/corecallbacks.h"

#include <QCoreApplication>

#include <cstdarg>
#include <cstdio>

namespace tessel {

namespace {

// One call delivers at most this many stereo frames: a second of sound at
// the highest rate any core uses.
constexpr size_t kMaxAudioBatchFrames = 192000;
// Pictures larger than this are no console's.
constexpr unsigned kMaxPictureSide = 4096;

// An option is described as "Label; first|second|...": its first value is
// the default.
QByteArray optionDefault(const char* description)
{
    const QByteArray text(description ? description : "");
    const qsizetype values = text.indexOf("; ");
    const QByteArray list = values < 0 ? QByteArray() : text.mid(values + 2);
    const qsizetype bar = list.indexOf('|');
    return bar < 0 ? list : list.left(bar);
}

// The environment calls whose data the host reads or writes, by name for
// the message; the others are answered without touching their data.
const char* commandNeedingData(unsigned command)
{
    switch (command) {
    case RETRO_ENVIRONMENT_GET_CAN_DUPE: return "GET_CAN_DUPE";
    case RETRO_ENVIRONMENT_GET_OVERSCAN: return "GET_OVERSCAN";
    case RETRO_ENVIRONMENT_SET_PIXEL_FORMAT: return "SET_PIXEL_FORMAT";
    case RETRO_ENVIRONMENT_GET_LOG_INTERFACE: return "GET_LOG_INTERFACE";
    case RETRO_ENVIRONMENT_GET_LIBRETRO_PATH: return "GET_LIBRETRO_PATH";
    case RETRO_ENVIRONMENT_GET_VARIABLE: return "GET_VARIABLE";
    case RETRO_ENVIRONMENT_GET_VARIABLE_UPDATE: return "GET_VARIABLE_UPDATE";
    case RETRO_ENVIRONMENT_SET_MESSAGE: return "SET_MESSAGE";
    case RETRO_ENVIRONMENT_SET_SYSTEM_AV_INFO: return "SET_SYSTEM_AV_INFO";
    default: return nullptr;
    }
}

}  // namespace

bool EmulatorCore::Callbacks::environment(unsigned command, void* data)
{
    EmulatorCore* core = active;
    if (!core)
        return false;
    if (!data) {
        if (const char* name = commandNeedingData(command)) {
            core->refuse(QCoreApplication::translate("EmulatorCore",
                                                     "It made environment call %1 (%2) without the data the call "
                                                     "needs.")
                             .arg(command)
                             .arg(QLatin1String(name)));
            return false;
        }
    }
    switch (command) {
    case RETRO_ENVIRONMENT_GET_CAN_DUPE:
        *static_cast<bool*>(data) = true;
        return true;
    case RETRO_ENVIRONMENT_GET_OVERSCAN:
        *static_cast<bool*>(data) = false;
        return true;
    case RETRO_ENVIRONMENT_SET_PIXEL_FORMAT: {
        const auto format = *static_cast<const retro_pixel_format*>(data);
        if (format != RETRO_PIXEL_FORMAT_0RGB1555 && format != RETRO_PIXEL_FORMAT_XRGB8888
            && format != RETRO_PIXEL_FORMAT_RGB565)
            return false;
        core->pixelFormat_ = CorePixelFormat(format);
        return true;
    }
    case RETRO_ENVIRONMENT_GET_LOG_INTERFACE:
        static_cast<retro_log_callback*>(data)->log = &Callbacks::log;
        return true;
    case RETRO_ENVIRONMENT_GET_INPUT_BITMASKS:
        return true;
    case RETRO_ENVIRONMENT_GET_LIBRETRO_PATH:
        *static_cast<const char**>(data) = core->corePathBytes_.constData();
        return true;
    case RETRO_ENVIRONMENT_GET_VARIABLE: {
        // Every option keeps the core's default.
        auto* variable = static_cast<retro_variable*>(data);
        const auto found = variable->key ? core->optionDefaults_.find(QByteArray(variable->key))
                                         : core->optionDefaults_.end();
        variable->value = found == core->optionDefaults_.end() ? nullptr : found->second.constData();
        return variable->value != nullptr;
    }
    case RETRO_ENVIRONMENT_SET_VARIABLES:
        for (const auto* variable = static_cast<const retro_variable*>(data); variable && variable->key; ++variable)
            core->optionDefaults_[QByteArray(variable->key)] = optionDefault(variable->value);
        return true;
    case RETRO_ENVIRONMENT_GET_VARIABLE_UPDATE:
        *static_cast<bool*>(data) = false;
        return true;
    case RETRO_ENVIRONMENT_SET_INPUT_DESCRIPTORS:
    case RETRO_ENVIRONMENT_SET_CONTROLLER_INFO:
    case RETRO_ENVIRONMENT_SET_MEMORY_MAPS:
    case RETRO_ENVIRONMENT_SET_SUBSYSTEM_INFO:
    case RETRO_ENVIRONMENT_SET_PERFORMANCE_LEVEL:
    case RETRO_ENVIRONMENT_SET_SUPPORT_ACHIEVEMENTS:
    case RETRO_ENVIRONMENT_SET_SERIALIZATION_QUIRKS:
        return true;  // taken note of; nothing here depends on it
    case RETRO_ENVIRONMENT_SET_MESSAGE: {
        const auto* message = static_cast<const retro_message*>(data);
        if (message->msg)
            core->appendLog(QString::fromUtf8(message->msg, qstrnlen(message->msg, kLogLineLimit)));
        return true;
    }
    case RETRO_ENVIRONMENT_SET_GEOMETRY:
        return true;  // frames carry their size
    case RETRO_ENVIRONMENT_SET_SYSTEM_AV_INFO: {
        const auto* av = static_cast<const retro_system_av_info*>(data);
        if (av->timing.fps > 0)
            core->frameRate_ = av->timing.fps;
        if (av->timing.sample_rate > 0)
            core->sampleRate_ = av->timing.sample_rate;
        return true;
    }
    default:
        return false;
    }
}

void EmulatorCore::Callbacks::video(const void* data, unsigned width, unsigned height, size_t pitch)
{
    // No data means the picture did not change.
    if (!active || !data || data == RETRO_HW_FRAME_BUFFER_VALID)
        return;
    if (width > kMaxPictureSide || height > kMaxPictureSide || pitch > kMaxPictureSide * 4) {
        active->refuse(QCoreApplication::translate("EmulatorCore",
                                                   "It sent a picture of %1 x %2 pixels (%3 bytes a row), larger "
                                                   "than any console's.")
                           .arg(width)
                           .arg(height)
                           .arg(pitch));
        return;
    }
    copyCoreFrame(active->frame_, data, int(width), int(height), qsizetype(pitch), active->pixelFormat_);
}

void EmulatorCore::Callbacks::audioSample(int16_t left, int16_t right)
{
    if (active && active->audioEnabled_ && active->audio_.size() < kMaxBufferedSamples) {
        active->audio_.push_back(left);
        active->audio_.push_back(right);
    }
}

size_t EmulatorCore::Callbacks::audioBatch(const int16_t* data, size_t frames)
{
    if (!active)
        return 0;
    if (frames > 0 && !data) {
        active->refuse(QCoreApplication::translate("EmulatorCore", "It sent %1 frames of sound without the samples.")
                           .arg(frames));
        return 0;
    }
    if (frames > kMaxAudioBatchFrames) {
        active->refuse(QCoreApplication::translate("EmulatorCore",
                                                   "It sent %1 frames of sound at once, more than the %2 of a "
                                                   "second.")
                           .arg(frames)
                           .arg(kMaxAudioBatchFrames));
        return 0;
    }
    // Sound nobody takes is not kept without end.
    if (active->audioEnabled_ && active->audio_.size() + 2 * frames <= kMaxBufferedSamples)
        active->audio_.insert(active->audio_.end(), data, data + 2 * frames);
    return frames;
}

int16_t EmulatorCore::Callbacks::inputState(unsigned port, unsigned device, unsigned index, unsigned id)
{
    if (!active || port != 0 || (device & RETRO_DEVICE_MASK) != RETRO_DEVICE_JOYPAD)
        return 0;
    if (id == RETRO_DEVICE_ID_JOYPAD_MASK)
        return int16_t(active->padButtons_);
    return id < 16 && (active->padButtons_ & (1u << id)) ? 1 : 0;
}

void EmulatorCore::Callbacks::log(retro_log_level level, const char* format, ...)
{
    if (!active || !format)
        return;
    char text[kLogLineLimit];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    QString line = QString::fromUtf8(text).trimmed();
    if (line.isEmpty())
        return;
    if (level >= RETRO_LOG_ERROR)
        line.prepend(QStringLiteral("Error: "));
    else if (level == RETRO_LOG_WARN)
        line.prepend(QStringLiteral("Warning: "));
    active->appendLog(line);
}

}  // namespace tessel
