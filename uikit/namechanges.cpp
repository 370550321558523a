#include "uikit/namechanges.h"

#include "document/documentchange.h"

namespace tessel {

bool mayChangeGameNames(const DocumentChange& change)
{
    switch (change.ref.kind) {
    case RecordKind::Item:
    case RecordKind::Spell:
    case RecordKind::Esper:
    case RecordKind::Monster:
    case RecordKind::Character:
    case RecordKind::MenuGlyph:
        return true;
    default:
        return false;
    }
}

}  // namespace tessel
