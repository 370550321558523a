#pragma once

#include "records/property.h"
#include "records/recordlabels.h"

namespace tessel {

// Builds a record's property list from its bytes: each call adds one
// property to the group begun last, read from the field it names.
class PropertyBuilder {
public:
    PropertyBuilder(std::span<const quint8> name, std::span<const quint8> record) : name_(name), record_(record) {}

    void group(int id, const QString& label);

    void number(int id, const QString& label, int offset, quint32 mask = 0xFF, int width = 1);
    void flag(int id, const QString& label, int offset, int bit);
    // Flags for the labelled bits of one byte, ids counting up from firstId.
    // Returns the next free id.
    int flags(int firstId, int offset, const recordlabels::BitLabels& labels);
    // The group "Status Conditions Affected when Used" (9200): the four
    // status bytes from `offset` on, as items and spells both have them.
    void statusesAffected(int offset);
    void choice(int id, const QString& label, int offset, quint32 mask, const ChoiceTable& table,
                PropertyField::Rule rule = PropertyField::Rule::Plain);
    // A name of `width` bytes from `offset` of the name run (the whole name by default).
    void gameText(int id, const QString& label, int width, int offset = 0);
    // A name index in the bits of `mask`; an edit replaces the bits of
    // `writeMask` (0: the same bits).
    void nameChoice(int id, const QString& label, int offset, std::shared_ptr<const NameTable> names,
                    bool noneAllowed, quint32 mask = 0xFF, quint32 writeMask = 0);

    // The last property added, for settings the calls above do not cover.
    Property& last() { return list_.groups.back().properties.back(); }
    // Changes how the last property's field is read and stored (a rule, a
    // limit, a high bit), and reads its value again.
    template <class Change>
    void tuneLast(Change change)
    {
        Property& p = last();
        change(p.field);
        p.value = p.field.read(p.field.part == RecordPart::Name ? name_ : record_);
    }

    PropertyList take() { return std::move(list_); }

private:
    Property& add(int id, const QString& label, PropertyKind kind, PropertyField field);

    std::span<const quint8> name_;
    std::span<const quint8> record_;
    PropertyList list_;
};

}  // namespace tessel
