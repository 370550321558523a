#include "cli/scriptsource.h"

#include "cli/clicommon.h"

#include <cstdio>

namespace tessel {

namespace cli {

bool ScriptSource::open(const QString& path)
{
    CliDocument d;
    if (!d.open(path))
        return false;
    if (!d.doc.openedBytes().isEmpty())
        rom.openInMemory(d.doc.openedBytes(), RomImage::Mode::Loading);
    else if (QString reason; !rom.openForLoading(path, &reason)) {
        std::fprintf(stderr, "%s\n", qPrintable(QStringLiteral("tessel-cli: %1: %2").arg(path, reason)));
        return false;
    }
    tables.load(rom);
    listing = events::ScriptListing::build(rom, tables);
    return true;
}

}  // namespace cli

}  // namespace tessel
