#include "events/scriptjson.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace tessel {

namespace events {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ScriptJson", text);
}

QJsonObject entryJson(const ScriptListing& listing, int i)
{
    QJsonArray refs;
    for (const RecordRef& ref : listing.references(i))
        refs.append(referenceJson(ref));
    return {{QStringLiteral("address"), addressText(listing.address(i))},
            {QStringLiteral("bytes"), QString::fromLatin1(listing.byteArray(i).toHex().toUpper())},
            {QStringLiteral("text"), listing.commandText(i)},
            {QStringLiteral("refs"), refs}};
}

bool isHex(const QString& text)
{
    for (QChar c : text)
        if (!c.isDigit() && !(c.toUpper() >= u'A' && c.toUpper() <= u'F'))
            return false;
    return true;
}

}  // namespace

QString addressText(SnesAddress address)
{
    return QStringLiteral("%1").arg(address, 6, 16, QLatin1Char('0')).toUpper();
}

QJsonObject referenceJson(const RecordRef& ref)
{
    if (ref.kind == RecordKind::Event)
        return {{QStringLiteral("kind"), recordKindName(ref.kind)},
                {QStringLiteral("address"), addressText(SnesAddress(ref.index))}};
    return {{QStringLiteral("kind"), recordKindName(ref.kind)}, {QStringLiteral("index"), ref.index}};
}

QByteArray listingJson(const ScriptListing& listing, const std::function<bool(int)>& keep)
{
    QJsonArray commands;
    for (int i = 0; i < listing.size(); ++i)
        if (!keep || keep(i))
            commands.append(entryJson(listing, i));
    return QJsonDocument(QJsonObject{{QStringLiteral("commands"), commands}}).toJson();
}

bool readScriptEdits(const QByteArray& json, QList<ScriptEdit>* edits, QString* error)
{
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError) {
        *error = tr("not JSON at byte %1: %2").arg(parse.offset).arg(parse.errorString());
        return false;
    }
    const QJsonValue commands = doc.object().value(QStringLiteral("commands"));
    if (!commands.isArray()) {
        *error = tr("no \"commands\" list");
        return false;
    }
    QSet<SnesAddress> seen;
    const QJsonArray list = commands.toArray();
    for (qsizetype n = 0; n < list.size(); ++n) {
        const QJsonObject entry = list[n].toObject();
        const QString address = entry.value(QStringLiteral("address")).toString();
        const QString bytes = entry.value(QStringLiteral("bytes")).toString();
        bool ok = false;
        const uint value = address.toUInt(&ok, 16);
        if (!ok || address.size() != 6 || !isHex(address)) {
            *error = tr("command %1: \"address\" is not six hexadecimal digits").arg(n + 1);
            return false;
        }
        if (bytes.isEmpty() || bytes.size() % 2 != 0 || !isHex(bytes)) {
            *error = tr("command %1 (%2): \"bytes\" is not whole bytes in hexadecimal").arg(n + 1).arg(address);
            return false;
        }
        if (seen.contains(value)) {
            *error = tr("command %1 (%2): the address is given twice").arg(n + 1).arg(address);
            return false;
        }
        seen.insert(value);
        edits->append({SnesAddress(value), QByteArray::fromHex(bytes.toLatin1())});
    }
    return true;
}

}  // namespace events

}  // namespace tessel
