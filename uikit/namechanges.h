#pragma once

namespace tessel {

struct DocumentChange;

// Whether a change may alter how game names look: a record's name or the
// menu font, not a message, a world map or a dialogue glyph.
bool mayChangeGameNames(const DocumentChange& change);

}  // namespace tessel
