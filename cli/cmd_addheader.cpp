#include "cli/clicommand.h"
#include "cli/headercopy.h"
#include "rom/copierheader.h"

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    QByteArray image;
    if (!readCopySource(args[0], args[1], &image))
        return kExitFailed;
    if (image.isEmpty())
        return refuseCopy("%s is empty.\n", args[0]);
    if (rom::hasCopierHeader(image.size()))
        return refuseCopy("%s already has a copier header (it is 512 bytes over a whole number of kilobytes).\n",
                          args[0]);
    return writeCopy(args[1], rom::withCopierHeader(image));
}

const Registration registration(Command{
    .name = "add-header",
    .summary = QT_TRANSLATE_NOOP("cli", "write IN behind a 512-byte copier header to OUT"),
    .arguments = {{"IN", QT_TRANSLATE_NOOP("cli", "a ROM image without a copier header")},
                  {"OUT", QT_TRANSLATE_NOOP("cli", "the copy to write, a file of its own")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
