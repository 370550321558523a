#pragma once

#include "records/nametable.h"

#include <QStringList>

#include <memory>

class CharacterTables;
class ItemTable;
class MagicTable;

// What the property lists take from other tables: the characters named
// under "Equippable By:", the spells items and espers teach, the items
// shops sell. Copied when a list is built, so a list never points into a
// table that changes under it.
struct PropertyContext {
    // Characters 0-13, as plain text.
    QStringList characterNames;
    // Spells 0-53, 7 bytes each.
    std::shared_ptr<const NameTable> spellNames;
    // The 256 items, 13 bytes each.
    std::shared_ptr<const NameTable> itemNames;

    static PropertyContext from(const CharacterTables& characters, const MagicTable& magic, const ItemTable& items);
};
