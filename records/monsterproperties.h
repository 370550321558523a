#pragma once

#include "records/propertycontext.h"
#include "records/property.h"

#include <span>

namespace tessel {

// The property list of one monster. Its name run holds the name and the
// special-attack name (10 bytes each); its record run the four item slots
// followed by the 32 bytes of statistics.
namespace monsterprops {

inline constexpr int kItemSlotsOffset = 0;
inline constexpr int kStatsOffset = 4;

inline constexpr int kName = 1001;
inline constexpr int kAttackName = 1002;
// "Strength" to "Level", in the order of the statistics table.
inline constexpr int kFirstStat = 2001;
inline constexpr int kStatCount = 13;
inline constexpr int kFirstStatus = 3001;     // 32 flags, byte 27 bit 0 first
inline constexpr int kFirstAbsorb = 4001;     // 8 flags each, element bit 0 first
inline constexpr int kFirstNoEffect = 4101;
inline constexpr int kFirstWeak = 4201;
inline constexpr int kPackage = 5001;
inline constexpr int kMiss = 5002;
inline constexpr int kFirstStolen = 6001;     // 2 slots
inline constexpr int kFirstDropped = 6101;    // 2 slots

PropertyList build(std::span<const quint8> names, std::span<const quint8> record, const PropertyContext& context);

}  // namespace monsterprops

}  // namespace tessel
