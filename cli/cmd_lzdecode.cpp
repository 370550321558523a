#include "cli/clicommands.h"
#include "cli/clicommon.h"
#include "worldmap/lzcodec.h"

namespace cli {

int runLzDecode(const QStringList& args)
{
    if (args.size() != 2)
        return usageError("lz-decode");
    QByteArray stream;
    if (!readWholeFile(args[0], &stream))
        return kExitFailed;
    return writeWholeFile(args[1], LzCodec::decode(stream)) ? kExitOk : kExitFailed;
}

}  // namespace cli
