#include "cli/clicommands.h"
#include "cli/clicommon.h"
#include "document/tilesheetfile.h"
#include "worldmap/tilesheet.h"
#include "worldmap/worldmap.h"
#include "document/parts/worldmappart.h"

#include <cstdio>

namespace cli {

int runTilesExport(const QStringList& args)
{
    if (args.size() != 4)
        return usageError("tiles-export");
    const int index = worldMapNamed(args[1], "tiles-export");
    if (index < 0)
        return kExitUsage;
    const QString kind = args[2].toLower();
    if (kind != QLatin1String("whole") && kind != QLatin1String("pieces")) {
        std::fprintf(stderr, "tiles-export: the sheet is 'whole' or 'pieces', not '%s'\n", args[2].toLocal8Bit().constData());
        return kExitUsage;
    }
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

}  // namespace cli
