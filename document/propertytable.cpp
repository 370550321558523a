#include "document/propertytable.h"

#include "document/cff3doc.h"
#include "document/editcommands.h"
#include "document/parts/characterspart.h"
#include "document/parts/itemspart.h"
#include "document/parts/monsterspart.h"
#include "document/parts/spellspart.h"
#include "document/recordtablepart.h"
#include "text/menutext.h"

#include <QCoreApplication>

namespace tessel {

namespace {

RecordTablePart& tableOf(CFF3Doc& doc, RecordKind kind)
{
    RecordTablePart* table = doc.recordTable(kind);
    Q_ASSERT_X(table, "PropertyTable", "no record table holds this kind");
    return *table;
}

}  // namespace

PropertyTable::PropertyTable(CFF3Doc& doc, RecordKind kind) : doc_(doc), kind_(kind), part_(tableOf(doc, kind)) {}

QString PropertyTable::tableName() const
{
    return part_.tableName();
}

std::optional<RecordKind> PropertyTable::kindNamed(const CFF3Doc& doc, const QString& name)
{
    for (const RecordTablePart* table : doc.recordTables())
        if (table->tableName() == name)
            return table->kind();
    return std::nullopt;
}

QString PropertyTable::tableNames(const CFF3Doc& doc, const QString& quote)
{
    QStringList names;
    for (const RecordTablePart* table : doc.recordTables())
        names.append(quote + table->tableName() + quote);
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QCoreApplication::translate("PropertyTable", " or ") + last;
}

int PropertyTable::count() const
{
    return part_.count();
}

QString PropertyTable::recordTitle(int index) const
{
    return QStringLiteral("%1 %2").arg(part_.recordWord()).arg(index);
}

int PropertyTable::nameWidth(int index) const
{
    return part_.nameWidth(index);
}

TableBytes PropertyTable::bytes(RecordPart part, int index) const
{
    return part_.bytes(part, index);
}

QByteArray PropertyTable::currentBytes(RecordPart part, int index) const
{
    const std::span<quint8> run = bytes(part, index).locate();
    return QByteArray(reinterpret_cast<const char*>(run.data()), qsizetype(run.size()));
}

PropertyList PropertyTable::properties(int index) const
{
    const QByteArray name = currentBytes(RecordPart::Name, index);
    const QByteArray record = currentBytes(RecordPart::Record, index);
    return properties(index, {reinterpret_cast<const quint8*>(name.constData()), std::size_t(name.size())},
                      {reinterpret_cast<const quint8*>(record.constData()), std::size_t(record.size())});
}

PropertyList PropertyTable::properties(int index, std::span<const quint8> name, std::span<const quint8> record) const
{
    if (index < 0 || index >= count())
        return {};
    return part_.properties(index, name, record, context());
}

PropertyContext PropertyTable::contextOf(const CFF3Doc& doc)
{
    return PropertyContext::from(doc.part<CharactersPart>().table(), doc.part<SpellsPart>().table(),
                                 doc.part<ItemsPart>().table(), doc.part<MonstersPart>().table());
}

const PropertyContext& PropertyTable::context() const
{
    if (!context_)
        context_ = contextOf(doc_);
    return *context_;
}

QUndoCommand* PropertyTable::makeEdit(int index, const Property& p, quint32 value, int mergeKey) const
{
    // The write is applied to a copy of the run and the bytes it may touch
    // replace the document's: a field can span two bytes apart (a
    // formation slot's monster number).
    const FieldWrite w = p.write(value);
    QByteArray run = currentBytes(w.part, index);
    const QString text = QCoreApplication::translate("PropertyTable", "Change %1").arg(shownRecordText(p.label));
    // The value shown stays as it is stored, also one beyond the field's
    // range or in a form the editor would not write itself: re-entering
    // it changes nothing.
    const bool unchanged = p.kind != PropertyKind::GameText && value == p.value;
    if (unchanged || p.readOnly || w.first() < 0 || w.last() > run.size())
        return new SetBytesCommand(doc_, bytes(w.part, index), -1, {}, text);  // invalid: dropped when pushed
    w.applyTo({reinterpret_cast<quint8*>(run.data()), std::size_t(run.size())});
    return new SetBytesCommand(doc_, bytes(w.part, index), w.first(), run.mid(w.first(), w.last() - w.first()), text,
                               mergeKey, p.id);
}

QUndoCommand* PropertyTable::makeNameEdit(int index, const QByteArray& name) const
{
    Property p;
    p.kind = PropertyKind::GameText;
    p.field = {RecordPart::Name, 0, nameWidth(index), 0};
    p.id = DocumentChange::kAnyField;
    return makeTextEdit(index, p, name);
}

QUndoCommand* PropertyTable::makeTextEdit(int index, const Property& p, const QByteArray& text, int mergeKey) const
{
    const int width = p.field.width;
    QByteArray field = text.left(width);
    field.append(width - field.size(), char(menutext::kPadding));
    // The name the record is listed by is renamed; other names are changed.
    const bool listName = p.field.offset == 0 && width == nameWidth(index);
    const QString label = listName
                              ? QCoreApplication::translate("PropertyTable", "Rename")
                              : QCoreApplication::translate("PropertyTable", "Change %1").arg(shownRecordText(p.label));
    if (p.readOnly)
        return new SetBytesCommand(doc_, bytes(RecordPart::Name, index), -1, {}, label);  // dropped when pushed
    return new SetBytesCommand(doc_, bytes(RecordPart::Name, index), p.field.offset, field, label, mergeKey, p.id);
}

}  // namespace tessel
