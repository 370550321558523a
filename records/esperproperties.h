#pragma once

#include "records/espertable.h"
#include "records/propertycontext.h"
#include "records/property.h"

namespace tessel {

// The property list of one esper: name, level-up bonus and five spells
// (each "None" or one of spells 0-53) with their learn rates.
namespace esperprops {

inline constexpr int kName = 1001;
inline constexpr int kSpellSlots = 5;
// Slot k (1-5): the spell's byte and property; its learn rate is the byte before.
constexpr int spellByte(int slot) { return 2 * slot - 1; }
constexpr int spellField(int slot) { return 2000 + 2 * slot - 1; }

PropertyList build(const EsperEntry& esper, const PropertyContext& context);

}  // namespace esperprops

}  // namespace tessel
