#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "document/tablejson.h"
#include "platform/fileaccess.h"

#include <QCoreApplication>
#include <QJsonObject>

#include <algorithm>

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

int run(const Invocation& call)
{
    const QStringList& args = call.args;
    CliDocument d;
    if (!d.open(args[0]))
        return kExitFailed;
    // Only as much as a table file may hold is read: a larger one is refused unparsed.
    const platform::FileReadResult file = platform::readFileBounded(args[1], tablejson::kMaxFileSize);
    if (!file.ok && !file.tooLarge) {
        std::fprintf(stderr, "Could not open %s: %s\n", args[1].toLocal8Bit().constData(),
                     file.reason.toLocal8Bit().constData());
        return kExitFailed;
    }
    QString error;
    // A pipe over the limit has no length of its own: it held at least one byte more.
    const qint64 length = file.ok ? file.data.size() : std::max(file.fileLength, tablejson::kMaxFileSize + 1);
    const std::optional<QJsonObject> json =
        tablejson::checkFileSize(length, &error) ? tablejson::parseFile(file.data, &error) : std::nullopt;
    if (!json) {
        std::fprintf(stderr, "%s\n",
                     QCoreApplication::translate("cli", "%1 is not a table file: %2").arg(args[1], error).toLocal8Bit().constData());
        return kExitFailed;
    }
    const tablejson::ImportResult result = tablejson::importTable(d.doc, *json);
    for (const QString& line : tablejson::reportLines(result.errors))
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    if (!result.errors.isEmpty()) {
        std::fprintf(stderr, "Nothing was written.\n");
        return kExitFailed;
    }
    // An import that changes nothing leaves the file alone.
    if (result.changedRecords == 0) {
        printLine(QCoreApplication::translate("cli", "No record changed."));
        return kExitOk;
    }
    if (!d.doc.save(args[0]))
        return kExitFailed;
    printLine(QCoreApplication::translate("cli", "%1 records changed.").arg(result.changedRecords));
    return kExitOk;
}

const Registration registration(Command{
    .name = "table-import",
    .summary = QT_TRANSLATE_NOOP("cli", "check a table file's values, apply them and save"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to change")}, {"IN.json", QT_TRANSLATE_NOOP("cli", "a table file as table-export writes it")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
