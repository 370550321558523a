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
    if (!PatchFiles::apply(args[0], args[1], args[2], &error)) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return kExitFailed;
    }
    return kExitOk;
}

const Registration registration(Command{
    .name = "patch-apply",
    .summary = QT_TRANSLATE_NOOP("cli", "apply an IPS or BPS patch to ROM, writing OUT"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the file to patch (left as it is)")}, {"PATCH", QT_TRANSLATE_NOOP("cli", "an IPS or BPS patch")}, {"OUT", QT_TRANSLATE_NOOP("cli", "the patched file to write, a file of its own")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
