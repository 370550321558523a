#include "cli/clicommands.h"
#include "cli/clicommon.h"
#include "text/fontsheet.h"
#include "document/parts/fontspart.h"

#include <cstdio>

namespace cli {

int runFontExport(const QStringList& args)
{
    const std::optional<fontsheet::Font> font = args.size() == 3 ? fontsheet::fontFromName(args[1]) : std::nullopt;
    if (!font)
        return usageError("font-export");
    CliDocument d;
    if (!d.open(args[0]))
        return kExitFailed;
    QString reason;
    if (!fontsheet::WriteSheetFile(fontsheet::ExportSheet(d.doc.part<FontsPart>().fonts(), *font), args[2], &reason)) {
        std::fprintf(stderr, "Could not write %s: %s\n", args[2].toLocal8Bit().constData(), reason.toLocal8Bit().constData());
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace cli
