#include "cli/clicommands.h"
#include "cli/clicommon.h"
#include "document/tablejson.h"

#include <cstdio>

namespace cli {

int runTableExport(const QStringList& args)
{
    if (args.size() != 3)
        return usageError("table-export");
    CliDocument d;
    const std::optional<RecordKind> kind = PropertyTable::kindNamed(d.doc, args[1]);
    if (!kind) {
        std::fprintf(stderr, "tessel-cli: unknown table '%s' (%s)\n", args[1].toLocal8Bit().constData(),
                     PropertyTable::tableNames(d.doc).toLocal8Bit().constData());
        return usageError("table-export");
    }
    if (!d.open(args[0]))
        return kExitFailed;
    const QByteArray json = tablejson::exportTable(d.doc, *kind);
    return writeWholeFile(args[2], json) ? kExitOk : kExitFailed;
}

}  // namespace cli
