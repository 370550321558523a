#include "cli/clicommands.h"
#include "cli/clicommon.h"

namespace cli {

int runResave(const QStringList& args)
{
    if (args.size() != 1)
        return usageError("resave");
    CliDocument d;
    if (!d.open(args[0]) || !d.doc.save(args[0]))
        return kExitFailed;
    return kExitOk;
}

}  // namespace cli
