#include "cli/clicommands.h"
#include "cli/clicommon.h"
#include "text/menutext.h"

#include <QFileInfo>

namespace cli {

int runInfo(const QStringList& args)
{
    if (args.size() != 1)
        return usageError("info");
    CliDocument d;
    if (!d.open(args[0]))
        return kExitFailed;
    const CFF3Doc& doc = d.doc;
    printLine(QStringLiteral("%1: FINAL FANTASY 3 (US 1.0), %2 bytes")
                  .arg(args[0])
                  .arg(QFileInfo(args[0]).size()));
    printLine(doc.dialogue.loaded ? QStringLiteral("Dialogue: %1 messages").arg(doc.dialogue.messages.size())
                                  : QStringLiteral("Dialogue: none (unknown layout)"));
    printLine(QStringLiteral("World maps: %1").arg(doc.worldMaps.count()));
    const auto& firstItem = doc.items.items[0].name;
    printLine(QStringLiteral("Items: %1 (first: %2)")
                  .arg(doc.items.items.size())
                  .arg(menutext::DecodeListingName(firstItem.data(), int(firstItem.size())).trimmed()));
    printLine(QStringLiteral("Espers: %1, spells: %2, monsters: %3, formations: %4, characters: %5")
                  .arg(doc.espers.espers.size())
                  .arg(doc.magic.spells.size())
                  .arg(doc.monsters.monsters.size())
                  .arg(doc.formations.formations.size())
                  .arg(doc.characters.characters.size()));
    const ExpansionArea& past = doc.expansionArea();
    printLine(QStringLiteral("Past the 3 MB image: %1 bytes of other tools' data (kept), %2 bytes of Tessel's, "
                             "%3 bytes free")
                  .arg(past.foreignBytes())
                  .arg(past.ownBytes())
                  .arg(past.freeBytes()));
    printLine(doc.flags.routineInstalled() ? QStringLiteral("Saved by Tessel before: yes")
                                           : QStringLiteral("Saved by Tessel before: no"));
    return kExitOk;
}

}  // namespace cli
