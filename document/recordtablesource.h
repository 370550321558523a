#pragma once

#include "document/propertytable.h"
#include "records/tablefield.h"

#include <QHash>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QUndoCommand;

namespace tessel {

// One record table as rows and columns: every record's property list, read
// once and again when told a record changed, and every field any record
// has, in the order the editor shows them. The columns a table starts with
// are the kind's main fields.
class RecordTableSource {
public:
    RecordTableSource(CFF3Doc& doc, RecordKind kind);
    ~RecordTableSource();

    RecordKind kind() const { return kind_; }
    const PropertyTable& table() const { return *table_; }
    int count() const { return int(records_.size()); }
    const std::vector<TableField>& fields() const { return fields_; }
    // The field with this "Group/Field" path, or -1.
    int fieldAt(const QString& path) const;
    // The fields a table shows until the user picks others.
    std::vector<int> defaultColumns() const;

    const PropertyList& record(int index) const { return records_[std::size_t(index)]; }
    // The record's property for the field, or null when it lacks it.
    const Property* property(int index, int field) const;

    // Reads one record again (after a change to it).
    void reload(int index);
    // Reads every record again, with the names other tables give.
    void reloadAll();

    // The command that stores `value` in the field of the record, as the
    // record editor makes it; null when the record lacks the field or it
    // cannot be edited.
    QUndoCommand* makeEdit(int index, int field, quint32 value) const;

private:
    void addFields(const PropertyList& record);

    CFF3Doc& doc_;
    RecordKind kind_;
    std::unique_ptr<PropertyTable> table_;
    std::vector<PropertyList> records_;
    std::vector<TableField> fields_;
    QHash<QString, int> fieldIndex_;
};

// A cell of the table: the text shown, and the number it sorts by (numbers
// and flags sort by value; choices and names by their text).
struct TableCell {
    QString text;
    std::optional<qint64> number;
};
TableCell tableCellOf(const Property* p);

}  // namespace tessel
