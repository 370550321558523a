#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "play/emulatorcore.h"
#include "text/pngfile.h"

#include <QCoreApplication>

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

// More than four and a half hours of the game's time: a run that long is a
// mistyped number, not a test.
constexpr qint64 kMaxFrames = 1000000;

int run(const Invocation& call)
{
    bool isNumber = false;
    const qint64 frames = call.value("frames").toLongLong(&isNumber);
    if (!isNumber || frames <= 0 || frames > kMaxFrames)
        return call.usageError(QCoreApplication::translate("cli", "the frame count is a number from 1 to %1, not '%2'")
                                   .arg(kMaxFrames)
                                   .arg(call.value("frames")));
    const QString& rom = call.args[0];
    const QString screenshot = call.value("screenshot");
    const QString core = call.isSet("core") ? call.value("core") : EmulatorCore::defaultCorePath();

    if (!call.writesExtension(screenshot, {QStringLiteral("png")}))
        return kExitUsage;
    EmulatorCore emulator;
    if (!emulator.loadCore(core) || !emulator.loadGame(rom)) {
        printError(emulator.errorString());
        return kExitFailed;
    }
    for (qint64 i = 0; i < frames && emulator.isGameLoaded(); ++i)
        emulator.runFrame();
    if (!emulator.fault().isEmpty()) {
        printError(emulator.errorString());
        return kExitFailed;
    }
    if (emulator.frame().isNull()) {
        printError(QCoreApplication::translate("cli", "The core drew no picture in %1 frames.").arg(frames));
        return kExitFailed;
    }
    QString reason;
    if (!WritePngFile(emulator.frame(), screenshot, &reason)) {
        printError(QCoreApplication::translate("cli", "Could not write %1: %2").arg(screenshot, reason));
        return kExitFailed;
    }
    return kExitOk;
}

const Registration registration(Command{
    .name = "run",
    .summary = QT_TRANSLATE_NOOP("cli", "run ROM in a libretro core, save the last frame"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to run")}},
    .options = {{"frames", "N", QT_TRANSLATE_NOOP("cli", "how many frames to run"), true},
                {"screenshot", "OUT.png", QT_TRANSLATE_NOOP("cli", "where to save the last frame"), true},
                {"core", "PATH", QT_TRANSLATE_NOOP("cli", "the libretro core to load (default: the one Debian's "
                                                         "libretro-bsnes-mercury-performance installs)")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
