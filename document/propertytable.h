#pragma once

#include "document/tablebytes.h"
#include "records/property.h"
#include "records/propertycontext.h"

#include <QString>

#include <optional>
#include <span>

class QUndoCommand;

// One of the document's tables that the data editors show as property
// lists: how many records it has, the list of each record, where its bytes
// lie, and the commands that store an edit. The names that lists offer and
// show are read once, when the first list is built: make a new table
// object after the document changed.
class PropertyTable {
public:
    enum class Kind { Items, Spells, Espers, Shops };

    PropertyTable(CFF3Doc& doc, Kind kind) : doc_(doc), kind_(kind) {}

    Kind kind() const { return kind_; }
    // "items", "spells", "espers", "shops": the name in table files.
    static QString kindName(Kind kind);
    static std::optional<Kind> kindNamed(const QString& name);

    int count() const;
    // "Item 5", "Spell 85": how reports name a record.
    QString recordTitle(int index) const;
    bool hasName(int index) const { return nameWidth(index) > 0; }
    int nameWidth(int index) const;

    PropertyList properties(int index) const;
    // The list the record would have with these bytes (for edits prepared
    // before they reach the document).
    PropertyList properties(int index, std::span<const quint8> name, std::span<const quint8> record) const;

    TableBytes bytes(RecordPart part, int index) const;
    QByteArray currentBytes(RecordPart part, int index) const;

    // The command that stores `value` in property `p` of record `index`.
    QUndoCommand* makeEdit(int index, const Property& p, quint32 value) const;
    // The command that replaces the name of record `index` (cut or padded
    // with 0xFF to the name's width).
    QUndoCommand* makeNameEdit(int index, const QByteArray& name) const;

private:
    const PropertyContext& context() const;

    CFF3Doc& doc_;
    Kind kind_;
    mutable std::optional<PropertyContext> context_;
};
