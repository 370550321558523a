#include "cli/clicommand.h"
#include "cli/clicommon.h"

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    CliDocument d;
    if (!d.open(args[0]) || !d.doc.save(args[0]))
        return kExitFailed;
    return kExitOk;
}

const Registration registration(Command{
    .name = "resave",
    .summary = QT_TRANSLATE_NOOP("cli", "open ROM and save it in place"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file, saved where it is")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
