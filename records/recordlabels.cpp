#include "records/recordlabels.h"

namespace recordlabels {

const BitLabels kTargeting = {
    "Affects single ally or enemy", "Affects either enemies or allies only", "Affects all allies and all enemies",
    "Affects either all allies or all enemies", "Auto-accept default selection", "Multiple selection possible",
    "Enemy is selected by default", "Random selection among all enemies and allies",
};
const BitLabels kElements = {"Fire", "Ice", "Lightning", "Poison", "Wind", "Holy", "Earth", "Water"};

const BitLabels kStatus1 = {"Blindness", "Zombie", "Poison", nullptr, "Invisibility", "Imp", "Petrification", "Death"};
const BitLabels kStatus1Protection = {"Blindness",    "Zombie", "Poison",        nullptr,
                                      "Invisibility", "Imp",    "Petrification", "Mortal Attacks"};
const BitLabels kStatus2 = {"Condemned", "Kneeling", "Blink", "Silence", "Berserk", "Confusion", "HP Drain", "Sleep"};
const BitLabels kStatus3 = {"Dance", "Regenerate", "Slow", "Haste", "Stop", "Shell", "Safe", "Reflect"};
const BitLabels kStatus4 = {"Rage", "Frozen", "Prevent Death Once", "Morph into Esper", "Casting Spell Stance",
                            "Removed from Battle", "Randomly defended by Interceptor", "Floating"};
const BitLabels kStatusWhileEquipped = {"Floating", "Regeneration", "Slow", "Haste",
                                        "Stop",     "Shell",        "Safe", "Reflect"};

const BitLabels kFieldEffects = {"Reduce enemy encounters", "Prevent enemy encounters", nullptr, nullptr, nullptr,
                                 "Characters walk at 2x speed", nullptr, "Characters gain HP each step (?)"};
const BitLabels kStatusBoosts = {"Raise Attack Damage", "Raise Magic Damage", "Raise HP by 25%",
                                 "Raise HP by 50%",     "Raise HP by 12\u00BD%", "Raise MP by 25%",
                                 "Raise MP by 50%",     "Raise MP by 12\u00BD%"};
const BitLabels kStatusBoosts2 = {"Increase Steal Success Rate", nullptr, nullptr, nullptr,
                                  "Increase Hit Rate to 100%", "Halve MP Consumption", "Reduce MP Consumption to 1",
                                  "Raise Vigor"};
const BitLabels kBattleEffects1 = {nullptr, nullptr, "Fight becomes Jump", "Magic becomes X-Magic",
                                   "Sketch becomes Control", "Slot becomes GP Rain", "Steal becomes Capture",
                                   "Jump continuously"};
const BitLabels kBattleEffects2 = {"Fight becomes X-Fight", "Character randomly counter attacks",
                                   "Increase chances of evading attacks", "Character can attack with both hands",
                                   "Character can equip a weapon in each hand", "Wearer can equip heavy armor",
                                   "Wearer protects those with low HP", nullptr};
const BitLabels kBattleEffects3 = {"Casts Shell when HP gets low", "Casts Safe when HP gets low",
                                   "Casts Rflect when HP gets low", "Doubles experience received",
                                   "Doubles gold received", nullptr, nullptr, "Makes body cold"};

const BitLabels kMonsterElements = {"Fire", "Ice", "Lightning", "Poison", "Wind", "Pearl/Holy", "Earth", "Water"};
const std::array<BitLabels, 4> kMonsterStatuses = {{
    {"Dark", "Zombie", "Poison", "Enable Magitek Commands", "Vanish", "Imp", "Petrify", "Death"},
    {"Condemned", "Kneeling", "Blink", "Silence", "Berserk", "Confusion", "HP Drain", "Sleep"},
    {"Float (1)", "Regen", "Slow", "Haste", "Stop", "Shell", "Safe", "Reflect"},
    {"Rage", "Frozen", "Protection from Death", "Morph into Esper", "Casting Spell", "Removed from Battle",
     "Randomly defended by Interceptor", "Float (2)"},
}};

const ChoiceTable kItemTypes = {
    {0, "Tool"}, {1, "Weapon"}, {2, "Armor"}, {3, "Shield"}, {4, "Hat"}, {5, "Relic"}, {6, "Item"},
};
const ChoiceTable kStatChange = {
    {0, "No change"}, {1, "+1"},  {2, "+2"},  {3, "+3"},  {4, "+4"},  {5, "+5"},  {6, "+6"},  {7, "+7"},
    {8, "No change"}, {9, "-1"}, {10, "-2"}, {11, "-3"}, {12, "-4"}, {13, "-5"}, {14, "-6"}, {15, "-7"},
};
const ChoiceTable kPercentChange = {
    {0, "No change"}, {1, "+10%"}, {2, "+20%"}, {3, "+30%"}, {4, "+40%"},  {5, "+50%"},
    {6, "-10%"},      {7, "-20%"}, {8, "-30%"}, {9, "-40%"}, {10, "-50%"},
};
const ChoiceTable kWeaponActions = {
    {0, "No special action"},
    {1, "Steal item"},
    {2, "Attack increases as HP increases"},
    {3, "Kill (with X graphic)"},
    {4, "Cause double damage to humans"},
    {5, "Drain HP"},
    {6, "Drain MP"},
    {7, "Attack with MP"},
    {8, "Unknown (used by Hawkeye and Sniper)"},
    {9, "Dice"},
    {10, "Attack increases as HP decreases"},
    {11, "Wind attack"},
    {12, "Recover HP"},
    {13, "Kill"},
    {14, "Uses MP to inflict mortal blow"},
    {15, "Uses (more) MP to inflict mortal blow (?)"},
};
const ChoiceTable kItemActions = {
    {0, "No special action"},
    {1, "Summon random esper"},
    {2, "Super Ball attack"},
    {3, "Remove character from battle"},
    {4, "? (Elixir/Megalixir uses this)"},
    {5, "All characters escape from battle"},
    {6, "Attracts Gau when encountered on the Veldt"},
};
const ChoiceTable kLevelUpBonus = {
    {0, "HP + 10%"},       {1, "HP + 30%"},       {2, "HP + 50%"},      {3, "MP + 10%"},     {4, "MP + 30%"},
    {5, "MP + 50%"},       {6, "HP + 100%"},      {7, "LV + 30%"},      {8, "LV + 50%"},     {9, "Strength + 1"},
    {10, "Strength + 2"},  {11, "Speed + 1"},     {12, "Speed + 2"},    {13, "Stamina + 1"}, {14, "Stamina + 2"},
    {15, "Mag. Pwr. + 1"}, {16, "Mag. Pwr. + 2"}, {255, "No bonus"},
};
const ChoiceTable kShopTitles = {
    {0, "(Blank)"}, {1, "Weapon"}, {2, "Armor"}, {3, "Item"}, {4, "Relics"}, {5, "Vendor"},
};
const ChoiceTable kShopProperties = {
    {0, "No special properties"},
    {1, "Items cost twice normal price"},
    {2, "Items cost 1.5X normal price"},
    {3, "Items cost half price when Edgar or Sabin is in the party"},
};
const ChoiceTable kAppearances = {
    {0, "Pre-drawn"},
    {1, "Appear from smoke"},
    {2, "Fall from ceiling"},
    {3, "Appear from sides of screen, asynchronous"},
    {4, "Jump out of water"},
    {5, "Fall from ceiling in swirls"},
    {6, "Jump out of sand"},
    {7, "Appear from sides of screen, synchronous"},
    {8, "Fade in from top"},
    {9, "Fade in from bottom"},
    {10, "Fade in, speckled"},
    {11, "Fade in, diagonal"},
    {12, "Pre-drawn"},
    {13, "Flash in"},
    {14, "Hidden"},
    {15, "Fall from ceiling, play final battle theme"},
};
const ChoiceTable kBattleMusic = {
    {0, "Battle theme"},
    {1, "Boss battle theme"},
    {2, "AtmaWeapon battle theme"},
    {3, "Returners theme"},
    {4, "Magitek Factory train car theme"},
    {5, "Final battle theme"},
};

}  // namespace recordlabels
