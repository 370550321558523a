#pragma once

#include "records/choicetable.h"

#include <array>

namespace tessel {

// The texts the data editors show: labels of the game's bit bytes and the
// choice tables. A null label is a bit that is not shown.
namespace recordlabels {

using BitLabels = std::array<const char*, 8>;

extern const BitLabels kTargeting;
extern const BitLabels kElements;
// The four status bytes; bit 3 of the first is not shown, and its bit 7 is
// "Death" where a status is inflicted and "Mortal Attacks" where it is
// protected against.
extern const BitLabels kStatus1;
extern const BitLabels kStatus1Protection;
extern const BitLabels kStatus2;
extern const BitLabels kStatus3;
extern const BitLabels kStatus4;
// Statuses an equipped item keeps up (item byte 8).
extern const BitLabels kStatusWhileEquipped;
// Item bytes 5, 9 to 13.
extern const BitLabels kFieldEffects;
extern const BitLabels kStatusBoosts;
extern const BitLabels kStatusBoosts2;
extern const BitLabels kBattleEffects1;
extern const BitLabels kBattleEffects2;
extern const BitLabels kBattleEffects3;

// Monsters: the element rows and the four status bytes (statistics bytes 27-30).
extern const BitLabels kMonsterElements;
extern const std::array<BitLabels, 4> kMonsterStatuses;

extern const ChoiceTable kItemTypes;
extern const ChoiceTable kStatChange;
extern const ChoiceTable kPercentChange;
extern const ChoiceTable kWeaponActions;
extern const ChoiceTable kItemActions;
extern const ChoiceTable kLevelUpBonus;
extern const ChoiceTable kShopTitles;
extern const ChoiceTable kShopProperties;
// How a formation's monsters appear, and its battle music.
extern const ChoiceTable kAppearances;
extern const ChoiceTable kBattleMusic;

}  // namespace recordlabels

}  // namespace tessel
