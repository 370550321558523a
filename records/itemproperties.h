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

PropertyList build(const ItemEntry& item, const PropertyContext& context);

}  // namespace itemprops

}  // namespace tessel
