#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "records/monsterpicture.h"
#include "records/recordaddresses.h"
#include "text/pngfile.h"
#include "document/parts/monsterspart.h"

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    bool isNumber = false;
    const int monster = args[1].toInt(&isNumber);
    if (!isNumber || monster < 0 || monster >= records::kMonsterCount) {
        std::fprintf(stderr, "monster-export: the monster is a number from 0 to %d, not '%s'\n",
                     records::kMonsterCount - 1, args[1].toLocal8Bit().constData());
        return kExitUsage;
    }
    CliDocument d;
    if (!call.writesExtension(args[2], {QStringLiteral("png")}))
        return kExitUsage;
    if (!d.open(args[0]))
        return kExitFailed;
    QString reason;
    if (!WritePngFile(MonsterPicture::render(d.doc.part<MonstersPart>().table(), monster), args[2], &reason)) {
        std::fprintf(stderr, "Could not write %s: %s\n", args[2].toLocal8Bit().constData(),
                     reason.toLocal8Bit().constData());
        return kExitFailed;
    }
    return kExitOk;
}

const Registration registration(Command{
    .name = "monster-export",
    .summary = QT_TRANSLATE_NOOP("cli", "draw monster N's battle picture as a PNG"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to read")}, {"N", QT_TRANSLATE_NOOP("cli", "the monster's number, 0 to 383")}, {"OUT.png", QT_TRANSLATE_NOOP("cli", "the picture to write, transparent where empty")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
