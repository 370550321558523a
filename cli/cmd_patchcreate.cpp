#include "cli/clicommand.h"
#include "patch/patchfiles.h"

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    QString error;
    if (!PatchFiles::createFromFiles(args[0], args[1], args[2], &error)) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return kExitFailed;
    }
    return kExitOk;
}

const Registration registration(Command{
    .name = "patch-create",
    .summary = QT_TRANSLATE_NOOP("cli", "make a patch that turns ORIGINAL into MODIFIED"),
    .arguments = {{"ORIGINAL", QT_TRANSLATE_NOOP("cli", "the file as it was")}, {"MODIFIED", QT_TRANSLATE_NOOP("cli", "the file as it is now")}, {"OUT.ips|OUT.bps", QT_TRANSLATE_NOOP("cli", "the patch to write; its extension chooses IPS or BPS")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
