#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "document/editcommands.h"
#include "text/dialoguejson.h"
#include "document/parts/dialoguepart.h"

#include <cstdio>

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
    DialogueList& dialogue = d.doc.part<DialoguePart>().dialogue();
    if (!dialogue.loaded) {
        printError(
            QCoreApplication::translate("cli", "%1: the dialogue is in no layout this program knows.").arg(args[0]));
        return kExitFailed;
    }
    QByteArray json;
    if (!readWholeFile(args[1], kMaxInputFileSize, &json))
        return kExitFailed;
    QStringList errors;
    std::vector<DialogueMessage> imported;
    if (!dialoguejson::read(json, dialogue.messages.size(), imported, errors)) {
        for (const QString& error : errors)
            printError(QStringLiteral("%1: %2").arg(args[1], error));
        return kExitFailed;
    }

    QUndoStack* stack = d.doc.undoStack();
    stack->beginMacro(QCoreApplication::translate("cli", "Import Dialogue"));
    for (std::size_t i = 0; i < imported.size(); ++i)
        stack->push(new ReplaceMessageCommand(d.doc, int(i), imported[i].bytes));
    stack->endMacro();
    return d.doc.save(args[0]) ? kExitOk : kExitFailed;
}

const Registration registration(Command{
    .name = "dialogue-import",
    .summary = QT_TRANSLATE_NOOP("cli", "replace the messages with parsed texts and save"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to change")}, {"IN.json", QT_TRANSLATE_NOOP("cli", "script texts as dialogue-export writes them")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
