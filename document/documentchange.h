#pragma once

#include "rom/recordref.h"

#include <QMetaType>
#include <QRect>

namespace tessel {

class DocumentPart;

// What one change of the document touched, for views that show only some
// of it: the part, the record, and where the record has fields the field
// (a property id; kAnyField when the whole record may have changed).
// Changes of a world map's tile map also carry the cells.
struct DocumentChange {
    static constexpr int kAnyField = -1;

    DocumentChange() = default;
    DocumentChange(const DocumentPart* changedPart, RecordRef changedRef, int changedField = kAnyField,
                   QRect changedCells = {})
        : part(changedPart), ref(changedRef), field(changedField), cells(changedCells)
    {
    }

    const DocumentPart* part = nullptr;
    RecordRef ref;
    int field = kAnyField;
    QRect cells;

    // Whether the change may touch anything `ref` names.
    bool touches(const RecordRef& other) const { return ref.covers(other); }
    bool touches(RecordKind kind) const { return ref.kind == kind; }
};

}  // namespace tessel

Q_DECLARE_METATYPE(tessel::DocumentChange)
