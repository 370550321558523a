#pragma once

#include "records/propertycontext.h"
#include "records/property.h"

#include <span>

namespace tessel {

// The property list of one shop: its title, price rule and eight wares.
namespace shopprops {

inline constexpr int kItemSlots = 8;
// Slot s (0-7) is byte kFirstItemByte + s, property kFirstItem + s.
inline constexpr int kFirstItemByte = 1;
inline constexpr int kFirstItem = 2001;

PropertyList build(std::span<const quint8> shop, const PropertyContext& context);

}  // namespace shopprops

}  // namespace tessel
