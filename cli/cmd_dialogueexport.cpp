#include "cli/clicommands.h"
#include "cli/clicommon.h"
#include "text/dialoguescript.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

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
    if (!d.doc.dialogue.loaded) {
        std::fprintf(stderr, "%s: the dialogue is in no layout this program knows.\n",
                     paths[0].toLocal8Bit().constData());
        return kExitFailed;
    }
    QJsonArray messages;
    for (const DialogueMessage& message : d.doc.dialogue.messages)
        messages.append(plain ? dialoguescript::plainText(message) : dialoguescript::scriptText(message));
    const QByteArray json = QJsonDocument(QJsonObject{{QStringLiteral("messages"), messages}}).toJson();

    QSaveFile out(paths[1]);
    if (!out.open(QIODevice::WriteOnly) || out.write(json) != json.size() || !out.commit()) {
        std::fprintf(stderr, "Could not write %s: %s\n", paths[1].toLocal8Bit().constData(),
                     out.errorString().toLocal8Bit().constData());
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace cli
