#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "document/tablejson.h"

#include <QCoreApplication>
#include <QJsonDocument>

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
    QByteArray text;
    if (!readWholeFile(args[1], kMaxInputFileSize, &text))
        return kExitFailed;
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(text, &error);
    if (!json.isObject()) {
        std::fprintf(stderr, "%s is not a table file: %s at offset %d\n", args[1].toLocal8Bit().constData(),
                     json.isNull() ? error.errorString().toLocal8Bit().constData() : "not an object",
                     json.isNull() ? int(error.offset) : 0);
        return kExitFailed;
    }
    const tablejson::ImportResult result = tablejson::importTable(d.doc, json.object());
    for (const QString& line : result.errors)
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
