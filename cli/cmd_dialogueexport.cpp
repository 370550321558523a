#include "cli/clicommands.h"
#include "cli/clicommon.h"
#include "text/dialoguejson.h"
#include "document/parts/dialoguepart.h"

#include <cstdio>

namespace cli {

int runDialogueExport(const QStringList& args)
{
    QStringList paths = args;
    const bool plain = paths.removeAll(QStringLiteral("--plain")) > 0;
    if (paths.size() != 2)
        return usageError("dialogue-export");
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

}  // namespace cli
