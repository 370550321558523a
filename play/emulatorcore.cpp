#include "play/emulatorcore.h"

#include "play/libretroapi.h"
#include "platform/fileaccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdarg>
#include <cstdio>
#include <utility>

namespace tessel {

static_assert(int(CorePixelFormat::Rgb1555) == RETRO_PIXEL_FORMAT_0RGB1555);
static_assert(int(CorePixelFormat::Xrgb8888) == RETRO_PIXEL_FORMAT_XRGB8888);
static_assert(int(CorePixelFormat::Rgb565) == RETRO_PIXEL_FORMAT_RGB565);

namespace {

constexpr char kDefaultCoreName[] = "bsnes_mercury_performance_libretro";
constexpr int kLogLimit = 200;
constexpr int kLogLinesInMessages = 3;
// The largest file loadGame reads: 16 MB, more than any SNES cartridge,
// and a copier header.
constexpr qint64 kMaxGameFileSize = 16 * 1024 * 1024 + 512;

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

}  // namespace

// libretro's callbacks carry no context, so they reach the one loaded core
// through a pointer set while it is loaded.
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

bool EmulatorCore::Callbacks::environment(unsigned command, void* data)
{
    EmulatorCore* core = active;
    if (!core)
        return false;
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
        const auto found = core->optionDefaults_.find(QByteArray(variable->key));
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
        if (message && message->msg)
            core->log_.append(QString::fromUtf8(message->msg));
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
    if (active && data && data != RETRO_HW_FRAME_BUFFER_VALID)
        copyCoreFrame(active->frame_, data, int(width), int(height), qsizetype(pitch), active->pixelFormat_);
}

void EmulatorCore::Callbacks::audioSample(int16_t left, int16_t right)
{
    if (active && active->audioEnabled_) {
        active->audio_.push_back(left);
        active->audio_.push_back(right);
    }
}

size_t EmulatorCore::Callbacks::audioBatch(const int16_t* data, size_t frames)
{
    if (active && active->audioEnabled_)
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
    char text[1024];
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
    active->log_.append(line);
    if (active->log_.size() > kLogLimit)
        active->log_.removeFirst();
}

EmulatorCore::EmulatorCore() = default;

EmulatorCore::~EmulatorCore()
{
    unload();
}

QString EmulatorCore::defaultCorePath()
{
#if defined(Q_OS_WIN)
    return QCoreApplication::applicationDirPath() + QStringLiteral("/%1.dll").arg(QLatin1String(kDefaultCoreName));
#elif defined(Q_OS_MACOS)
    return QCoreApplication::applicationDirPath() + QStringLiteral("/%1.dylib").arg(QLatin1String(kDefaultCoreName));
#else
    const QString file = QStringLiteral("libretro/%1.so").arg(QLatin1String(kDefaultCoreName));
    const QStringList folders = {
        QStringLiteral("/usr/lib/" TESSEL_LIBRARY_ARCHITECTURE),
        QStringLiteral("/usr/lib"),
        QStringLiteral("/usr/local/lib"),
    };
    for (const QString& folder : folders)
        if (QFileInfo::exists(folder + QLatin1Char('/') + file))
            return folder + QLatin1Char('/') + file;
    return folders.first() + QLatin1Char('/') + file;
#endif
}

bool EmulatorCore::fail(const QString& message)
{
    error_ = message;
    return false;
}

namespace {

// Opens the library at path and resolves the libretro API from it; on
// failure the library is let go and the user's message returned.
std::unique_ptr<LibretroApi> openCore(QLibrary& library, const QString& corePath, QString* error)
{
    using namespace playmessages;
    const auto notLoaded = [&](const QString& reason) {
        library.unload();
        *error =
            QCoreApplication::translate("EmulatorCore", kCoreNotLoaded).arg(QDir::toNativeSeparators(corePath), reason);
        return nullptr;
    };
    if (corePath.isEmpty())
        return notLoaded(QCoreApplication::translate("EmulatorCore", "No core is chosen."));
    library.setFileName(corePath);
    if (!library.load())
        return notLoaded(library.errorString());
    auto api = std::make_unique<LibretroApi>();
    QString missing;
    if (!api->resolve(library, &missing))
        return notLoaded(QCoreApplication::translate("EmulatorCore", kNotACore).arg(missing));
    if (api->apiVersion() != RETRO_API_VERSION)
        return notLoaded(QCoreApplication::translate("EmulatorCore", kWrongApiVersion)
                             .arg(api->apiVersion())
                             .arg(RETRO_API_VERSION));
    return api;
}

EmulatorCore::Info systemInfo(const LibretroApi& api, bool* needsFullPath)
{
    retro_system_info system{};
    api.getSystemInfo(&system);
    if (needsFullPath)
        *needsFullPath = system.need_fullpath;
    return {QString::fromUtf8(system.library_name), QString::fromUtf8(system.library_version),
            QString::fromUtf8(system.valid_extensions)};
}

}  // namespace

bool EmulatorCore::probe(const QString& corePath, Info* info, QString* error)
{
    QLibrary library;
    QString message;
    const std::unique_ptr<LibretroApi> api = openCore(library, corePath, &message);
    if (!api) {
        if (error)
            *error = message;
        return false;
    }
    if (info)
        *info = systemInfo(*api, nullptr);
    library.unload();
    return true;
}

bool EmulatorCore::loadCore(const QString& corePath)
{
    if (Callbacks::active && Callbacks::active != this)
        return fail(QCoreApplication::translate("EmulatorCore", playmessages::kCoreBusy));
    unload();
    error_.clear();
    log_.clear();
    optionDefaults_.clear();

    auto api = openCore(library_, corePath, &error_);
    if (!api)
        return false;
    info_ = systemInfo(*api, &needsFullPath_);

    corePathBytes_ = QFile::encodeName(corePath);
    api_ = std::move(api);
    Callbacks::active = this;
    api_->setEnvironment(&Callbacks::environment);
    api_->setVideoRefresh(&Callbacks::video);
    api_->setAudioSample(&Callbacks::audioSample);
    api_->setAudioSampleBatch(&Callbacks::audioBatch);
    api_->setInputPoll(&Callbacks::inputPoll);
    api_->setInputState(&Callbacks::inputState);
    api_->init();
    return true;
}

bool EmulatorCore::loadGame(const QString& romPath)
{
    using namespace playmessages;
    if (!api_)
        return fail(error_.isEmpty() ? QCoreApplication::translate("EmulatorCore", kNoCore) : error_);
    // A file that cannot be read leaves the running game alone.
    platform::FileReadResult file = platform::readFileBounded(romPath, kMaxGameFileSize);
    if (!file.ok)
        return fail(QCoreApplication::translate("EmulatorCore", kRomUnreadable)
                        .arg(QDir::toNativeSeparators(romPath), file.reason));
    QByteArray data = std::move(file.data);
    if (data.isEmpty())
        return fail(QCoreApplication::translate("EmulatorCore", kRomUnreadable)
                        .arg(QDir::toNativeSeparators(romPath),
                             QCoreApplication::translate("EmulatorCore", "The file is empty.")));
    if (gameLoaded_) {
        api_->unloadGame();
        gameLoaded_ = false;
    }
    romData_ = std::move(data);
    romPathBytes_ = QFile::encodeName(QFileInfo(romPath).absoluteFilePath());

    retro_game_info game{};
    game.path = romPathBytes_.constData();
    if (!needsFullPath_) {
        game.data = romData_.constData();
        game.size = size_t(romData_.size());
    }
    const qsizetype logBefore = log_.size();
    if (!api_->loadGame(&game)) {
        QString detail;
        const QStringList said = log_.mid(logBefore);
        if (!said.isEmpty())
            detail = QStringLiteral("\n\n") + said.mid(std::max<qsizetype>(0, said.size() - kLogLinesInMessages))
                                                  .join(QLatin1Char('\n'));
        return fail(
            QCoreApplication::translate("EmulatorCore", kRomRefused).arg(QDir::toNativeSeparators(romPath), detail));
    }
    gameLoaded_ = true;
    framesRun_ = 0;
    frame_ = QImage();
    api_->setControllerPortDevice(0, RETRO_DEVICE_JOYPAD);
    readAvInfo();
    return true;
}

void EmulatorCore::readAvInfo()
{
    retro_system_av_info av{};
    api_->getSystemAvInfo(&av);
    if (av.timing.fps > 0)
        frameRate_ = av.timing.fps;
    if (av.timing.sample_rate > 0)
        sampleRate_ = av.timing.sample_rate;
}

void EmulatorCore::unload()
{
    if (api_) {
        if (gameLoaded_)
            api_->unloadGame();
        api_->deinit();
        api_.reset();
    }
    gameLoaded_ = false;
    if (library_.isLoaded())
        library_.unload();
    if (Callbacks::active == this)
        Callbacks::active = nullptr;
    romData_.clear();
    audio_.clear();
}

void EmulatorCore::runFrame()
{
    if (!gameLoaded_)
        return;
    api_->run();
    ++framesRun_;
}

void EmulatorCore::reset()
{
    if (gameLoaded_)
        api_->reset();
}

void EmulatorCore::setAudioEnabled(bool enabled)
{
    audioEnabled_ = enabled;
    if (!enabled)
        audio_.clear();
}

std::vector<qint16> EmulatorCore::takeAudio()
{
    return std::exchange(audio_, {});
}

QByteArray EmulatorCore::saveState()
{
    if (!gameLoaded_)
        return {};
    const size_t size = api_->serializeSize();
    if (size == 0)
        return {};
    QByteArray state(qsizetype(size), '\0');
    if (!api_->serialize(state.data(), size))
        return {};
    return state;
}

bool EmulatorCore::loadState(const QByteArray& state)
{
    if (!gameLoaded_ || state.isEmpty())
        return false;
    return api_->unserialize(state.constData(), size_t(state.size()));
}

std::span<const quint8> EmulatorCore::systemRam() const
{
    if (!gameLoaded_)
        return {};
    const auto* data = static_cast<const quint8*>(api_->getMemoryData(RETRO_MEMORY_SYSTEM_RAM));
    const size_t size = api_->getMemorySize(RETRO_MEMORY_SYSTEM_RAM);
    if (!data)
        return {};
    return {data, size};
}

}  // namespace tessel
