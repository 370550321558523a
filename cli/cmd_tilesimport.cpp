#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "document/tilepiecesimport.h"
#include "document/tilesheetfile.h"
#include "worldmap/tilesheet.h"

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    const int index = worldMapNamed(args[1], "tiles-import");
    if (index < 0)
        return kExitUsage;
    CliDocument d;
    if (!d.open(args[0]))
        return kExitFailed;
    QString reason;
    const std::optional<IndexedPicture> picture = TileSheetFile::read(args[2], &reason);
    const std::optional<TileSheet::Pieces> pieces =
        picture ? TileSheet::importPieces(*picture, nullptr, &reason) : std::nullopt;
    if (!pieces) {
        std::fprintf(stderr, "%s is not a sheet of tile pieces: %s\n", args[2].toLocal8Bit().constData(),
                     reason.toLocal8Bit().constData());
        return kExitFailed;
    }
    pushTilePiecesImport(d.doc, index, *pieces);
    if (!d.doc.isModified())
        return kExitOk;  // the sheet holds what the map has: nothing to write
    return d.doc.save(args[0]) ? kExitOk : kExitFailed;
}

const Registration registration(Command{
    .name = "tiles-import",
    .summary = QT_TRANSLATE_NOOP("cli", "replace a map's pieces and palette with a sheet and save"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to change")}, {"balance|ruin", QT_TRANSLATE_NOOP("cli", "the World of Balance or the World of Ruin")}, {"IN.bmp|png", QT_TRANSLATE_NOOP("cli", "a sheet of pieces as tiles-export writes it (128 x 128, 8-bit)")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
