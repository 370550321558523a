#include "cli/clicommand.h"
#include "tools/samplerom/samplerom.h"

#include <QSaveFile>

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    QSaveFile out(args[0]);
    if (!out.open(QIODevice::WriteOnly) || out.write(buildSampleRom()) < 0 || !out.commit()) {
        std::fprintf(stderr, "Could not write %s: %s\n", args[0].toLocal8Bit().constData(),
                     out.errorString().toLocal8Bit().constData());
        return kExitFailed;
    }
    return kExitOk;
}

const Registration registration(Command{
    .name = "sample-rom",
    .summary = QT_TRANSLATE_NOOP("cli", "write the sample ROM to OUT"),
    .arguments = {{"OUT", QT_TRANSLATE_NOOP("cli", "the file to write")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
