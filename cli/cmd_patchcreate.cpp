#include "cli/clicommands.h"
#include "patch/patchfiles.h"

#include <cstdio>

namespace cli {

int runPatchCreate(const QStringList& args)
{
    if (args.size() != 3)
        return usageError("patch-create");
    QString error;
    if (!PatchFiles::createFromFiles(args[0], args[1], args[2], &error)) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace cli
