#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "worldmap/worldmap.h"
#include "document/parts/worldmappart.h"
#include "text/pngfile.h"

#include <QImage>

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    const int index = worldMapNamed(args[1], "map-export");
    if (index < 0)
        return kExitUsage;
    CliDocument d;
    if (!call.writesExtension(args[2], {QStringLiteral("png")}))
        return kExitUsage;
    if (!d.open(args[0]))
        return kExitFailed;
    const WorldMap* map = worldMapOf(d.doc, index);
    if (!map)
        return kExitFailed;

    QImage image(map->width * 16, map->height * 16, QImage::Format_RGB32);
    PixelBuffer buffer{image.bits(), image.bytesPerLine(), 32, image.width(), image.height()};
    for (int row = 0; row < map->height; ++row)
        for (int column = 0; column < map->width; ++column)
            map->drawTile(buffer, column * 16, row * 16, map->tileAt(column, row));

    QString reason;
    if (!WritePngFile(image, args[2], &reason)) {
        std::fprintf(stderr, "Could not write %s: %s\n", args[2].toLocal8Bit().constData(),
                     reason.toLocal8Bit().constData());
        return kExitFailed;
    }
    return kExitOk;
}

const Registration registration(Command{
    .name = "map-export",
    .summary = QT_TRANSLATE_NOOP("cli", "draw a whole world map as a 4096x4096 PNG"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to read")}, {"balance|ruin", QT_TRANSLATE_NOOP("cli", "the World of Balance or the World of Ruin")}, {"OUT.png", QT_TRANSLATE_NOOP("cli", "the picture to write")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
