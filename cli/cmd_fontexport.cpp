#include "cli/clicommand.h"
#include "cli/clicommon.h"
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
    if (!call.writesExtension(args[2], {QStringLiteral("png")}))
        return kExitUsage;
    if (!d.open(args[0]))
        return kExitFailed;
    QString reason;
    if (!fontsheet::WriteSheetFile(fontsheet::ExportSheet(d.doc.part<FontsPart>().fonts(), *font), args[2], &reason)) {
        std::fprintf(stderr, "Could not write %s: %s\n", args[2].toLocal8Bit().constData(), reason.toLocal8Bit().constData());
        return kExitFailed;
    }
    return kExitOk;
}

const Registration registration(Command{
    .name = "font-export",
    .summary = QT_TRANSLATE_NOOP("cli", "write a font as an indexed PNG sheet"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to read")}, {"dialogue|menu", QT_TRANSLATE_NOOP("cli", "the dialogue font or the menu font")}, {"OUT.png", QT_TRANSLATE_NOOP("cli", "the sheet to write")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
