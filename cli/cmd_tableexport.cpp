#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "document/tablefile.h"
#include "document/triggersjson.h"

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    CliDocument d;
    if (args[1] == QLatin1String(triggersjson::kTableName)) {
        if (!call.writesExtension(args[2], {QStringLiteral("json")}))
            return kExitUsage;
        if (!d.open(args[0]))
            return kExitFailed;
        return writeWholeFile(args[2], triggersjson::exportTriggers(d.doc)) ? kExitOk : kExitFailed;
    }
    const std::optional<RecordKind> kind = PropertyTable::kindNamed(d.doc, args[1]);
    if (!kind)
        return call.usageError(QCoreApplication::translate("cli", "unknown table '%1' (%2)")
                                   .arg(args[1], PropertyTable::tableNames(d.doc)));
    if (!call.writesExtension(args[2], {QStringLiteral("json"), QStringLiteral("csv")}))
        return kExitUsage;
    if (!d.open(args[0]))
        return kExitFailed;
    const QByteArray text = tablefile::exportTable(d.doc, *kind, *tablefile::formatOf(args[2]));
    return writeWholeFile(args[2], text) ? kExitOk : kExitFailed;
}

const Registration registration(Command{
    .name = "table-export",
    .summary = QT_TRANSLATE_NOOP("cli", "write a table's records with named fields, as JSON or CSV"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to read")}, {"TABLE", QT_TRANSLATE_NOOP("cli", "items, spells, espers, shops, monsters, formations or characters; or triggers (both world maps, .json only)")}, {"OUT", QT_TRANSLATE_NOOP("cli", "the table file to write: .json, or .csv for spreadsheets")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
