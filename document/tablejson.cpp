#include "document/tablejson.h"

#include "document/cff3doc.h"
#include "document/jsonduplicatekeys.h"
#include "document/setbytescommand.h"
#include "text/plainname.h"

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
const QString kNone = QStringLiteral("None");
constexpr quint32 kStoredNone = 0xFF;
// A type change can bring in fields the old type did not have; each pass
// takes the list of the record as the passes before left it.
constexpr int kMaxPasses = 4;

std::span<quint8> spanOf(QByteArray& bytes)
{
    return {reinterpret_cast<quint8*>(bytes.data()), std::size_t(bytes.size())};
}

std::span<const quint8> spanOf(const QByteArray& bytes)
{
    return {reinterpret_cast<const quint8*>(bytes.constData()), std::size_t(bytes.size())};
}

// ---- export ----

QJsonValue exportValue(const Property& p)
{
    switch (p.kind) {
    case PropertyKind::Number:
        return qint64(p.value);
    case PropertyKind::Flag:
        return p.value != 0;
    case PropertyKind::Choice: {
        // A text that more than one value shows ("No change" is 0 and 8) is written as the number.
        const ChoiceTable::Row* row = p.choices ? p.choices->find(int(p.value)) : nullptr;
        if (row && p.choices->valueOf(row->text) == int(p.value))
            return row->text;
        return qint64(p.value);
    }
    case PropertyKind::GameText:
        return p.displayText();
    case PropertyKind::NameChoice: {
        if (p.noneAllowed && p.value == kStoredNone)
            return kNone;
        const QString name = p.names ? p.names->text(int(p.value)) : QString();
        const bool readable = p.names && p.names->contains(int(p.value)) && !name.isEmpty() &&
                              !(p.noneAllowed && name == kNone) && p.names->uniqueIndexOf(name) == std::optional<int>(int(p.value));
        if (readable)
            return name;
        return qint64(p.value);
    }
    }
    return {};
}

// A value in JSON's own spelling.
QByteArray jsonOf(const QJsonValue& v)
{
    const QByteArray list = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return list.mid(1, list.size() - 2);
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
            out += separator + QByteArray("        ") + jsonOf(p.exportKey()) + ": " + jsonOf(exportValue(p));
            separator = ",\n";
        }
        out += "\n      }";
    }
    return out + "\n    }";
}

// ---- import ----

struct Field {
    QString group;
    QString key;
    QJsonValue value;
};

// A value that can be stored: a number, 0/1, a row's value, a name index,
// or the bytes of a name.
struct Parsed {
    quint32 value = 0;
    QByteArray text;
};

bool parseInteger(const QJsonValue& v, quint32 maximum, quint32* value, QString* error)
{
    const double d = v.toDouble(-1);
    if (!v.isDouble() || d != double(qint64(d)) || d < 0 || d > maximum) {
        *error = QCoreApplication::translate("TableJson", "%1 is not a whole number from 0 to %2")
                     .arg(QString::fromUtf8(jsonOf(v)))
                     .arg(maximum);
        return false;
    }
    *value = quint32(d);
    return true;
}

bool parseValue(const Property& p, const QJsonValue& v, Parsed* out, QString* error)
{
    switch (p.kind) {
    case PropertyKind::Number:
        return parseInteger(v, p.field.maximum(), &out->value, error);
    case PropertyKind::Flag:
        if (!v.isBool()) {
            *error = QCoreApplication::translate("TableJson", "is neither true nor false");
            return false;
        }
        out->value = v.toBool() ? 1 : 0;
        return true;
    case PropertyKind::Choice:
        if (v.isString()) {
            const std::optional<int> row = p.choices ? p.choices->valueOf(v.toString()) : std::nullopt;
            if (!row) {
                *error = QCoreApplication::translate("TableJson", "\"%1\" is none of its choices").arg(v.toString());
                return false;
            }
            out->value = quint32(*row);
            return true;
        }
        return parseInteger(v, p.field.maximum(), &out->value, error);
    case PropertyKind::GameText:
        if (!v.isString()) {
            *error = QCoreApplication::translate("TableJson", "is not a name");
            return false;
        }
        if (!menutext::ParsePlainName(v.toString(), p.field.width, &out->text, error)) {
            *error = QStringLiteral("\"%1\": %2").arg(v.toString(), *error);
            return false;
        }
        return true;
    case PropertyKind::NameChoice:
        if (v.isString()) {
            const QString text = v.toString();
            if (p.noneAllowed && text == kNone) {
                out->value = kStoredNone;
                return true;
            }
            const std::optional<int> index = p.names ? p.names->uniqueIndexOf(text) : std::nullopt;
            if (!index || quint32(*index) > p.field.maximum()) {
                *error = QCoreApplication::translate(
                             "TableJson", "\"%1\" names no single entry of its list; give its number instead")
                             .arg(text);
                return false;
            }
            out->value = quint32(*index);
            return true;
        }
        return parseInteger(v, p.field.maximum(), &out->value, error);
    }
    return false;
}

const Property* findField(const PropertyList& list, const Field& field)
{
    for (const PropertyGroup& group : list.groups) {
        if (group.label != field.group)
            continue;
        for (const Property& p : group.properties)
            if (p.exportKey() == field.key)
                return &p;
    }
    return nullptr;
}

// One record of the file, checked and applied to copies of its bytes.
class RecordImport {
public:
    RecordImport(const PropertyTable& table, int index) : table_(table), index_(index) {}

    QByteArray name;
    QByteArray record;

    bool read(const QJsonObject& object, QStringList* errors)
    {
        errors_ = errors;
        const int errorsBefore = int(errors->size());
        name = table_.currentBytes(RecordPart::Name, index_);
        record = table_.currentBytes(RecordPart::Record, index_);
        std::vector<Field> pending;
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (it.key() == kIndexKey)
                continue;
            if (it.key() == kRawKey) {
                readRaw(it.value());
                continue;
            }
            if (!it.value().isObject()) {
                report(it.key(), QCoreApplication::translate("TableJson", "is not a group of fields"));
                continue;
            }
            const QJsonObject group = it.value().toObject();
            for (auto f = group.begin(); f != group.end(); ++f)
                pending.push_back({it.key(), f.key(), f.value()});
        }
        if (errors->size() == errorsBefore)
            applyFields(pending);
        return errors->size() == errorsBefore;
    }

private:
    void report(const QString& where, const QString& what)
    {
        errors_->append(QStringLiteral("%1, %2: %3").arg(table_.recordTitle(index_), where, what));
    }

    void readRaw(const QJsonValue& value)
    {
        const QByteArray hex = value.toString().remove(QLatin1Char(' ')).toLatin1();
        const QByteArray bytes = QByteArray::fromHex(hex);
        const bool wellFormed = value.isString() && hex.size() == 2 * bytes.size() &&
                                std::all_of(hex.begin(), hex.end(), [](char c) { return std::isxdigit(quint8(c)); });
        if (!wellFormed || bytes.size() != record.size()) {
            report(kRawKey, QCoreApplication::translate("TableJson", "is not %1 bytes in hex").arg(record.size()));
            return;
        }
        record = bytes;
    }

    void applyFields(std::vector<Field>& pending)
    {
        for (int pass = 0; pass < kMaxPasses && !pending.empty(); ++pass) {
            const PropertyList list = table_.properties(index_, spanOf(std::as_const(name)), spanOf(std::as_const(record)));
            const auto taken = std::stable_partition(pending.begin(), pending.end(), [&list](const Field& f) {
                return findField(list, f) == nullptr;
            });
            if (taken == pending.end())
                break;
            for (auto f = taken; f != pending.end(); ++f)
                apply(*findField(list, *f), *f);
            pending.erase(taken, pending.end());
        }
        for (const Field& f : pending)
            report(QStringLiteral("%1 / %2").arg(f.group, f.key),
                   QCoreApplication::translate("TableJson", "this record has no such field"));
    }

    void apply(const Property& p, const Field& f)
    {
        // The number stored is no change, also one past what the editor
        // offers (a template byte of 13): an unchanged export imports.
        const bool numeric = p.kind != PropertyKind::Flag && p.kind != PropertyKind::GameText;
        if (numeric && f.value.isDouble() && f.value.toDouble() == double(p.value))
            return;
        Parsed parsed;
        QString error;
        if (!parseValue(p, f.value, &parsed, &error)) {
            report(QStringLiteral("%1 / %2").arg(f.group, f.key), error);
            return;
        }
        // Values the bytes already show are left alone, so that stored
        // forms the editor would not write itself (0 for "No special
        // action", the bits a spell choice clears) survive an import.
        const bool same = p.kind == PropertyKind::GameText ? parsed.text == p.text : parsed.value == p.value;
        if (same)
            return;
        if (p.readOnly) {
            report(QStringLiteral("%1 / %2").arg(f.group, f.key),
                   QCoreApplication::translate("TableJson", "is shown only and cannot be changed"));
            return;
        }
        if (p.kind == PropertyKind::GameText) {
            name.replace(p.field.offset, p.field.width, parsed.text);
            return;
        }
        const FieldWrite w = p.write(parsed.value);
        w.applyTo(spanOf(w.part == RecordPart::Name ? name : record));
    }

    const PropertyTable& table_;
    int index_;
    QStringList* errors_ = nullptr;
};

struct PreparedRecord {
    int index;
    QByteArray name;
    QByteArray record;
};

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

bool checkFileSize(qint64 length, QString* error)
{
    if (length <= kMaxFileSize)
        return true;
    *error = QCoreApplication::translate("TableJson", "it is %1 bytes long, more than the %2 MB a table file may have")
                 .arg(length)
                 .arg(kMaxFileSize / (1024 * 1024));
    return false;
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

QStringList reportLines(const QStringList& errors)
{
    if (errors.size() <= kMaxReportedErrors)
        return errors;
    QStringList lines = errors.mid(0, kMaxReportedErrors);
    lines.append(QCoreApplication::translate("TableJson", "and %1 more").arg(errors.size() - kMaxReportedErrors));
    return lines;
}

ImportResult importTable(CFF3Doc& doc, const QJsonObject& file)
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
    std::vector<PreparedRecord> prepared;
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
        RecordImport record(table, i);
        if (record.read(object, &result.errors))
            prepared.push_back({i, record.name, record.record});
    }
    if (!result.errors.isEmpty())
        return result;

    std::erase_if(prepared, [&table](const PreparedRecord& r) {
        return r.name == table.currentBytes(RecordPart::Name, r.index) &&
               r.record == table.currentBytes(RecordPart::Record, r.index);
    });
    result.changedRecords = int(prepared.size());
    if (prepared.empty())
        return result;
    QUndoStack* stack = doc.undoStack();
    stack->beginMacro(QCoreApplication::translate("TableJson", "Import %1").arg(table.tableName()));
    for (const PreparedRecord& r : prepared) {
        if (table.hasName(r.index))
            stack->push(new SetBytesCommand(doc, table.bytes(RecordPart::Name, r.index), 0, r.name, QString()));
        stack->push(new SetBytesCommand(doc, table.bytes(RecordPart::Record, r.index), 0, r.record, QString()));
    }
    stack->endMacro();
    return result;
}

}  // namespace tablejson

}  // namespace tessel
