#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "document/textcatalog.h"

#include <QCoreApplication>

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& paths = call.args;
    if (!call.writesExtension(paths[1], {QStringLiteral("po"), QStringLiteral("pot")}))
        return kExitUsage;
    CliDocument d;
    if (!d.open(paths[0]))
        return kExitFailed;
    QByteArray po;
    QString error;
    if (!textcatalog::write(d.doc, &po, &error)) {
        printError(QStringLiteral("%1: %2").arg(paths[1], error));
        return kExitFailed;
    }
    return writeWholeFile(paths[1], po) ? kExitOk : kExitFailed;
}

const Registration registration(Command{
    .name = "text-export",
    .summary = QT_TRANSLATE_NOOP("cli", "write the messages and names as a PO file to translate"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to read")},
                  {"OUT.po", QT_TRANSLATE_NOOP("cli", "the PO file to write, every translation empty")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
