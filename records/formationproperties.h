#pragma once

#include "records/propertycontext.h"
#include "records/property.h"

#include <span>

namespace tessel {

// The property list of one formation: its 19 bytes, the 15-byte record
// followed by the 4-byte extra record.
namespace formationprops {

inline constexpr int kSlots = 6;
inline constexpr int kLastTemplate = 12;
// Bytes of the record.
inline constexpr int kTemplateByte = 0;
inline constexpr int kPresentByte = 1;
inline constexpr int kMonsterBytes = 2;     // slots 1-6: the low 8 bits of the monster number
inline constexpr int kPositionBytes = 8;    // slots 1-6: X in the high nibble, Y in the low
inline constexpr int kMonsterHighByte = 14; // bit k-1: bit 8 of slot k's monster number
inline constexpr int kExtraOffset = 15;

inline constexpr int kTemplate = 1001;
// Slot k (1-6): its group is kSlotGroup * k, its fields that plus these.
inline constexpr int kSlotGroup = 100;
inline constexpr int kPresent = 1;
inline constexpr int kMonster = 2;
inline constexpr int kX = 3;
inline constexpr int kY = 4;
constexpr int slotField(int slot, int field) { return 2000 + kSlotGroup * slot + field; }

inline constexpr int kAppearance = 3001;
inline constexpr int kDisableNormal = 3002;  // then back, pincer, side attacks
inline constexpr int kDisableFanfare = 3006;
inline constexpr int kExecuteScript = 3007;
inline constexpr int kScript = 3008;
inline constexpr int kShowAttackType = 3009;
inline constexpr int kPlayMusic = 3010;
inline constexpr int kMusic = 3011;

PropertyList build(std::span<const quint8> formation, const PropertyContext& context);

}  // namespace formationprops

}  // namespace tessel
