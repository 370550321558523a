#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "document/tilesheetfile.h"
#include "worldmap/tilesheet.h"
#include "worldmap/worldmap.h"
#include "document/parts/worldmappart.h"

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    const int index = worldMapNamed(args[1], "tiles-export");
    if (index < 0)
        return kExitUsage;
    const QString kind = args[2].toLower();
    if (kind != QLatin1String("whole") && kind != QLatin1String("pieces")) {
        std::fprintf(stderr, "tiles-export: the sheet is 'whole' or 'pieces', not '%s'\n", args[2].toLocal8Bit().constData());
        return kExitUsage;
    }
    if (!call.writesExtension(args[3], {QStringLiteral("bmp"), QStringLiteral("png")}))
        return kExitUsage;
    CliDocument d;
    if (!d.open(args[0]))
        return kExitFailed;
    const WorldMap* map = worldMapOf(d.doc, index);
    if (!map)
        return kExitFailed;
    const TileSheet::Kind sheet = kind == QLatin1String("whole") ? TileSheet::Kind::WholeTiles : TileSheet::Kind::TilePieces;
    QString reason;
    if (!TileSheetFile::write(TileSheet::exportSheet(*map, sheet), args[3], &reason)) {
        std::fprintf(stderr, "Could not write %s: %s\n", args[3].toLocal8Bit().constData(), reason.toLocal8Bit().constData());
        return kExitFailed;
    }
    return kExitOk;
}

const Registration registration(Command{
    .name = "tiles-export",
    .summary = QT_TRANSLATE_NOOP("cli", "write a map's tiles or pieces as an 8-bit sheet"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to read")},
                  {"balance|ruin", QT_TRANSLATE_NOOP("cli", "the World of Balance or the World of Ruin")},
                  {"whole|pieces", QT_TRANSLATE_NOOP("cli", "the 256 whole tiles (256 x 256) or the 8 x 8 pieces (128 x 128)")},
                  {"OUT.bmp|png", QT_TRANSLATE_NOOP("cli", "the sheet to write: an 8-bit bitmap, or an indexed PNG when the name ends in .png")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
