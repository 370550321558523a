#include "cli/clicommands.h"
#include "tools/samplerom/samplerom.h"

#include <QSaveFile>

#include <cstdio>

namespace cli {

int runSampleRom(const QStringList& args)
{
    if (args.size() != 1)
        return usageError("sample-rom");
    QSaveFile out(args[0]);
    if (!out.open(QIODevice::WriteOnly) || out.write(buildSampleRom()) < 0 || !out.commit()) {
        std::fprintf(stderr, "Could not write %s: %s\n", args[0].toLocal8Bit().constData(),
                     out.errorString().toLocal8Bit().constData());
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace cli
