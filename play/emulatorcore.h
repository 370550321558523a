#pragma once

#include "play/coreframe.h"

#include <QByteArray>
#include <QImage>
#include <QLibrary>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <span>
#include <vector>

namespace tessel {

struct LibretroApi;

// A libretro core loaded at run time, and the game it runs: the host side
// of the libretro interface (environment, video, audio, input and log
// callbacks). Frames are run one at a time by the caller, which paces them.
//
// A core is a shared library with global state, so one EmulatorCore at a
// time may hold a core; loading a second while one is loaded fails.
class EmulatorCore {
public:
    struct Info {
        QString name;        // "bsnes-mercury"
        QString version;
        QString extensions;  // "sfc|smc|bml"
    };

    EmulatorCore();
    ~EmulatorCore();
    EmulatorCore(const EmulatorCore&) = delete;
    EmulatorCore& operator=(const EmulatorCore&) = delete;

    // Where the default core (Debian's libretro-bsnes-mercury-performance)
    // is installed.
    static QString defaultCorePath();

    // Reads a core's name and version without starting it; false with the
    // message for the user when it cannot be loaded.
    static bool probe(const QString& corePath, Info* info, QString* error);

    // Loads and initialises the core at path. On failure errorString()
    // holds the message for the user, and nothing stays loaded.
    bool loadCore(const QString& corePath);
    // Hands the ROM file to the core as it lies on disk, copier header and
    // all. On failure errorString() says why and the core stays loaded.
    bool loadGame(const QString& romPath);
    // Ends the game and unloads the core.
    void unload();

    bool isCoreLoaded() const { return api_ != nullptr; }
    bool isGameLoaded() const { return gameLoaded_; }
    const Info& info() const { return info_; }
    QString errorString() const { return error_; }
    // What the core reported through its log, most recent last (the last
    // kLogLimit lines, each cut at kLogLineLimit bytes).
    const QStringList& log() const { return log_; }
    static constexpr int kLogLimit = 200;
    static constexpr int kLogLineLimit = 1024;

    // What the core did that the host refused, since it was loaded; empty
    // while it behaves. A core that misbehaves is stopped: its game ends
    // and errorString() names what it did.
    QString fault() const { return fault_; }

    // Frames per second and audio samples per second of the console.
    double frameRate() const { return frameRate_; }
    double sampleRate() const { return sampleRate_; }

    void runFrame();
    void reset();
    qint64 framesRun() const { return framesRun_; }

    // The last picture the core drew (null before the first frame).
    const QImage& frame() const { return frame_; }

    // Pad buttons held on the first port: bits (1 << PadButton).
    void setPadButtons(quint16 buttons) { padButtons_ = buttons; }
    quint16 padButtons() const { return padButtons_; }

    // Sound: when enabled, the interleaved stereo samples of the frames run
    // since the last take; when disabled, the core's sound is dropped.
    void setAudioEnabled(bool enabled);
    std::vector<qint16> takeAudio();

    // Snapshots of the whole machine; an empty array when the core cannot
    // make one. loadState is false when the core refuses the data. A core
    // asking for more than kMaxStateSize bytes is stopped.
    static constexpr size_t kMaxStateSize = 64 * 1024 * 1024;
    QByteArray saveState();
    bool loadState(const QByteArray& state);

    // The console's work RAM as the core exposes it (empty if it does not).
    std::span<const quint8> systemRam() const;

private:
    struct Callbacks;
    friend struct Callbacks;

    bool fail(const QString& message);
    void readAvInfo();
    void appendLog(const QString& line);
    // Notes what the core did wrong; the first fault is the one reported.
    void refuse(const QString& what);
    // Ends the game of a core that misbehaved; false when it behaves.
    bool stopIfFaulty();

    // Samples kept for takeAudio at most: seconds of sound.
    static constexpr size_t kMaxBufferedSamples = 1 << 21;

    QLibrary library_;
    std::unique_ptr<LibretroApi> api_;
    Info info_;
    QString error_;
    QStringList log_;
    QString fault_;
    QByteArray corePathBytes_;
    std::map<QByteArray, QByteArray> optionDefaults_;  // option key -> its default value
    QByteArray romData_;
    QByteArray romPathBytes_;
    bool gameLoaded_ = false;
    bool needsFullPath_ = false;
    static constexpr double kDefaultFrameRate = 60.0;
    static constexpr double kDefaultSampleRate = 32040.0;
    double frameRate_ = kDefaultFrameRate;
    double sampleRate_ = kDefaultSampleRate;
    CorePixelFormat pixelFormat_ = CorePixelFormat::Rgb1555;
    QImage frame_;
    quint16 padButtons_ = 0;
    bool audioEnabled_ = false;
    std::vector<qint16> audio_;
    qint64 framesRun_ = 0;
};

// Texts of the failures, with %1 for a path and %2 for a reason.
namespace playmessages {
inline constexpr char kCoreNotLoaded[] = QT_TRANSLATE_NOOP(
    "EmulatorCore",
    "The emulator core could not be loaded from\n%1\n\n%2\n\n"
    "Install the package libretro-bsnes-mercury-performance (for example with\n"
    "\"sudo apt-get install libretro-bsnes-mercury-performance\"), or choose\n"
    "another libretro SNES core in Options > Emulator Core...");
inline constexpr char kNotACore[] =
    QT_TRANSLATE_NOOP("EmulatorCore", "The file is not a libretro core: it lacks the function %1.");
inline constexpr char kWrongApiVersion[] =
    QT_TRANSLATE_NOOP("EmulatorCore", "The core was built for libretro version %1; Tessel needs version %2.");
inline constexpr char kNoCore[] = QT_TRANSLATE_NOOP("EmulatorCore", "No emulator core is loaded.");
inline constexpr char kCoreBusy[] =
    QT_TRANSLATE_NOOP("EmulatorCore", "Another game is already running. Close its window first.");
inline constexpr char kRomUnreadable[] = QT_TRANSLATE_NOOP("EmulatorCore", "The ROM file %1 could not be read: %2");
inline constexpr char kRomRefused[] = QT_TRANSLATE_NOOP("EmulatorCore", "The emulator core refused the ROM file\n%1%2");
inline constexpr char kCoreMisbehaved[] =
    QT_TRANSLATE_NOOP("EmulatorCore", "The emulator core\n%1\nwas stopped because it misbehaved:\n%2");
}  // namespace playmessages

}  // namespace tessel
