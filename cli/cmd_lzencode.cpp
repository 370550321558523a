#include "cli/clicommands.h"
#include "cli/clicommon.h"
#include "worldmap/lzcodec.h"

#include <cstdio>

namespace cli {

int runLzEncode(const QStringList& args)
{
    if (args.size() != 2)
        return usageError("lz-encode");
    QByteArray input;
    if (!readWholeFile(args[0], &input))
        return kExitFailed;
    const QByteArray stream = LzCodec::encode(input);
    if (stream.size() > LzCodec::kMaxStreamLength) {
        std::fprintf(stderr, "%s: compresses to %lld bytes; a stream can hold at most %d.\n",
                     args[0].toLocal8Bit().constData(), static_cast<long long>(stream.size()),
                     LzCodec::kMaxStreamLength);
        return kExitFailed;
    }
    return writeWholeFile(args[1], stream) ? kExitOk : kExitFailed;
}

}  // namespace cli
