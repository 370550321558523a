#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "text/dialoguejson.h"
#include "document/parts/dialoguepart.h"

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& paths = call.args;
    const bool plain = call.isSet("plain");
    if (!call.writesExtension(paths[1], {QStringLiteral("json")}))
        return kExitUsage;
    CliDocument d;
    if (!d.open(paths[0]))
        return kExitFailed;
    if (!d.doc.part<DialoguePart>().dialogue().loaded) {
        std::fprintf(stderr, "%s: the dialogue is in no layout this program knows.\n",
                     paths[0].toLocal8Bit().constData());
        return kExitFailed;
    }
    return writeWholeFile(paths[1], dialoguejson::write(d.doc.part<DialoguePart>().dialogue().messages, plain)) ? kExitOk : kExitFailed;
}

const Registration registration(Command{
    .name = "dialogue-export",
    .summary = QT_TRANSLATE_NOOP("cli", "write every message as script (or plain) text"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to read")}, {"OUT.json", QT_TRANSLATE_NOOP("cli", "the JSON file to write, one text per message")}},
    .options = {{.name = "plain", .help = QT_TRANSLATE_NOOP("cli", "plain text as the game shows it instead of script text (which imports back)")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
