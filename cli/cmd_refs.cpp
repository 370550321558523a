#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "cli/scriptsource.h"
#include "events/scriptjson.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

// The kinds event commands name, with how many records each has.
struct ReferredKind {
    const char* name;
    RecordKind kind;
    int count;
};

constexpr ReferredKind kKinds[] = {
    {"message", RecordKind::Message, 0x4000},
    {"item", RecordKind::Item, 256},
    {"esper", RecordKind::Esper, 27},
    {"shop", RecordKind::Shop, 256},
};

int run(const Invocation& call)
{
    const ReferredKind* kind = nullptr;
    for (const ReferredKind& k : kKinds)
        if (call.args[1] == QLatin1String(k.name))
            kind = &k;
    if (!kind)
        return call.usageError(
            QCoreApplication::translate("cli", "unknown kind '%1' (message, item, esper or shop)").arg(call.args[1]));
    bool ok = false;
    const int index = call.args[2].toInt(&ok, 0);
    if (!ok || index < 0 || index >= kind->count)
        return call.usageError(QCoreApplication::translate("cli", "%1 number '%2' is not between 0 and %3")
                                   .arg(call.args[1], call.args[2])
                                   .arg(kind->count - 1));
    ScriptSource source;
    if (!source.open(call.args[0]))
        return kExitFailed;
    const events::ScriptListing& listing = source.listing;
    const QList<int> found = listing.referencing({kind->kind, index});
    if (call.isSet("json")) {
        QJsonArray refs;
        for (int i : found)
            refs.append(QJsonObject{{QStringLiteral("kind"), QStringLiteral("event")},
                                    {QStringLiteral("address"), events::addressText(listing.address(i))},
                                    {QStringLiteral("text"), listing.commandText(i)}});
        const QJsonObject result{{QStringLiteral("kind"), QLatin1String(kind->name)},
                                 {QStringLiteral("index"), index},
                                 {QStringLiteral("refs"), refs}};
        const QByteArray json = QJsonDocument(result).toJson();
        std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
    } else {
        for (int i : found)
            printLine(QStringLiteral("%1: %2").arg(events::addressText(listing.address(i)), listing.commandText(i)));
    }
    return kExitOk;
}

const Registration registration(Command{
    .name = "refs",
    .summary = QT_TRANSLATE_NOOP("cli", "list event commands using a message, item, esper or shop"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to read")},
                  {"message|item|esper|shop", QT_TRANSLATE_NOOP("cli", "what kind of record")},
                  {"N", QT_TRANSLATE_NOOP("cli", "its number (decimal, or hexadecimal with 0x)")}},
    .options = {{"json", nullptr, QT_TRANSLATE_NOOP("cli", "write the references as JSON")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
