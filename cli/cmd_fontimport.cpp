#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "document/fontsheetimport.h"
#include "text/fontsheet.h"
#include "document/parts/fontspart.h"

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    const std::optional<fontsheet::Font> font = fontsheet::fontFromName(args[1]);
    if (!font)
        return call.usageError(
            QCoreApplication::translate("cli", "the font is 'dialogue' or 'menu', not '%1'").arg(args[1]));
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

const Registration registration(Command{
    .name = "font-import",
    .summary = QT_TRANSLATE_NOOP("cli", "replace a font with a PNG sheet and save"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to change")}, {"dialogue|menu", QT_TRANSLATE_NOOP("cli", "the dialogue font or the menu font")}, {"IN.png", QT_TRANSLATE_NOOP("cli", "a sheet as font-export writes it")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
