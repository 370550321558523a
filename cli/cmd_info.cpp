#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "rom/romchecksum.h"
#include "text/menutext.h"
#include "document/parts/characterspart.h"
#include "document/parts/dialoguepart.h"
#include "document/parts/editorflagspart.h"
#include "document/parts/esperspart.h"
#include "document/parts/formationspart.h"
#include "document/parts/itemspart.h"
#include "document/parts/monsterspart.h"
#include "document/parts/spellspart.h"
#include "document/parts/worldmappart.h"
#include "rom/expansionarea.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tessel {

namespace cli {

namespace {

QString hexWord(quint16 value)
{
    return QStringLiteral("$%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

// Whether the internal header's checksum pair is right for the image.
QString checksumLine(const QByteArray& file)
{
    if (file.isEmpty())
        return QCoreApplication::translate("cli", "Checksum: not checked (the file is larger than any ROM image)");
    const QByteArrayView image = QByteArrayView(file).sliced(rom::kHeaderSize);
    const quint16 sum = RomChecksum::compute(image);
    if (RomChecksum::matches(image))
        return QCoreApplication::translate("cli", "Checksum: %1, matches").arg(hexWord(sum));
    return QCoreApplication::translate("cli",
                                       "Checksum: does not match (stored %1 with complement %2; the image sums to %3)")
        .arg(hexWord(RomChecksum::storedChecksum(image)), hexWord(RomChecksum::storedComplement(image)), hexWord(sum));
}

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    CliDocument d;
    if (!d.open(args[0]))
        return kExitFailed;
    const CFF3Doc& doc = d.doc;
    printLine(QCoreApplication::translate("cli", "%1: FINAL FANTASY 3 (US 1.0), %2 bytes")
                  .arg(args[0])
                  .arg(QFileInfo(args[0]).size()));
    const DialogueList& dialogue = doc.part<DialoguePart>().dialogue();
    printLine(dialogue.loaded
                  ? QCoreApplication::translate("cli", "Dialogue: %1 messages").arg(dialogue.messages.size())
                  : QCoreApplication::translate("cli", "Dialogue: none (unknown layout)"));
    printLine(QCoreApplication::translate("cli", "World maps: %1").arg(worldMapCount(doc)));
    const ItemsPart& items = doc.part<ItemsPart>();
    const auto& firstItem = items.table().items[0].name;
    printLine(QCoreApplication::translate("cli", "Items: %1 (first: %2)")
                  .arg(items.count())
                  .arg(menutext::DecodeListingName(firstItem.data(), int(firstItem.size())).trimmed()));
    printLine(QCoreApplication::translate("cli", "Espers: %1, spells: %2, monsters: %3, formations: %4, characters: %5")
                  .arg(doc.part<EspersPart>().count())
                  .arg(doc.part<SpellsPart>().count())
                  .arg(doc.part<MonstersPart>().count())
                  .arg(doc.part<FormationsPart>().count())
                  .arg(doc.part<CharactersPart>().count()));
    printLine(checksumLine(doc.openedBytes()));
    const ExpansionArea& past = doc.expansionArea();
    printLine(
        QCoreApplication::translate("cli",
                                    "Past the 3 MB image: %1 bytes of other tools' data (kept), %2 bytes of Tessel's, "
                                    "%3 bytes free")
            .arg(past.foreignBytes())
            .arg(past.ownBytes())
            .arg(past.freeBytes()));
    printLine(doc.part<EditorFlagsPart>().flags().routineInstalled()
                  ? QCoreApplication::translate("cli", "Saved by Tessel before: yes")
                  : QCoreApplication::translate("cli", "Saved by Tessel before: no"));
    return kExitOk;
}

const Registration registration(Command{
    .name = "info",
    .summary = QT_TRANSLATE_NOOP("cli", "check ROM as Open does and summarise it"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to check")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
