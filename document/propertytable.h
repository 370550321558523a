#pragma once

#include "document/tablebytes.h"
#include "records/property.h"
#include "records/propertycontext.h"

#include <QString>

#include <optional>
#include <span>

class QUndoCommand;

namespace tessel {

class CFF3Doc;
class RecordTablePart;

// One of the document's record tables as the data editors and table files
// use it: how many records it has, the property list of each record, where
// its bytes lie, and the commands that store an edit. The names that lists
// offer and show are read once, when the first list is built: make a new
// table object after the document changed.
class PropertyTable {
public:
    // `kind` must be a kind of record a table part holds.
    PropertyTable(CFF3Doc& doc, RecordKind kind);

    RecordKind kind() const { return kind_; }
    RecordTablePart& part() const { return part_; }
    // "items", "spells", ... "characters": the name in table files.
    QString tableName() const;
    // The kind of the record table named in table files.
    static std::optional<RecordKind> kindNamed(const CFF3Doc& doc, const QString& name);
    // Every table's name for messages, each between `quote`s: "items, spells, ... or characters".
    static QString tableNames(const CFF3Doc& doc, const QString& quote = {});

    int count() const;
    // "Item 5", "Spell 85": how reports name a record.
    QString recordTitle(int index) const;
    // Whether the record has a name run (a monster's holds its two names).
    bool hasName(int index) const { return !currentBytes(RecordPart::Name, index).isEmpty(); }
    // The width of the name a list shows for the record (0 for none).
    int nameWidth(int index) const;

    PropertyList properties(int index) const;
    // The list the record would have with these bytes (for edits prepared
    // before they reach the document).
    PropertyList properties(int index, std::span<const quint8> name, std::span<const quint8> record) const;

    TableBytes bytes(RecordPart part, int index) const;
    QByteArray currentBytes(RecordPart part, int index) const;

    // The command that stores `value` in property `p` of record `index`.
    // Edits with the same merge key that follow each other are one step
    // (typing into a field).
    QUndoCommand* makeEdit(int index, const Property& p, quint32 value, int mergeKey = -1) const;
    // The command that replaces the name of record `index` (cut or padded
    // with 0xFF to the name's width).
    QUndoCommand* makeNameEdit(int index, const QByteArray& name) const;
    // The same for any game-text property of the record.
    QUndoCommand* makeTextEdit(int index, const Property& p, const QByteArray& text, int mergeKey = -1) const;

    // What the lists of every table take from the other tables.
    static PropertyContext contextOf(const CFF3Doc& doc);

private:
    const PropertyContext& context() const;

    CFF3Doc& doc_;
    RecordKind kind_;
    RecordTablePart& part_;
    mutable std::optional<PropertyContext> context_;
};

}  // namespace tessel
