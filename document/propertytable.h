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
    enum class Kind { Items, Spells, Espers, Shops, Monsters, Formations, Characters };
    static constexpr int kKindCount = 7;

    PropertyTable(CFF3Doc& doc, Kind kind) : doc_(doc), kind_(kind) {}

    Kind kind() const { return kind_; }
    // "items", "spells", ... "characters": the name in table files.
    static QString kindName(Kind kind);
    static std::optional<Kind> kindNamed(const QString& name);

    // Every kind's name for messages, each between `quote`s: "items, spells, ... or characters".
    static QString kindNames(const QString& quote = {});

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

private:
    const PropertyContext& context() const;

    CFF3Doc& doc_;
    Kind kind_;
    mutable std::optional<PropertyContext> context_;
};
