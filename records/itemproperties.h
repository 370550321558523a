#pragma once

#include "records/itemtable.h"
#include "records/propertycontext.h"
#include "records/property.h"

namespace tessel {

// The property list of one item. Which groups it has depends on the item
// type (the low nibble of byte 0), so an edit of the type changes the list.
namespace itemprops {

inline constexpr int kName = 1001;
inline constexpr int kItemType = 1002;
inline constexpr int kPrice = 1006;
// The spell an item casts when used (bits 0-5), for types with bit 0 set.
inline constexpr int kCastSpell = 3001;
inline constexpr int kCastSpellByte = 18;
inline constexpr quint8 kCastSpellMask = 0x3F;
// The spell armour, shields, hats and relics teach.
inline constexpr int kLearnedSpell = 3002;
inline constexpr int kLearnedSpellByte = 4;

// Which of the two the item has, by its byte 0 (the type in the low nibble).
constexpr bool hasCastSpell(quint8 typeByte) { return typeByte & 0x01; }
constexpr bool hasLearnedSpell(quint8 typeByte) { return (typeByte & 0x0F) >= 2 && (typeByte & 0x0F) <= 5; }

PropertyList build(const ItemEntry& item, const PropertyContext& context);

}  // namespace itemprops

}  // namespace tessel
