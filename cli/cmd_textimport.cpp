#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "document/textcatalog.h"

#include <QCoreApplication>

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    CliDocument d;
    if (!d.open(args[0]))
        return kExitFailed;
    QByteArray po;
    if (!readWholeFile(args[1], kMaxInputFileSize, &po))
        return kExitFailed;
    QStringList errors;
    textcatalog::ImportSummary summary;
    if (!textcatalog::import(d.doc, po, &summary, &errors)) {
        for (const QString& error : std::as_const(errors))
            printError(QStringLiteral("%1: %2").arg(args[1], error));
        printError(QCoreApplication::translate("cli", "%1: nothing was imported.").arg(args[0]));
        return kExitFailed;
    }
    // A file that changes nothing leaves the ROM as it is, date included.
    if (summary.changed > 0 && !d.doc.save(args[0]))
        return kExitFailed;
    printLine(summary.text());
    return kExitOk;
}

const Registration registration(Command{
    .name = "text-import",
    .summary = QT_TRANSLATE_NOOP("cli", "apply a PO file's translations to the text and save"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to change")},
                  {"IN.po", QT_TRANSLATE_NOOP("cli", "a PO file as text-export writes it, translated")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
