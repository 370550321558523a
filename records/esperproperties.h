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

PropertyList build(const EsperEntry& esper, const PropertyContext& context);

}  // namespace esperprops

}  // namespace tessel
