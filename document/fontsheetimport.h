#pragma once

#include "text/fontsheet.h"

namespace tessel {

class CFF3Doc;

// Puts what a font sheet holds into the document's font as one step on its
// undo stack ("Import Font Sheet").
void pushFontSheetImport(CFF3Doc& doc, fontsheet::Font font, const fontsheet::Contents& contents);

}  // namespace tessel
