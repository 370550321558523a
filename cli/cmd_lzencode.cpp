#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "worldmap/lzcodec.h"

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    QByteArray input;
    if (!readWholeFile(args[0], kMaxInputFileSize, &input))
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

const Registration registration(Command{
    .name = "lz-encode",
    .summary = QT_TRANSLATE_NOOP("cli", "compress IN into a world-map LZ stream"),
    .arguments = {{"IN", QT_TRANSLATE_NOOP("cli", "the file to compress")}, {"OUT", QT_TRANSLATE_NOOP("cli", "the stream to write")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
