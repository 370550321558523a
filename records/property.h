#pragma once

#include "records/choicetable.h"
#include "records/nametable.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <span>
#include <vector>

// How the data editors present a record: ordered groups of properties, each
// property read from a field of the record's bytes and written back into
// the same field. Pure data: the views draw it, the document turns an edit
// into a command, the table files read and write it.

namespace tessel {

enum class PropertyKind { Number, Flag, Choice, GameText, NameChoice };

// The two byte runs of a record: its name and the record itself.
enum class RecordPart { Name, Record };

// Where a property's value lies and how an edit is stored.
struct PropertyField {
    enum class Rule {
        Plain,
        // 0xFF is shown as 0, and 0 is stored as 0xFF (an item's special action).
        ZeroStoredAsFF,
        // A one-bit field shown the other way round: a clear bit is shown
        // as set ("Play music" is a bit that stops the music).
        Inverted,
    };

    RecordPart part = RecordPart::Record;
    int offset = 0;
    int width = 1;           // bytes, little-endian (1 or 2)
    quint32 mask = 0xFF;     // the bits shown
    quint32 writeMask = 0;   // the bits an edit replaces; 0 means the shown bits
    Rule rule = Rule::Plain;
    // A further bit of the value, above the bits of `mask`, kept in another
    // byte (bit 8 of a formation slot's monster number); none when < 0.
    int highOffset = -1;
    quint8 highMask = 0;
    // The largest value the game takes, where that is less than the bits
    // hold; 0 when the bits decide.
    quint32 limit = 0;

    quint32 storedMask() const { return writeMask ? writeMask : mask; }
    bool hasHighBit() const { return highOffset >= 0 && highMask != 0; }
    // The largest value the field can show.
    quint32 maximum() const;
    // The value shown for the record bytes (0 when they are too short).
    quint32 read(std::span<const quint8> bytes) const;
};

// One edit of a field, ready for the document: the bits of `mask` in the
// `width`-byte value at `offset` of `part` become `value` (shifted to the
// mask's lowest bit); with a high bit, the bit above the mask's goes to
// `highMask` of the byte at `highOffset`.
struct FieldWrite {
    RecordPart part = RecordPart::Record;
    int offset = 0;
    int width = 1;
    quint32 mask = 0xFF;
    quint32 value = 0;
    int highOffset = -1;
    quint8 highMask = 0;

    // Applies the write to the part's bytes (for edits prepared off the document).
    void applyTo(std::span<quint8> bytes) const;
    // The bytes the write may change: [first, last).
    int first() const;
    int last() const;
};

struct Property {
    int group = 0;
    int id = 0;
    QString label;
    // The name in table files when the label comes from the game's data
    // (the character names of "Equippable By:"); else the label.
    QString key;
    PropertyKind kind = PropertyKind::Number;
    PropertyField field;
    // Number, flag (0 or 1), choice value or name index, as shown.
    quint32 value = 0;
    // Choice: the rows; shown as "%d - text" with numberPrefix.
    const ChoiceTable* choices = nullptr;
    bool numberPrefix = false;
    // Game text: the name's bytes at their full width.
    QByteArray text;
    // Name choice: the names offered; with noneAllowed, 0xFF stands for none.
    std::shared_ptr<const NameTable> names;
    bool noneAllowed = false;
    // Shown for reference only: no edit or import changes it.
    bool readOnly = false;

    QString exportKey() const { return key.isEmpty() ? label : key; }
    // The text the property list shows for the value.
    QString displayText() const;
    // Storing `value` (a number, 0 or 1, a row's value or a name index).
    // Numbers keep the low bits the field holds.
    // Game text is stored as a whole: the name's bytes are replaced.
    FieldWrite write(quint32 newValue) const;
};

struct PropertyGroup {
    int id = 0;
    QString label;
    std::vector<Property> properties;
};

// A group or property label, or a choice text, as the editors show it: its
// translation in the "RecordProperties" context. The lists themselves keep
// the untranslated texts, as table files name groups, fields and choices by
// them.
QString shownRecordText(const QString& text);

// The groups of one record, in order.
class PropertyList {
public:
    std::vector<PropertyGroup> groups;

    PropertyGroup& addGroup(int id, const QString& label);
    const PropertyGroup* group(int id) const;
    const Property* find(int id) const;
    // Group ids, then property ids, in order: equal when two lists would
    // show the same rows.
    std::vector<int> shape() const;
};

}  // namespace tessel
