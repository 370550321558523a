#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "document/parts/scriptpart.h"
#include "document/referenceindex.h"
#include "events/scriptjson.h"
#include "records/recordaddresses.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

// The kinds the reference index knows, with how many numbers each takes
// (event commands may name shops and battles past the tables).
struct ReferredKind {
    const char* name;
    RecordKind kind;
    int count;
};

constexpr ReferredKind kKinds[] = {
    {"message", RecordKind::Message, 0x4000},
    {"item", RecordKind::Item, records::kItemCount},
    {"spell", RecordKind::Spell, records::kMagicCount},
    {"esper", RecordKind::Esper, records::kEsperCount},
    {"shop", RecordKind::Shop, 256},
    {"monster", RecordKind::Monster, records::kMonsterCount},
    {"formation", RecordKind::Formation, records::kFormationCount},
    {"battle", RecordKind::Battle, 256},
    {"location", RecordKind::Location, 512},
};

QJsonObject jsonOf(const Reference& use, const events::ScriptListing& listing)
{
    const RecordRef& user = use.user;
    if (user.kind == RecordKind::Event) {
        const int entry = listing.indexAt(SnesAddress(user.index));
        return {{QStringLiteral("kind"), QStringLiteral("event")},
                {QStringLiteral("address"), events::addressText(SnesAddress(user.index))},
                {QStringLiteral("text"), entry >= 0 ? listing.commandText(entry) : QString()}};
    }
    QJsonObject json{{QStringLiteral("kind"), recordKindName(user.kind)}};
    if (user.isMapElement()) {
        json.insert(QStringLiteral("map"), user.index);
        json.insert(QStringLiteral("index"), user.element);
    } else {
        json.insert(QStringLiteral("index"), user.index);
    }
    json.insert(QStringLiteral("text"), referenceKindText(use));
    return json;
}

QString lineOf(const Reference& use, const events::ScriptListing& listing)
{
    if (use.user.kind != RecordKind::Event)
        return referenceText(use);
    const SnesAddress address = SnesAddress(use.user.index);
    const int entry = listing.indexAt(address);
    return QStringLiteral("%1: %2").arg(events::addressText(address),
                                        entry >= 0 ? listing.commandText(entry) : QString());
}

int run(const Invocation& call)
{
    const ReferredKind* kind = nullptr;
    for (const ReferredKind& k : kKinds)
        if (call.args[1] == QLatin1String(k.name))
            kind = &k;
    if (!kind)
        return call.usageError(QCoreApplication::translate("cli",
                                                           "unknown kind '%1' (message, item, spell, esper, shop, "
                                                           "monster, formation, battle or location)")
                                   .arg(call.args[1]));
    bool ok = false;
    const int index = call.args[2].toInt(&ok, 0);
    if (!ok || index < 0 || index >= kind->count)
        return call.usageError(QCoreApplication::translate("cli", "%1 number '%2' is not between 0 and %3")
                                   .arg(call.args[1], call.args[2])
                                   .arg(kind->count - 1));
    CliDocument d;
    if (!d.open(call.args[0]))
        return kExitFailed;
    const QList<Reference>& found = ReferenceIndex::of(d.doc).usesOf({kind->kind, index});
    const events::ScriptListing& listing = d.doc.part<ScriptPart>().listing();
    if (call.isSet("json")) {
        QJsonArray refs;
        for (const Reference& use : found)
            refs.append(jsonOf(use, listing));
        const QJsonObject result{{QStringLiteral("kind"), QLatin1String(kind->name)},
                                 {QStringLiteral("index"), index},
                                 {QStringLiteral("refs"), refs}};
        const QByteArray json = QJsonDocument(result).toJson();
        std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
    } else {
        for (const Reference& use : found)
            printLine(lineOf(use, listing));
    }
    return kExitOk;
}

const Registration registration(Command{
    .name = "refs",
    .summary = QT_TRANSLATE_NOOP("cli", "list the records and event commands that use a record"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to read")},
                  {"KIND", QT_TRANSLATE_NOOP("cli", "message, item, spell, esper, shop, monster, formation, battle "
                                                    "or location")},
                  {"N", QT_TRANSLATE_NOOP("cli", "its number (decimal, or hexadecimal with 0x)")}},
    .options = {{"json", nullptr, QT_TRANSLATE_NOOP("cli", "write the references as JSON")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
