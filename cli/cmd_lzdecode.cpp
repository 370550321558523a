#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "worldmap/lzcodec.h"

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    QByteArray stream;
    if (!readWholeFile(args[0], kMaxInputFileSize, &stream))
        return kExitFailed;
    return writeWholeFile(args[1], LzCodec::decode(stream)) ? kExitOk : kExitFailed;
}

const Registration registration(Command{
    .name = "lz-decode",
    .summary = QT_TRANSLATE_NOOP("cli", "expand the LZ stream at the start of IN"),
    .arguments = {{"IN", QT_TRANSLATE_NOOP("cli", "a file that starts with an LZ stream")}, {"OUT", QT_TRANSLATE_NOOP("cli", "the expanded bytes to write")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
