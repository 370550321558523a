#include "play/emulatorcore.h"

#include "play/corecallbacks.h"
#include "play/libretroapi.h"
#include "platform/fileaccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace tessel {

static_assert(int(CorePixelFormat::Rgb1555) == RETRO_PIXEL_FORMAT_0RGB1555);
static_assert(int(CorePixelFormat::Xrgb8888) == RETRO_PIXEL_FORMAT_XRGB8888);
static_assert(int(CorePixelFormat::Rgb565) == RETRO_PIXEL_FORMAT_RGB565);

namespace {

constexpr char kDefaultCoreName[] = "bsnes_mercury_performance_libretro";
constexpr int kLogLinesInMessages = 3;
// The console's work RAM is 128 KB; a core claiming far more is not read.
constexpr size_t kMaxSystemRam = 16 * 1024 * 1024;
// The largest file loadGame reads: 16 MB, more than any SNES cartridge,
// and a copier header.
constexpr qint64 kMaxGameFileSize = 16 * 1024 * 1024 + 512;

}  // namespace

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

void EmulatorCore::appendLog(const QString& line)
{
    log_.append(line.left(kLogLineLimit));
    while (log_.size() > kLogLimit)
        log_.removeFirst();
}

void EmulatorCore::refuse(const QString& what)
{
    appendLog(QStringLiteral("Error: ") + what);
    if (fault_.isEmpty())
        fault_ = what;
}

bool EmulatorCore::stopIfFaulty()
{
    if (fault_.isEmpty())
        return false;
    if (gameLoaded_) {
        api_->unloadGame();
        gameLoaded_ = false;
    }
    error_ = QCoreApplication::translate("EmulatorCore", playmessages::kCoreMisbehaved)
                 .arg(QDir::toNativeSeparators(QFile::decodeName(corePathBytes_)), fault_);
    return true;
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
    fault_.clear();
    optionDefaults_.clear();
    // What the previous core set up does not carry over to this one.
    pixelFormat_ = CorePixelFormat::Rgb1555;
    frameRate_ = kDefaultFrameRate;
    sampleRate_ = kDefaultSampleRate;
    frame_ = QImage();

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
    if (stopIfFaulty()) {
        const QString message = error_;
        unload();
        return fail(message);
    }
    return true;
}

bool EmulatorCore::loadGame(const QString& romPath)
{
    using namespace playmessages;
    if (!api_)
        return fail(error_.isEmpty() ? QCoreApplication::translate("EmulatorCore", kNoCore) : error_);
    if (stopIfFaulty())
        return false;
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
    const bool loaded = api_->loadGame(&game);
    gameLoaded_ = loaded;
    if (stopIfFaulty())
        return false;
    if (!loaded) {
        QString detail;
        const QStringList said = log_.mid(logBefore);
        if (!said.isEmpty())
            detail = QStringLiteral("\n\n") + said.mid(std::max<qsizetype>(0, said.size() - kLogLinesInMessages))
                                                  .join(QLatin1Char('\n'));
        return fail(
            QCoreApplication::translate("EmulatorCore", kRomRefused).arg(QDir::toNativeSeparators(romPath), detail));
    }
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
    stopIfFaulty();
}

void EmulatorCore::reset()
{
    if (gameLoaded_) {
        api_->reset();
        stopIfFaulty();
    }
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
    if (size > kMaxStateSize) {
        refuse(QCoreApplication::translate("EmulatorCore",
                                           "It asked for %1 bytes to save a state, more than the %2 MB any state "
                                           "of the console needs.")
                   .arg(size)
                   .arg(kMaxStateSize >> 20));
        stopIfFaulty();
        return {};
    }
    if (size == 0 || stopIfFaulty())
        return {};
    QByteArray state(qsizetype(size), '\0');
    const bool made = api_->serialize(state.data(), size);
    if (stopIfFaulty() || !made)
        return {};
    return state;
}

bool EmulatorCore::loadState(const QByteArray& state)
{
    if (!gameLoaded_ || state.isEmpty())
        return false;
    const bool loaded = api_->unserialize(state.constData(), size_t(state.size()));
    return !stopIfFaulty() && loaded;
}

std::span<const quint8> EmulatorCore::systemRam() const
{
    if (!gameLoaded_)
        return {};
    const auto* data = static_cast<const quint8*>(api_->getMemoryData(RETRO_MEMORY_SYSTEM_RAM));
    const size_t size = api_->getMemorySize(RETRO_MEMORY_SYSTEM_RAM);
    if (!data || size > kMaxSystemRam)
        return {};
    return {data, size};
}

}  // namespace tessel
