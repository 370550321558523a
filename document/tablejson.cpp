#include "document/tablejson.h"

#include "document/cff3doc.h"
#include "document/jsonduplicatekeys.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <set>

namespace tessel {

namespace tablejson {

namespace {

const QString kTableKey = QStringLiteral("table");
const QString kRecordsKey = QStringLiteral("records");
const QString kIndexKey = QStringLiteral("index");
const QString kRawKey = QStringLiteral("raw");

QByteArray jsonOf(const QJsonValue& v)
{
    return tablefields::jsonText(v);
}

// One record, its groups and fields in the order the editor shows them
// (a QJsonObject would sort them by name).
QByteArray exportRecord(const PropertyTable& table, int index)
{
    QByteArray out = "    {\n      \"" + kIndexKey.toLatin1() + "\": " + QByteArray::number(index) + ",\n      \"" +
                     kRawKey.toLatin1() + "\": \"" + table.currentBytes(RecordPart::Record, index).toHex(' ').toUpper() + "\"";
    for (const PropertyGroup& group : table.properties(index).groups) {
        if (group.properties.empty())
            continue;
        out += ",\n      " + jsonOf(group.label) + ": {";
        const char* separator = "\n";
        for (const Property& p : group.properties) {
            out += separator + QByteArray("        ") + jsonOf(p.exportKey()) + ": " + jsonOf(tablefields::exportValue(p));
            separator = ",\n";
        }
        out += "\n      }";
    }
    return out + "\n    }";
}

// ---- import ----

// One record of the file: its "raw" bytes, when given, then its fields.
bool readRecord(const PropertyTable& table, const QJsonObject& object, tablefields::RecordEdit* edit,
                QStringList* errors)
{
    const qsizetype errorsBefore = errors->size();
    const QString title = table.recordTitle(edit->index());
    auto report = [&](const QString& where, const QString& what) {
        errors->append(QStringLiteral("%1, %2: %3").arg(title, where, what));
    };
    std::vector<tablefields::FieldValue> values;
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key() == kIndexKey)
            continue;
        if (it.key() == kRawKey) {
            const QByteArray hex = it.value().toString().remove(QLatin1Char(' ')).toLatin1();
            const QByteArray bytes = QByteArray::fromHex(hex);
            const bool wellFormed = it.value().isString() && hex.size() == 2 * bytes.size() &&
                                    std::all_of(hex.begin(), hex.end(), [](char c) { return std::isxdigit(quint8(c)); });
            if (!wellFormed || bytes.size() != edit->record.size())
                report(kRawKey, QCoreApplication::translate("TableJson", "is not %1 bytes in hex").arg(edit->record.size()));
            else
                edit->record = bytes;
            continue;
        }
        if (!it.value().isObject()) {
            report(it.key(), QCoreApplication::translate("TableJson", "is not a group of fields"));
            continue;
        }
        const QJsonObject group = it.value().toObject();
        for (auto f = group.begin(); f != group.end(); ++f)
            values.push_back({it.key(), f.key(), f.value(), QStringLiteral("%1, %2 / %3").arg(title, it.key(), f.key())});
    }
    if (errors->size() != errorsBefore)
        return false;
    return edit->apply(std::move(values), errors);
}

}  // namespace

QByteArray exportTable(CFF3Doc& doc, RecordKind kind)
{
    const PropertyTable table(doc, kind);
    QByteArray out = "{\n  " + jsonOf(kTableKey) + ": " + jsonOf(table.tableName()) + ",\n  " +
                     jsonOf(kRecordsKey) + ": [\n";
    for (int i = 0; i < table.count(); ++i)
        out += exportRecord(table, i) + (i + 1 < table.count() ? ",\n" : "\n");
    return out + "  ]\n}\n";
}

std::optional<QJsonObject> parseFile(const QByteArray& text, QString* error)
{
    if (!checkFileSize(text.size(), error))
        return std::nullopt;
    QJsonParseError parse;
    const QJsonDocument json = QJsonDocument::fromJson(text, &parse);
    if (json.isNull()) {
        *error = QCoreApplication::translate("TableJson", "%1 at offset %2").arg(parse.errorString()).arg(parse.offset);
        return std::nullopt;
    }
    if (!json.isObject()) {
        *error = QCoreApplication::translate("TableJson", "it is not a JSON object");
        return std::nullopt;
    }
    if (const std::optional<DuplicateKey> twice = findDuplicateKey(text)) {
        *error = QCoreApplication::translate("TableJson", "line %1 names \"%2\" a second time in the same object")
                     .arg(twice->line)
                     .arg(twice->key);
        return std::nullopt;
    }
    return json.object();
}

ImportResult importTable(CFF3Doc& doc, const QJsonObject& file, std::optional<RecordKind> only)
{
    ImportResult result;
    const std::optional<RecordKind> kind = PropertyTable::kindNamed(doc, file.value(kTableKey).toString());
    if (!kind) {
        result.errors.append(QCoreApplication::translate("TableJson", "\"table\" must be %1.")
                                 .arg(PropertyTable::tableNames(doc, QStringLiteral("\""))));
        return result;
    }
    if (!file.value(kRecordsKey).isArray()) {
        result.errors.append(QCoreApplication::translate("TableJson", "There is no \"records\" list."));
        return result;
    }
    const PropertyTable table(doc, *kind);
    if (only && *only != *kind) {
        result.errors.append(tablefields::otherTableMessage(doc, table, *only));
        return result;
    }
    std::vector<tablefields::RecordEdit> edits;
    std::set<int> seen;
    const QJsonArray records = file.value(kRecordsKey).toArray();
    for (qsizetype n = 0; n < records.size(); ++n) {
        const QJsonObject object = records[n].toObject();
        const QJsonValue index = object.value(kIndexKey);
        const int i = index.toInt(-1);
        if (!records[n].isObject() || !index.isDouble() || index.toDouble() != i || i < 0 || i >= table.count()) {
            result.errors.append(QCoreApplication::translate(
                                     "TableJson", "Record %1 of the list: \"index\" must be a number from 0 to %2.")
                                     .arg(n)
                                     .arg(table.count() - 1));
            continue;
        }
        if (!seen.insert(i).second) {
            result.errors.append(
                QCoreApplication::translate("TableJson", "%1 appears twice.").arg(table.recordTitle(i)));
            continue;
        }
        tablefields::RecordEdit edit(table, i);
        if (readRecord(table, object, &edit, &result.errors))
            edits.push_back(std::move(edit));
    }
    if (!result.errors.isEmpty())
        return result;

    result.changedRecords = tablefields::commit(doc, table, edits);
    return result;
}

}  // namespace tablejson

}  // namespace tessel
