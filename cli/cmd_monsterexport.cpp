#include "cli/clicommands.h"
#include "cli/clicommon.h"
#include "records/monsterpicture.h"
#include "records/recordaddresses.h"
#include "text/pngfile.h"
#include "document/parts/monsterspart.h"

#include <cstdio>

namespace cli {

int runMonsterExport(const QStringList& args)
{
    if (args.size() != 3)
        return usageError("monster-export");
    bool isNumber = false;
    const int monster = args[1].toInt(&isNumber);
    if (!isNumber || monster < 0 || monster >= records::kMonsterCount) {
        std::fprintf(stderr, "monster-export: the monster is a number from 0 to %d, not '%s'\n",
                     records::kMonsterCount - 1, args[1].toLocal8Bit().constData());
        return kExitUsage;
    }
    CliDocument d;
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

}  // namespace cli
