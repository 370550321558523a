#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "document/parts/scriptpart.h"
#include "document/setscriptbytescommand.h"
#include "events/scriptjson.h"

#include <QCoreApplication>

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

// A listing of every command as `events --json` writes it is about 20 MB.
constexpr qint64 kMaxListingFileSize = 64 * 1024 * 1024;

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    CliDocument d;
    if (!d.open(args[0]))
        return kExitFailed;
    QByteArray json;
    if (!readWholeFile(args[1], kMaxListingFileSize, &json))
        return kExitFailed;
    QList<ScriptEdit> edits;
    QString error;
    if (!events::readScriptEdits(json, &edits, &error)) {
        printError(QStringLiteral("%1: %2").arg(args[1], error));
        return kExitFailed;
    }
    ScriptPart& part = d.doc.part<ScriptPart>();
    // Every entry is checked, changed or not, so a file that could not have
    // come from this ROM is refused whole.
    if (const std::optional<QString> refusal = part.checkEdits(edits)) {
        printError(QStringLiteral("%1: %2").arg(args[1], *refusal));
        return kExitFailed;
    }
    // Only the entries whose bytes differ are edits; an unchanged file
    // writes nothing.
    QList<ScriptEdit> changed;
    const QList<ScriptEdit> current = part.currentBytes(edits);
    for (qsizetype i = 0; i < edits.size(); ++i)
        if (edits[i].bytes != current[i].bytes)
            changed.append(edits[i]);
    if (changed.isEmpty()) {
        printLine(QCoreApplication::translate("cli", "%1: no command changed; nothing written.").arg(args[0]));
        return kExitOk;
    }
    d.doc.undoStack()->push(
        new SetScriptBytesCommand(d.doc, changed, QCoreApplication::translate("cli", "Import Event Scripts")));
    if (!d.doc.save(args[0]))
        return kExitFailed;
    printLine(QCoreApplication::translate("cli", "%1: %2 commands changed.").arg(args[0]).arg(changed.size()));
    return kExitOk;
}

const Registration registration(Command{
    .name = "events-import",
    .summary = QT_TRANSLATE_NOOP("cli", "write back changed event commands of the same length"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to change")},
                  {"IN.json", QT_TRANSLATE_NOOP("cli", "commands as 'events --json' writes them")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
