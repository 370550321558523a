#include "cli/clicommands.h"
#include "play/emulatorcore.h"

#include <QImageWriter>

#include <cstdio>

namespace cli {

namespace {

void printError(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

}  // namespace

// run ROM --frames N --screenshot OUT.png [--core PATH]
int runRun(const QStringList& args)
{
    QString rom;
    QString screenshot;
    QString core = EmulatorCore::defaultCorePath();
    qint64 frames = -1;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--frames") && hasValue) {
            bool ok = false;
            frames = args[++i].toLongLong(&ok);
            if (!ok || frames <= 0)
                return usageError("run");
        } else if (arg == QLatin1String("--screenshot") && hasValue) {
            screenshot = args[++i];
        } else if (arg == QLatin1String("--core") && hasValue) {
            core = args[++i];
        } else if (!arg.startsWith(QLatin1String("--")) && rom.isEmpty()) {
            rom = arg;
        } else {
            return usageError("run");
        }
    }
    if (rom.isEmpty() || screenshot.isEmpty() || frames <= 0)
        return usageError("run");

    EmulatorCore emulator;
    if (!emulator.loadCore(core) || !emulator.loadGame(rom)) {
        printError(emulator.errorString());
        return kExitFailed;
    }
    for (qint64 i = 0; i < frames; ++i)
        emulator.runFrame();
    if (emulator.frame().isNull()) {
        printError(QStringLiteral("The core drew no picture in %1 frames.").arg(frames));
        return kExitFailed;
    }
    QImageWriter writer(screenshot, "png");
    if (!writer.write(emulator.frame())) {
        printError(QStringLiteral("Could not write %1: %2").arg(screenshot, writer.errorString()));
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace cli
