#include "cli/clicommands.h"
#include "cli/clicommon.h"
#include "document/editcommands.h"
#include "text/dialoguescript.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace cli {

namespace {

void printError(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

// The strings of {"messages": [...]}, or an error.
bool readMessages(const QString& path, QJsonArray* messages)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("Could not read %1: %2").arg(path, file.errorString()));
        return false;
    }
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(file.readAll(), &error);
    if (json.isNull()) {
        printError(QStringLiteral("%1 is not valid JSON: %2 at offset %3").arg(path, error.errorString()).arg(error.offset));
        return false;
    }
    if (!json.isObject() || !json.object().value(QStringLiteral("messages")).isArray()) {
        printError(QStringLiteral("%1 has no \"messages\" list.").arg(path));
        return false;
    }
    *messages = json.object().value(QStringLiteral("messages")).toArray();
    return true;
}

}  // namespace

int runDialogueImport(const QStringList& args)
{
    if (args.size() != 2)
        return usageError("dialogue-import");
    CliDocument d;
    if (!d.open(args[0]))
        return kExitFailed;
    DialogueList& dialogue = d.doc.dialogue;
    if (!dialogue.loaded) {
        printError(QStringLiteral("%1: the dialogue is in no layout this program knows.").arg(args[0]));
        return kExitFailed;
    }
    QJsonArray texts;
    if (!readMessages(args[1], &texts))
        return kExitFailed;
    if (std::size_t(texts.size()) != dialogue.messages.size()) {
        printError(QStringLiteral("%1 has %2 messages; the ROM has %3.")
                       .arg(args[1])
                       .arg(texts.size())
                       .arg(dialogue.messages.size()));
        return kExitFailed;
    }

    std::vector<DialogueMessage> parsed(dialogue.messages.size());
    bool malformed = false;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString number = QStringLiteral("%1").arg(i, 4, 16, QLatin1Char('0')).toUpper();
        QString error = QStringLiteral("not a string");
        if (texts[i].isString() && ParseDialogue(parsed[std::size_t(i)], texts[i].toString(), &error) == 0)
            continue;
        printError(QStringLiteral("%1: %2").arg(number, error));
        malformed = true;
    }
    if (malformed)
        return kExitFailed;

    QUndoStack* stack = d.doc.undoStack();
    stack->beginMacro(QStringLiteral("Import Dialogue"));
    for (std::size_t i = 0; i < parsed.size(); ++i)
        stack->push(new ReplaceMessageCommand(d.doc, int(i), parsed[i].bytes));
    stack->endMacro();
    return d.doc.save(args[0]) ? kExitOk : kExitFailed;
}

}  // namespace cli
