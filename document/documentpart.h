#pragma once

#include "rom/recordref.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tessel {

class RomImage;
struct SaveContext;

// One field of a part as the editors show it: the record it belongs to, the
// field's id within the record, its label and its value as text.
struct PartField {
    RecordRef ref;
    int field = 0;
    QString label;
    QString value;

    bool operator==(const PartField&) const = default;
};

// An area of the document: it loads itself from the ROM image, encodes
// itself into a save, knows whether it differs from the file and lists its
// fields. The document holds its parts in a registry and runs loads and
// saves over them in the order their dependencies give.
class DocumentPart {
public:
    virtual ~DocumentPart() = default;

    // A short stable name ("items", "dialogue", "worldmap.balance").
    virtual QString id() const = 0;
    // The parts that must load, and encode into a save, before this one.
    virtual QStringList dependencies() const { return {}; }
    // The kinds of record the part holds, for finding the part of a reference.
    virtual std::vector<RecordKind> kinds() const { return {}; }

    virtual void load(RomImage& rom) = 0;
    // Empties the part (no file open).
    virtual void clear() = 0;
    // Runs on every part, in order, before any part encodes: a part may
    // set up what the save context gives the others.
    virtual void beginSave(SaveContext& save) {}
    // Writes the part into the save being built; false refuses the save,
    // with the reason in the context.
    virtual bool encode(SaveContext& save) = 0;
    // Runs after every part has encoded and the deferred writes are made.
    virtual bool finishEncode(SaveContext& save) { return true; }
    // The save went through: the file now holds what the part holds.
    virtual void saved(const SaveContext& save) {}

    // Whether the part differs from the file as last opened or saved.
    virtual bool isModified() const = 0;
    // Every field of every record the part holds, in record order.
    virtual std::vector<PartField> fields() const = 0;

    bool holds(RecordKind kind) const;
};

}  // namespace tessel
