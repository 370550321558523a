#pragma once

#include "records/magictable.h"
#include "records/property.h"

namespace tessel {

// The property list of one spell. Spell 255 has no name and so no "Name".
namespace magicprops {

inline constexpr int kName = 1001;

PropertyList build(int spell, const MagicEntry& entry);

}  // namespace magicprops

}  // namespace tessel
