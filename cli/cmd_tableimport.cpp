#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "document/tablefile.h"

#include <QCoreApplication>

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    if (!tablefile::formatOf(args[1]))
        return call.usageError(
            QCoreApplication::translate("cli", "%1: a table file must end in .json or .csv").arg(args[1]));
    CliDocument d;
    if (!d.open(args[0]))
        return kExitFailed;
    const tablefile::ImportResult result = tablefile::importFile(d.doc, args[1]);
    for (const QString& line : tablefields::reportLines(result.errors))
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    if (!result.errors.isEmpty()) {
        std::fprintf(stderr, "Nothing was written.\n");
        return kExitFailed;
    }
    // An import that changes nothing leaves the file alone.
    if (result.changedRecords == 0) {
        printLine(QCoreApplication::translate("cli", "No record changed."));
        return kExitOk;
    }
    if (!d.doc.save(args[0]))
        return kExitFailed;
    printLine(QCoreApplication::translate("cli", "%1 records changed.").arg(result.changedRecords));
    return kExitOk;
}

const Registration registration(Command{
    .name = "table-import",
    .summary = QT_TRANSLATE_NOOP("cli", "check a table file's values, apply them and save"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to change")}, {"IN", QT_TRANSLATE_NOOP("cli", "a .json or .csv table file as table-export writes it")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
