#pragma once

#include "text/dialoguestorage.h"

#include <QString>

#include <array>

namespace tessel {

class RomImage;

// What the lister looks up while it walks: the dialogue (always read in the
// game's layout) and the item, esper and character names.
struct EventTables {
    DialogueList dialogue;
    std::array<QString, 256> items;
    std::array<QString, 27> espers;
    std::array<QString, 64> characters;

    void load(RomImage& rom);
};

}  // namespace tessel
