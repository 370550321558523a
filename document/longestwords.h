#pragma once

#include "text/dialoguepages.h"

namespace tessel {

class CFF3Doc;

// The words the dialogue's worst case lays out: the widest name the
// dialogue font can draw for every character, and the widest item and
// spell names of the document (see dialoguepages::LongestWords).
WordChoice longestWords(const CFF3Doc& doc);

}  // namespace tessel
