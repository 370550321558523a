#pragma once

#include "records/nametable.h"

#include <QStringList>

#include <memory>

namespace tessel {

class CharacterTables;
class ItemTable;
class MagicTable;
class MonsterTables;

// What the property lists take from other tables: the characters named
// under "Equippable By:", the spells items and espers teach, the items
// shops sell and monsters carry, the monsters of formations and the
// characters' battle commands. Copied when a list is built, so a list never points into a
// table that changes under it.
struct PropertyContext {
    // Characters 0-13, as plain text.
    QStringList characterNames;
    // Spells 0-53, 7 bytes each.
    std::shared_ptr<const NameTable> spellNames;
    // The 256 items, 13 bytes each.
    std::shared_ptr<const NameTable> itemNames;
    // The 384 monsters, 10 bytes each.
    std::shared_ptr<const NameTable> monsterNames;
    // The 32 battle commands, 7 bytes each.
    std::shared_ptr<const NameTable> commandNames;

    static PropertyContext from(const CharacterTables& characters, const MagicTable& magic, const ItemTable& items,
                                const MonsterTables& monsters);
};

}  // namespace tessel
