#pragma once

#include "compare/romchange.h"

namespace tessel {

class CFF3Doc;

// The comparison of one area each, appending what differs from `before`
// to `after` in a stable order. Each looks at the decoded parts only;
// compareBytes looks at the files' bytes that no part decodes.
namespace comparearea {

void compareRecordTables(CFF3Doc& before, CFF3Doc& after, RomChanges& out);
void compareDialogue(const CFF3Doc& before, const CFF3Doc& after, RomChanges& out);
// Cells, colours, pieces and tiles go under "worldmap", triggers under "triggers".
void compareWorldMaps(const CFF3Doc& before, const CFF3Doc& after, RomChanges& out);
void compareFonts(const CFF3Doc& before, const CFF3Doc& after, RomChanges& out);
void compareEvents(const CFF3Doc& before, const CFF3Doc& after, RomChanges& out);
void compareBytes(const CFF3Doc& before, const CFF3Doc& after, RomChanges& out);

}  // namespace comparearea

}  // namespace tessel
