#include "cli/clicommand.h"
#include "cli/headercopy.h"
#include "rom/copierheader.h"

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    QByteArray file;
    if (!readCopySource(args[0], args[1], &file))
        return kExitFailed;
    if (!rom::hasCopierHeader(file.size()))
        return refuseCopy("%s has no copier header (it is not 512 bytes over a whole number of kilobytes).\n",
                          args[0]);
    return writeCopy(args[1], rom::withoutCopierHeader(file));
}

const Registration registration(Command{
    .name = "strip-header",
    .summary = QT_TRANSLATE_NOOP("cli", "write IN without its 512-byte copier header to OUT"),
    .arguments = {{"IN", QT_TRANSLATE_NOOP("cli", "a ROM image behind a copier header")},
                  {"OUT", QT_TRANSLATE_NOOP("cli", "the copy to write, a file of its own")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
