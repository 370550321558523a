#include "cli/clicommands.h"
#include "cli/clicommon.h"
#include "document/fontsheetimport.h"
#include "text/fontsheet.h"
#include "document/parts/fontspart.h"

#include <cstdio>

namespace cli {

int runFontImport(const QStringList& args)
{
    const std::optional<fontsheet::Font> font = args.size() == 3 ? fontsheet::fontFromName(args[1]) : std::nullopt;
    if (!font)
        return usageError("font-import");
    CliDocument d;
    if (!d.open(args[0]))
        return kExitFailed;
    QString reason;
    const std::optional<QImage> sheet = fontsheet::ReadSheetFile(args[2], *font, &reason);
    const std::optional<fontsheet::Contents> contents =
        sheet ? fontsheet::ImportSheet(*sheet, *font, d.doc.part<FontsPart>().fonts(), &reason) : std::nullopt;
    if (!contents) {
        std::fprintf(stderr, "%s is not a %s font sheet: %s\n", args[2].toLocal8Bit().constData(),
                     fontsheet::fontName(*font).toLocal8Bit().constData(), reason.toLocal8Bit().constData());
        return kExitFailed;
    }
    pushFontSheetImport(d.doc, *font, *contents);
    return d.doc.save(args[0]) ? kExitOk : kExitFailed;
}

}  // namespace cli
