#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "tools/samplerom/samplerom.h"

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    return writeWholeFile(call.args[0], buildSampleRom()) ? kExitOk : kExitFailed;
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
