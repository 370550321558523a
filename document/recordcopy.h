#pragma once

#include "records/property.h"
#include "rom/recordref.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <optional>

namespace tessel {

class CFF3Doc;
class PropertyTable;

// The bytes of one record (its name and the record itself), taken from the
// document or from the file, to paste onto another record of the same
// kind or to revert one.
struct RecordCopy {
    RecordKind kind = RecordKind::None;
    int index = -1;
    QByteArray name;
    QByteArray record;

    // Record `index` as the document holds it now.
    static RecordCopy of(const PropertyTable& table, int index);
    // Record `index` as the file holds it (as last loaded or saved).
    static RecordCopy inFile(const PropertyTable& table, int index);

    // The clipboard form, and back; nothing for bytes that are not one.
    QByteArray toClipboard() const;
    static std::optional<RecordCopy> fromClipboard(const QByteArray& bytes);
};

// Which fields of a copy to store.
struct FieldChoice {
    std::optional<int> group;  // only this group's fields
    std::optional<int> field;  // only this field
};

// The ids of the fields of record `index` whose values differ from the
// copy's (fields the record does not have are not counted).
QSet<int> fieldsDifferingFrom(const PropertyTable& table, int index, const RecordCopy& copy);

// The fields of record `index` whose values differ from the file's.
inline QSet<int> fieldsChangedSinceFile(const PropertyTable& table, int index)
{
    return fieldsDifferingFrom(table, index, RecordCopy::inFile(table, index));
}

// Stores the copy's values of the chosen fields in record `index`, as one
// step on the document's undo stack named `text`. All fields (no choice)
// take the record's bytes whole, bits no field shows included. Fields shown
// for reference only are left alone. Returns how many fields changed, at
// least 1 when anything did (no step is pushed when nothing did).
int storeRecordCopy(CFF3Doc& doc, const PropertyTable& table, int index, const RecordCopy& copy,
                    const FieldChoice& choice, const QString& text);

}  // namespace tessel
