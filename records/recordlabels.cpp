#include "records/recordlabels.h"

namespace tessel {

namespace recordlabels {

const BitLabels kTargeting = {
    QT_TRANSLATE_NOOP("RecordProperties", "Affects single ally or enemy"),
    QT_TRANSLATE_NOOP("RecordProperties", "Affects either enemies or allies only"),
    QT_TRANSLATE_NOOP("RecordProperties", "Affects all allies and all enemies"),
    QT_TRANSLATE_NOOP("RecordProperties", "Affects either all allies or all enemies"),
    QT_TRANSLATE_NOOP("RecordProperties", "Auto-accept default selection"),
    QT_TRANSLATE_NOOP("RecordProperties", "Multiple selection possible"),
    QT_TRANSLATE_NOOP("RecordProperties", "Enemy is selected by default"),
    QT_TRANSLATE_NOOP("RecordProperties", "Random selection among all enemies and allies"),
};
const BitLabels kElements = {
    QT_TRANSLATE_NOOP("RecordProperties", "Fire"),      QT_TRANSLATE_NOOP("RecordProperties", "Ice"),
    QT_TRANSLATE_NOOP("RecordProperties", "Lightning"), QT_TRANSLATE_NOOP("RecordProperties", "Poison"),
    QT_TRANSLATE_NOOP("RecordProperties", "Wind"),      QT_TRANSLATE_NOOP("RecordProperties", "Holy"),
    QT_TRANSLATE_NOOP("RecordProperties", "Earth"),     QT_TRANSLATE_NOOP("RecordProperties", "Water")};

const BitLabels kStatus1 = {
    QT_TRANSLATE_NOOP("RecordProperties", "Blindness"),     QT_TRANSLATE_NOOP("RecordProperties", "Zombie"),
    QT_TRANSLATE_NOOP("RecordProperties", "Poison"),        nullptr,
    QT_TRANSLATE_NOOP("RecordProperties", "Invisibility"),  QT_TRANSLATE_NOOP("RecordProperties", "Imp"),
    QT_TRANSLATE_NOOP("RecordProperties", "Petrification"), QT_TRANSLATE_NOOP("RecordProperties", "Death")};
const BitLabels kStatus1Protection = {
    QT_TRANSLATE_NOOP("RecordProperties", "Blindness"),     QT_TRANSLATE_NOOP("RecordProperties", "Zombie"),
    QT_TRANSLATE_NOOP("RecordProperties", "Poison"),        nullptr,
    QT_TRANSLATE_NOOP("RecordProperties", "Invisibility"),  QT_TRANSLATE_NOOP("RecordProperties", "Imp"),
    QT_TRANSLATE_NOOP("RecordProperties", "Petrification"), QT_TRANSLATE_NOOP("RecordProperties", "Mortal Attacks")};
const BitLabels kStatus2 = {
    QT_TRANSLATE_NOOP("RecordProperties", "Condemned"), QT_TRANSLATE_NOOP("RecordProperties", "Kneeling"),
    QT_TRANSLATE_NOOP("RecordProperties", "Blink"),     QT_TRANSLATE_NOOP("RecordProperties", "Silence"),
    QT_TRANSLATE_NOOP("RecordProperties", "Berserk"),   QT_TRANSLATE_NOOP("RecordProperties", "Confusion"),
    QT_TRANSLATE_NOOP("RecordProperties", "HP Drain"),  QT_TRANSLATE_NOOP("RecordProperties", "Sleep")};
const BitLabels kStatus3 = {
    QT_TRANSLATE_NOOP("RecordProperties", "Dance"), QT_TRANSLATE_NOOP("RecordProperties", "Regenerate"),
    QT_TRANSLATE_NOOP("RecordProperties", "Slow"),  QT_TRANSLATE_NOOP("RecordProperties", "Haste"),
    QT_TRANSLATE_NOOP("RecordProperties", "Stop"),  QT_TRANSLATE_NOOP("RecordProperties", "Shell"),
    QT_TRANSLATE_NOOP("RecordProperties", "Safe"),  QT_TRANSLATE_NOOP("RecordProperties", "Reflect")};
const BitLabels kStatus4 = {QT_TRANSLATE_NOOP("RecordProperties", "Rage"),
                            QT_TRANSLATE_NOOP("RecordProperties", "Frozen"),
                            QT_TRANSLATE_NOOP("RecordProperties", "Prevent Death Once"),
                            QT_TRANSLATE_NOOP("RecordProperties", "Morph into Esper"),
                            QT_TRANSLATE_NOOP("RecordProperties", "Casting Spell Stance"),
                            QT_TRANSLATE_NOOP("RecordProperties", "Removed from Battle"),
                            QT_TRANSLATE_NOOP("RecordProperties", "Randomly defended by Interceptor"),
                            QT_TRANSLATE_NOOP("RecordProperties", "Floating")};
const BitLabels kStatusWhileEquipped = {
    QT_TRANSLATE_NOOP("RecordProperties", "Floating"), QT_TRANSLATE_NOOP("RecordProperties", "Regeneration"),
    QT_TRANSLATE_NOOP("RecordProperties", "Slow"),     QT_TRANSLATE_NOOP("RecordProperties", "Haste"),
    QT_TRANSLATE_NOOP("RecordProperties", "Stop"),     QT_TRANSLATE_NOOP("RecordProperties", "Shell"),
    QT_TRANSLATE_NOOP("RecordProperties", "Safe"),     QT_TRANSLATE_NOOP("RecordProperties", "Reflect")};

const BitLabels kFieldEffects = {QT_TRANSLATE_NOOP("RecordProperties", "Reduce enemy encounters"),
                                 QT_TRANSLATE_NOOP("RecordProperties", "Prevent enemy encounters"),
                                 nullptr,
                                 nullptr,
                                 nullptr,
                                 QT_TRANSLATE_NOOP("RecordProperties", "Characters walk at 2x speed"),
                                 nullptr,
                                 QT_TRANSLATE_NOOP("RecordProperties", "Characters gain HP each step (?)")};
const BitLabels kStatusBoosts = {QT_TRANSLATE_NOOP("RecordProperties", "Raise Attack Damage"),
                                 QT_TRANSLATE_NOOP("RecordProperties", "Raise Magic Damage"),
                                 QT_TRANSLATE_NOOP("RecordProperties", "Raise HP by 25%"),
                                 QT_TRANSLATE_NOOP("RecordProperties", "Raise HP by 50%"),
                                 QT_TRANSLATE_NOOP("RecordProperties", "Raise HP by 12\u00BD%"),
                                 QT_TRANSLATE_NOOP("RecordProperties", "Raise MP by 25%"),
                                 QT_TRANSLATE_NOOP("RecordProperties", "Raise MP by 50%"),
                                 QT_TRANSLATE_NOOP("RecordProperties", "Raise MP by 12\u00BD%")};
const BitLabels kStatusBoosts2 = {QT_TRANSLATE_NOOP("RecordProperties", "Increase Steal Success Rate"),
                                  nullptr,
                                  nullptr,
                                  nullptr,
                                  QT_TRANSLATE_NOOP("RecordProperties", "Increase Hit Rate to 100%"),
                                  QT_TRANSLATE_NOOP("RecordProperties", "Halve MP Consumption"),
                                  QT_TRANSLATE_NOOP("RecordProperties", "Reduce MP Consumption to 1"),
                                  QT_TRANSLATE_NOOP("RecordProperties", "Raise Vigor")};
const BitLabels kBattleEffects1 = {nullptr,
                                   nullptr,
                                   QT_TRANSLATE_NOOP("RecordProperties", "Fight becomes Jump"),
                                   QT_TRANSLATE_NOOP("RecordProperties", "Magic becomes X-Magic"),
                                   QT_TRANSLATE_NOOP("RecordProperties", "Sketch becomes Control"),
                                   QT_TRANSLATE_NOOP("RecordProperties", "Slot becomes GP Rain"),
                                   QT_TRANSLATE_NOOP("RecordProperties", "Steal becomes Capture"),
                                   QT_TRANSLATE_NOOP("RecordProperties", "Jump continuously")};
const BitLabels kBattleEffects2 = {QT_TRANSLATE_NOOP("RecordProperties", "Fight becomes X-Fight"),
                                   QT_TRANSLATE_NOOP("RecordProperties", "Character randomly counter attacks"),
                                   QT_TRANSLATE_NOOP("RecordProperties", "Increase chances of evading attacks"),
                                   QT_TRANSLATE_NOOP("RecordProperties", "Character can attack with both hands"),
                                   QT_TRANSLATE_NOOP("RecordProperties", "Character can equip a weapon in each hand"),
                                   QT_TRANSLATE_NOOP("RecordProperties", "Wearer can equip heavy armor"),
                                   QT_TRANSLATE_NOOP("RecordProperties", "Wearer protects those with low HP"),
                                   nullptr};
const BitLabels kBattleEffects3 = {QT_TRANSLATE_NOOP("RecordProperties", "Casts Shell when HP gets low"),
                                   QT_TRANSLATE_NOOP("RecordProperties", "Casts Safe when HP gets low"),
                                   QT_TRANSLATE_NOOP("RecordProperties", "Casts Rflect when HP gets low"),
                                   QT_TRANSLATE_NOOP("RecordProperties", "Doubles experience received"),
                                   QT_TRANSLATE_NOOP("RecordProperties", "Doubles gold received"),
                                   nullptr,
                                   nullptr,
                                   QT_TRANSLATE_NOOP("RecordProperties", "Makes body cold")};

const BitLabels kMonsterElements = {
    QT_TRANSLATE_NOOP("RecordProperties", "Fire"),      QT_TRANSLATE_NOOP("RecordProperties", "Ice"),
    QT_TRANSLATE_NOOP("RecordProperties", "Lightning"), QT_TRANSLATE_NOOP("RecordProperties", "Poison"),
    QT_TRANSLATE_NOOP("RecordProperties", "Wind"),      QT_TRANSLATE_NOOP("RecordProperties", "Pearl/Holy"),
    QT_TRANSLATE_NOOP("RecordProperties", "Earth"),     QT_TRANSLATE_NOOP("RecordProperties", "Water")};
const std::array<BitLabels, 4> kMonsterStatuses = {{
    {QT_TRANSLATE_NOOP("RecordProperties", "Dark"), QT_TRANSLATE_NOOP("RecordProperties", "Zombie"),
     QT_TRANSLATE_NOOP("RecordProperties", "Poison"), QT_TRANSLATE_NOOP("RecordProperties", "Enable Magitek Commands"),
     QT_TRANSLATE_NOOP("RecordProperties", "Vanish"), QT_TRANSLATE_NOOP("RecordProperties", "Imp"),
     QT_TRANSLATE_NOOP("RecordProperties", "Petrify"), QT_TRANSLATE_NOOP("RecordProperties", "Death")},
    {QT_TRANSLATE_NOOP("RecordProperties", "Condemned"), QT_TRANSLATE_NOOP("RecordProperties", "Kneeling"),
     QT_TRANSLATE_NOOP("RecordProperties", "Blink"), QT_TRANSLATE_NOOP("RecordProperties", "Silence"),
     QT_TRANSLATE_NOOP("RecordProperties", "Berserk"), QT_TRANSLATE_NOOP("RecordProperties", "Confusion"),
     QT_TRANSLATE_NOOP("RecordProperties", "HP Drain"), QT_TRANSLATE_NOOP("RecordProperties", "Sleep")},
    {QT_TRANSLATE_NOOP("RecordProperties", "Float (1)"), QT_TRANSLATE_NOOP("RecordProperties", "Regen"),
     QT_TRANSLATE_NOOP("RecordProperties", "Slow"), QT_TRANSLATE_NOOP("RecordProperties", "Haste"),
     QT_TRANSLATE_NOOP("RecordProperties", "Stop"), QT_TRANSLATE_NOOP("RecordProperties", "Shell"),
     QT_TRANSLATE_NOOP("RecordProperties", "Safe"), QT_TRANSLATE_NOOP("RecordProperties", "Reflect")},
    {QT_TRANSLATE_NOOP("RecordProperties", "Rage"), QT_TRANSLATE_NOOP("RecordProperties", "Frozen"),
     QT_TRANSLATE_NOOP("RecordProperties", "Protection from Death"),
     QT_TRANSLATE_NOOP("RecordProperties", "Morph into Esper"), QT_TRANSLATE_NOOP("RecordProperties", "Casting Spell"),
     QT_TRANSLATE_NOOP("RecordProperties", "Removed from Battle"),
     QT_TRANSLATE_NOOP("RecordProperties", "Randomly defended by Interceptor"),
     QT_TRANSLATE_NOOP("RecordProperties", "Float (2)")},
}};

const ChoiceTable kItemTypes = {
    {0, QT_TRANSLATE_NOOP("RecordProperties", "Tool")},  {1, QT_TRANSLATE_NOOP("RecordProperties", "Weapon")},
    {2, QT_TRANSLATE_NOOP("RecordProperties", "Armor")}, {3, QT_TRANSLATE_NOOP("RecordProperties", "Shield")},
    {4, QT_TRANSLATE_NOOP("RecordProperties", "Hat")},   {5, QT_TRANSLATE_NOOP("RecordProperties", "Relic")},
    {6, QT_TRANSLATE_NOOP("RecordProperties", "Item")},
};
const ChoiceTable kStatChange = {
    {0, QT_TRANSLATE_NOOP("RecordProperties", "No change")},
    {1, "+1"},
    {2, "+2"},
    {3, "+3"},
    {4, "+4"},
    {5, "+5"},
    {6, "+6"},
    {7, "+7"},
    {8, QT_TRANSLATE_NOOP("RecordProperties", "No change")},
    {9, "-1"},
    {10, "-2"},
    {11, "-3"},
    {12, "-4"},
    {13, "-5"},
    {14, "-6"},
    {15, "-7"},
};
const ChoiceTable kPercentChange = {
    {0, QT_TRANSLATE_NOOP("RecordProperties", "No change")},
    {1, "+10%"},
    {2, "+20%"},
    {3, "+30%"},
    {4, "+40%"},
    {5, "+50%"},
    {6, "-10%"},
    {7, "-20%"},
    {8, "-30%"},
    {9, "-40%"},
    {10, "-50%"},
};
const ChoiceTable kWeaponActions = {
    {0, QT_TRANSLATE_NOOP("RecordProperties", "No special action")},
    {1, QT_TRANSLATE_NOOP("RecordProperties", "Steal item")},
    {2, QT_TRANSLATE_NOOP("RecordProperties", "Attack increases as HP increases")},
    {3, QT_TRANSLATE_NOOP("RecordProperties", "Kill (with X graphic)")},
    {4, QT_TRANSLATE_NOOP("RecordProperties", "Cause double damage to humans")},
    {5, QT_TRANSLATE_NOOP("RecordProperties", "Drain HP")},
    {6, QT_TRANSLATE_NOOP("RecordProperties", "Drain MP")},
    {7, QT_TRANSLATE_NOOP("RecordProperties", "Attack with MP")},
    {8, QT_TRANSLATE_NOOP("RecordProperties", "Unknown (used by Hawkeye and Sniper)")},
    {9, QT_TRANSLATE_NOOP("RecordProperties", "Dice")},
    {10, QT_TRANSLATE_NOOP("RecordProperties", "Attack increases as HP decreases")},
    {11, QT_TRANSLATE_NOOP("RecordProperties", "Wind attack")},
    {12, QT_TRANSLATE_NOOP("RecordProperties", "Recover HP")},
    {13, QT_TRANSLATE_NOOP("RecordProperties", "Kill")},
    {14, QT_TRANSLATE_NOOP("RecordProperties", "Uses MP to inflict mortal blow")},
    {15, QT_TRANSLATE_NOOP("RecordProperties", "Uses (more) MP to inflict mortal blow (?)")},
};
const ChoiceTable kItemActions = {
    {0, QT_TRANSLATE_NOOP("RecordProperties", "No special action")},
    {1, QT_TRANSLATE_NOOP("RecordProperties", "Summon random esper")},
    {2, QT_TRANSLATE_NOOP("RecordProperties", "Super Ball attack")},
    {3, QT_TRANSLATE_NOOP("RecordProperties", "Remove character from battle")},
    {4, QT_TRANSLATE_NOOP("RecordProperties", "? (Elixir/Megalixir uses this)")},
    {5, QT_TRANSLATE_NOOP("RecordProperties", "All characters escape from battle")},
    {6, QT_TRANSLATE_NOOP("RecordProperties", "Attracts Gau when encountered on the Veldt")},
};
const ChoiceTable kLevelUpBonus = {
    {0, QT_TRANSLATE_NOOP("RecordProperties", "HP + 10%")},
    {1, QT_TRANSLATE_NOOP("RecordProperties", "HP + 30%")},
    {2, QT_TRANSLATE_NOOP("RecordProperties", "HP + 50%")},
    {3, QT_TRANSLATE_NOOP("RecordProperties", "MP + 10%")},
    {4, QT_TRANSLATE_NOOP("RecordProperties", "MP + 30%")},
    {5, QT_TRANSLATE_NOOP("RecordProperties", "MP + 50%")},
    {6, QT_TRANSLATE_NOOP("RecordProperties", "HP + 100%")},
    {7, QT_TRANSLATE_NOOP("RecordProperties", "LV + 30%")},
    {8, QT_TRANSLATE_NOOP("RecordProperties", "LV + 50%")},
    {9, QT_TRANSLATE_NOOP("RecordProperties", "Strength + 1")},
    {10, QT_TRANSLATE_NOOP("RecordProperties", "Strength + 2")},
    {11, QT_TRANSLATE_NOOP("RecordProperties", "Speed + 1")},
    {12, QT_TRANSLATE_NOOP("RecordProperties", "Speed + 2")},
    {13, QT_TRANSLATE_NOOP("RecordProperties", "Stamina + 1")},
    {14, QT_TRANSLATE_NOOP("RecordProperties", "Stamina + 2")},
    {15, QT_TRANSLATE_NOOP("RecordProperties", "Mag. Pwr. + 1")},
    {16, QT_TRANSLATE_NOOP("RecordProperties", "Mag. Pwr. + 2")},
    {255, QT_TRANSLATE_NOOP("RecordProperties", "No bonus")},
};
const ChoiceTable kShopTitles = {
    {0, QT_TRANSLATE_NOOP("RecordProperties", "(Blank)")}, {1, QT_TRANSLATE_NOOP("RecordProperties", "Weapon")},
    {2, QT_TRANSLATE_NOOP("RecordProperties", "Armor")},   {3, QT_TRANSLATE_NOOP("RecordProperties", "Item")},
    {4, QT_TRANSLATE_NOOP("RecordProperties", "Relics")},  {5, QT_TRANSLATE_NOOP("RecordProperties", "Vendor")},
};
const ChoiceTable kShopProperties = {
    {0, QT_TRANSLATE_NOOP("RecordProperties", "No special properties")},
    {1, QT_TRANSLATE_NOOP("RecordProperties", "Items cost twice normal price")},
    {2, QT_TRANSLATE_NOOP("RecordProperties", "Items cost 1.5X normal price")},
    {3, QT_TRANSLATE_NOOP("RecordProperties", "Items cost half price when Edgar or Sabin is in the party")},
};
const ChoiceTable kAppearances = {
    {0, QT_TRANSLATE_NOOP("RecordProperties", "Pre-drawn")},
    {1, QT_TRANSLATE_NOOP("RecordProperties", "Appear from smoke")},
    {2, QT_TRANSLATE_NOOP("RecordProperties", "Fall from ceiling")},
    {3, QT_TRANSLATE_NOOP("RecordProperties", "Appear from sides of screen, asynchronous")},
    {4, QT_TRANSLATE_NOOP("RecordProperties", "Jump out of water")},
    {5, QT_TRANSLATE_NOOP("RecordProperties", "Fall from ceiling in swirls")},
    {6, QT_TRANSLATE_NOOP("RecordProperties", "Jump out of sand")},
    {7, QT_TRANSLATE_NOOP("RecordProperties", "Appear from sides of screen, synchronous")},
    {8, QT_TRANSLATE_NOOP("RecordProperties", "Fade in from top")},
    {9, QT_TRANSLATE_NOOP("RecordProperties", "Fade in from bottom")},
    {10, QT_TRANSLATE_NOOP("RecordProperties", "Fade in, speckled")},
    {11, QT_TRANSLATE_NOOP("RecordProperties", "Fade in, diagonal")},
    {12, QT_TRANSLATE_NOOP("RecordProperties", "Pre-drawn")},
    {13, QT_TRANSLATE_NOOP("RecordProperties", "Flash in")},
    {14, QT_TRANSLATE_NOOP("RecordProperties", "Hidden")},
    {15, QT_TRANSLATE_NOOP("RecordProperties", "Fall from ceiling, play final battle theme")},
};
const ChoiceTable kBattleMusic = {
    {0, QT_TRANSLATE_NOOP("RecordProperties", "Battle theme")},
    {1, QT_TRANSLATE_NOOP("RecordProperties", "Boss battle theme")},
    {2, QT_TRANSLATE_NOOP("RecordProperties", "AtmaWeapon battle theme")},
    {3, QT_TRANSLATE_NOOP("RecordProperties", "Returners theme")},
    {4, QT_TRANSLATE_NOOP("RecordProperties", "Magitek Factory train car theme")},
    {5, QT_TRANSLATE_NOOP("RecordProperties", "Final battle theme")},
};

}  // namespace recordlabels

}  // namespace tessel
