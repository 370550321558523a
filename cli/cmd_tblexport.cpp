#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "text/hextable.h"

#include <QCoreApplication>

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    const QString& encoding = args[1];
    if (encoding != QLatin1String("dialogue") && encoding != QLatin1String("menu"))
        return call.usageError(QCoreApplication::translate("cli", "the encoding is \"dialogue\" or \"menu\", not \"%1\"")
                                   .arg(encoding));
    if (!call.writesExtension(args[2], {QStringLiteral("tbl")}))
        return kExitUsage;
    // The tables are the game's own, the same in every ROM; opening it
    // still checks that the file is one.
    CliDocument d;
    if (!d.open(args[0]))
        return kExitFailed;
    const QByteArray table = encoding == QLatin1String("dialogue") ? hextable::dialogueTable() : hextable::menuTable();
    return writeWholeFile(args[2], table) ? kExitOk : kExitFailed;
}

const Registration registration(Command{
    .name = "tbl-export",
    .summary = QT_TRANSLATE_NOOP("cli", "write a text encoding as a table file for hex editors"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to read")},
                  {"ENCODING", QT_TRANSLATE_NOOP("cli", "dialogue or menu")},
                  {"OUT.tbl", QT_TRANSLATE_NOOP("cli", "the table file to write, one XX=text line per code")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
