#include "cli/clicommands.h"

#include <QCoreApplication>

#include <cstdio>

namespace cli {

const QList<Command>& commands()
{
    static const QList<Command> all = {
        {"sample-rom", "OUT", "write the sample ROM to OUT", runSampleRom},
        {"info", "ROM", "check ROM as Open does and summarise it", runInfo},
        {"resave", "ROM", "open ROM and save it in place", runResave},
        {"dialogue-export", "ROM OUT.json [--plain]", "write every message as script (or plain) text", runDialogueExport},
        {"dialogue-import", "ROM IN.json", "replace the messages with parsed texts and save", runDialogueImport},
        {"lz-encode", "IN OUT", "compress IN into a world-map LZ stream", runLzEncode},
        {"lz-decode", "IN OUT", "expand the LZ stream at the start of IN", runLzDecode},
        {"table-export", "ROM TABLE OUT.json", "write a table's records with named fields (items, spells, espers, shops, "
         "monsters, formations, characters)", runTableExport},
        {"table-import", "ROM IN.json", "check a table file's values, apply them and save", runTableImport},
        {"monster-export", "ROM N OUT.png", "draw monster N's battle picture as a PNG", runMonsterExport},
        {"map-export", "ROM balance|ruin OUT.png", "draw a whole world map as a 4096x4096 PNG", runMapExport},
        {"tiles-export", "ROM balance|ruin whole|pieces OUT.bmp|png", "write a map's tiles or pieces as an 8-bit sheet",
         runTilesExport},
        {"tiles-import", "ROM balance|ruin IN.bmp|png", "replace a map's pieces and palette with a sheet and save",
         runTilesImport},
        {"patch-create", "ORIGINAL MODIFIED OUT.ips|OUT.bps", "make a patch that turns ORIGINAL into MODIFIED",
         runPatchCreate},
        {"patch-apply", "ROM PATCH OUT", "apply an IPS or BPS patch to ROM, writing OUT", runPatchApply},
        {"add-header", "IN OUT", "write IN behind a 512-byte copier header to OUT", runAddHeader},
        {"strip-header", "IN OUT", "write IN without its 512-byte copier header to OUT", runStripHeader},
        {"run", "ROM --frames N --screenshot OUT.png [--core PATH]", "run ROM in a libretro core, save the last frame",
         runRun},
        {"font-export", "ROM dialogue|menu OUT.png", "write a font as an indexed PNG sheet", runFontExport},
        {"font-import", "ROM dialogue|menu IN.png", "replace a font with a PNG sheet and save", runFontImport},
    };
    return all;
}

int usageError(const char* name)
{
    for (const Command& command : commands())
        if (qstrcmp(command.name, name) == 0)
            std::fprintf(stderr, "usage: tessel-cli %s %s\n", command.name, command.usage);
    return kExitUsage;
}

}  // namespace cli

namespace {

int printUsage()
{
    std::fprintf(stderr, "usage: tessel-cli COMMAND ARGS...\n\ncommands:\n");
    for (const cli::Command& command : cli::commands())
        std::fprintf(stderr, "  %-16s %-34s %s\n", command.name, command.usage, command.summary);
    return cli::kExitUsage;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (args.isEmpty())
        return printUsage();
    const QString name = args.takeFirst();
    for (const cli::Command& command : cli::commands())
        if (name == QLatin1String(command.name))
            return command.run(args);
    std::fprintf(stderr, "tessel-cli: unknown command '%s'\n", name.toLocal8Bit().constData());
    return printUsage();
}
