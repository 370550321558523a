#pragma once

#include "records/propertycontext.h"
#include "records/property.h"

#include <array>
#include <span>
#include <vector>

namespace tessel {

// The property list of one character's starting record (22 bytes); its
// 6-byte name is shown but not changed here.
namespace characterprops {

inline constexpr int kName = 1001;
inline constexpr int kLevel1Hp = 1002;
inline constexpr int kLevel1Mp = 1003;
inline constexpr int kFirstCommand = 2001;     // 4 commands, bytes 2-5
inline constexpr int kCommandCount = 4;
inline constexpr int kFirstStat = 3001;        // "Vigor" to "Magic Block %", bytes 6-14
inline constexpr int kStatCount = 9;
inline constexpr int kFirstEquipment = 4001;   // weapon, shield, hat, body, relic 1, relic 2: bytes 15-20
inline constexpr int kEquipmentCount = 6;
inline constexpr int kEquipmentByte = 15;

PropertyList build(std::span<const quint8> name, std::span<const quint8> record, const PropertyContext& context);

// HP and MP at level L (row L - 1) for L = 1 to 99: level 1 from the
// record's bytes 0 and 1, each level after adding the gain of the level
// before it (entry 1 of a table is the gain for level 2). Not capped.
struct LevelStats {
    int hp;
    int mp;
};
inline constexpr int kLevels = 99;
std::vector<LevelStats> progression(int level1Hp, int level1Mp, std::span<const quint8> hpGain,
                                    std::span<const quint8> mpGain);

}  // namespace characterprops

}  // namespace tessel
