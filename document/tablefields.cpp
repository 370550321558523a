#include "document/tablefields.h"

#include "document/cff3doc.h"
#include "document/recordtablepart.h"
#include "document/setbytescommand.h"
#include "text/plainname.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace tessel {

namespace tablefields {

namespace {

const QString kNone = QStringLiteral("None");
constexpr quint32 kStoredNone = 0xFF;
constexpr int kMaxPasses = 4;

std::span<quint8> spanOf(QByteArray& bytes)
{
    return {reinterpret_cast<quint8*>(bytes.data()), std::size_t(bytes.size())};
}

std::span<const quint8> spanOf(const QByteArray& bytes)
{
    return {reinterpret_cast<const quint8*>(bytes.constData()), std::size_t(bytes.size())};
}

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
                     .arg(QString::fromUtf8(jsonText(v)))
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
            if (v.isString())
                *error = QStringLiteral("\"%1\" %2").arg(v.toString(), *error);
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

// A cell's text as the value JSON would give: a field's own texts (a
// choice, a name, "true") first, then a whole number; anything else stays
// text and is refused with the field's reason.
QJsonValue valueOfText(const Property& p, const QString& text)
{
    bool isNumber = false;
    const qint64 number = text.toLongLong(&isNumber);
    switch (p.kind) {
    case PropertyKind::Number:
        break;
    case PropertyKind::Flag:
        // Spreadsheets write TRUE and FALSE.
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
        return text;
    case PropertyKind::Choice:
        if (p.choices && p.choices->valueOf(text))
            return text;
        break;
    case PropertyKind::GameText:
        return text;
    case PropertyKind::NameChoice:
        if ((p.noneAllowed && text == kNone) || (p.names && p.names->uniqueIndexOf(text)))
            return text;
        break;
    }
    return isNumber ? QJsonValue(double(number)) : QJsonValue(text);
}

const Property* findField(const PropertyList& list, const FieldValue& field)
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

}  // namespace

bool checkFileSize(qint64 length, QString* error)
{
    if (length <= kMaxFileSize)
        return true;
    *error = QCoreApplication::translate("TableJson", "it is %1 bytes long, more than the %2 MB a table file may have")
                 .arg(length)
                 .arg(kMaxFileSize / (1024 * 1024));
    return false;
}

QStringList reportLines(const QStringList& errors)
{
    if (errors.size() <= kMaxReportedErrors)
        return errors;
    QStringList lines = errors.mid(0, kMaxReportedErrors);
    lines.append(QCoreApplication::translate("TableJson", "and %1 more").arg(errors.size() - kMaxReportedErrors));
    return lines;
}

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

QString exportText(const Property& p)
{
    const QJsonValue v = exportValue(p);
    if (v.isString())
        return v.toString();
    return QString::fromUtf8(jsonText(v));
}

QByteArray jsonText(const QJsonValue& v)
{
    const QByteArray list = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return list.mid(1, list.size() - 2);
}

RecordEdit::RecordEdit(const PropertyTable& table, int index)
    : name(table.currentBytes(RecordPart::Name, index)),
      record(table.currentBytes(RecordPart::Record, index)),
      table_(table),
      index_(index)
{
}

bool RecordEdit::apply(std::vector<FieldValue> pending, QStringList* errors)
{
    const qsizetype errorsBefore = errors->size();
    for (int pass = 0; pass < kMaxPasses && !pending.empty(); ++pass) {
        const PropertyList list = table_.properties(index_, spanOf(std::as_const(name)), spanOf(std::as_const(record)));
        const auto taken = std::stable_partition(pending.begin(), pending.end(), [&list](const FieldValue& f) {
            return findField(list, f) == nullptr;
        });
        if (taken == pending.end())
            break;
        for (auto f = taken; f != pending.end(); ++f)
            applyOne(*findField(list, *f), *f, errors);
        pending.erase(taken, pending.end());
    }
    for (const FieldValue& f : pending)
        errors->append(QStringLiteral("%1: %2").arg(
            f.where, QCoreApplication::translate("TableJson", "this record has no such field")));
    return errors->size() == errorsBefore;
}

void RecordEdit::applyOne(const Property& p, const FieldValue& f, QStringList* errors)
{
    const QJsonValue value = f.isText ? valueOfText(p, f.value.toString()) : f.value;
    // The number stored is no change, also one past what the editor
    // offers (a template byte of 13): an unchanged export imports.
    const bool numeric = p.kind != PropertyKind::Flag && p.kind != PropertyKind::GameText;
    if (numeric && value.isDouble() && value.toDouble() == double(p.value))
        return;
    Parsed parsed;
    QString error;
    if (!parseValue(p, value, &parsed, &error)) {
        errors->append(QStringLiteral("%1: %2").arg(f.where, error));
        return;
    }
    // Values the bytes already show are left alone, so that stored
    // forms the editor would not write itself (0 for "No special
    // action", the bits a spell choice clears) survive an import.
    const bool same = p.kind == PropertyKind::GameText ? parsed.text == p.text : parsed.value == p.value;
    if (same)
        return;
    if (p.readOnly) {
        errors->append(QStringLiteral("%1: %2").arg(
            f.where, QCoreApplication::translate("TableJson", "is shown only and cannot be changed")));
        return;
    }
    if (p.kind == PropertyKind::GameText) {
        name.replace(p.field.offset, p.field.width, parsed.text);
        return;
    }
    const FieldWrite w = p.write(parsed.value);
    w.applyTo(spanOf(w.part == RecordPart::Name ? name : record));
}

QString otherTableMessage(CFF3Doc& doc, const PropertyTable& file, RecordKind asked)
{
    const RecordTablePart* table = doc.recordTable(asked);
    return QCoreApplication::translate("TableJson", "The file holds the %1 table, not the %2 table.")
        .arg(file.tableName(), table ? table->tableName() : QString());
}

int commit(CFF3Doc& doc, const PropertyTable& table, const std::vector<RecordEdit>& edits)
{
    std::vector<const RecordEdit*> changed;
    for (const RecordEdit& r : edits)
        if (r.name != table.currentBytes(RecordPart::Name, r.index()) ||
            r.record != table.currentBytes(RecordPart::Record, r.index()))
            changed.push_back(&r);
    if (changed.empty())
        return 0;
    QUndoStack* stack = doc.undoStack();
    stack->beginMacro(QCoreApplication::translate("TableJson", "Import %1").arg(table.tableName()));
    for (const RecordEdit* r : changed) {
        if (table.hasName(r->index()))
            stack->push(new SetBytesCommand(doc, table.bytes(RecordPart::Name, r->index()), 0, r->name, QString()));
        stack->push(new SetBytesCommand(doc, table.bytes(RecordPart::Record, r->index()), 0, r->record, QString()));
    }
    stack->endMacro();
    return int(changed.size());
}

}  // namespace tablefields

}  // namespace tessel
