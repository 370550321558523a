#include "tools/samplerom/samplenames.h"

#include "text/menutext.h"

#include <QStringList>

namespace tessel {

namespace samplenames {

namespace {

QString pick(const QStringList& list, int index)
{
    return list[index % list.size()];
}

QString symbol(int symbolIndex)
{
    return QString(QChar(ushort(menutext::kFirstSymbolChar + symbolIndex)));
}

// Symbol characters of the menu font (160 + index).
enum Symbol { Dagger, Sword, Spear, Katana, Staff, Rod, Star, Diamond, Card, Claw, Shield, Helmet, Armor,
              Brush, Skean, Relic, WhiteMagic, BlackMagic, EffectMagic };

const QStringList kMetals = {"Bronze", "Iron", "Steel", "Silver", "Mythril", "Crystal", "Frost", "Flame",
                             "Storm", "Moon", "Sun", "Star"};
const QStringList kWeaponKinds = {"Dirk", "Blade", "Pike", "Edge", "Staff", "Rod", "Stars", "Gem", "Cards",
                                  "Claw"};
const Symbol kWeaponSymbols[] = {Dagger, Sword, Spear, Katana, Staff, Rod, Star, Diamond, Card, Claw};
const QStringList kShields = {"Buckler", "Targe", "Kite", "Tower", "Aegis", "Mirror", "Wall", "Disk"};
const QStringList kHats = {"Cap", "Hood", "Helm", "Bandana", "Tiara", "Circlet", "Beret", "Crown"};
const QStringList kArmor = {"Vest", "Robe", "Mail", "Plate", "Coat", "Gown", "Cuirass", "Jerkin"};
const QStringList kTools = {"Drill", "Chainsaw", "Bioblast", "Flash", "Wrench", "Crossbow", "Noise", "Net"};
const QStringList kRelicWords = {"Ring", "Charm", "Amulet", "Bangle", "Boots", "Cape", "Gloves", "Badge",
                                 "Earring", "Bell", "Feather", "Locket"};
const QStringList kRelicAdjectives = {"Lucky", "Swift", "Sturdy", "Wise", "Quiet", "Brave", "Gentle"};
const QStringList kPotions = {"Tonic", "Draught", "Cordial", "Brew", "Remedy", "Salve", "Eyewash",
                              "Feather", "Tent", "Lantern", "Smoke", "Chalk", "Jerky", "Green Tea",
                              "Honey", "Herb", "Biscuit", "Balm", "Spring", "Bread", "Apple", "Cider",
                              "Pie", "Rope"};
const QStringList kElements = {"Fire", "Ice", "Bolt", "Quake", "Gust", "Flood", "Venom", "Holy", "Dark"};
const QStringList kSpellExtras = {"Cure", "Raise", "Haste", "Slow", "Sleep", "Mute", "Shell", "Safe",
                                  "Float", "Scan", "Warp", "Stop", "Blink", "Drain", "Rasp", "Dispel"};
const QStringList kEspers = {"Thornel", "Auravex", "Lumora", "Gravlok", "Sylphea", "Korrin", "Vashti",
                             "Mirelle", "Oberin", "Quillon", "Zephra", "Brannoc", "Cindral", "Halvar",
                             "Ysolde", "Toravin", "Nimbra", "Pellar", "Ostrum", "Velkar", "Isbeth",
                             "Drummel", "Fennick", "Galvra", "Haskel", "Jorund", "Kestra"};
const QStringList kSkills = {"Pummel", "Aura", "Suplex", "Fire Dance", "Wind Slash", "Rage", "Ward",
                             "Boost", "Sprint", "Whirl", "Heal Song", "Hymn", "Stone", "Lullaby", "Dash",
                             "Cleave", "Sparkle", "Mist", "Bubble", "Thorn"};
const QStringList kCharacters = {"ARIN", "LORNE", "KAEDE", "VESPER", "ODRIC", "BRAM", "SELKA", "TOBIN",
                                 "MIREL", "DAX", "POKO", "RUE", "NYX", "GRUM", "ELKE", "FINN"};
const QStringList kMonsterFirst = {"Gob", "Slim", "Bat", "Wyrm", "Imp", "Rot", "Skel", "Fang", "Moss",
                                   "Grim", "Crag", "Ooze", "Wisp", "Hex", "Bog", "Tusk"};
const QStringList kMonsterLast = {"lin", "er", "fang", "ling", "claw", "maw", "eye", "wing", "horn",
                                  "tail", "ox", "rat", "bug", "toad", "lord", "king"};
const QStringList kAttacks = {"Bite", "Crush", "Sting", "Roar", "Spit", "Gaze", "Swipe", "Howl", "Slam",
                              "Ember", "Chill", "Zap", "Goo", "Drain", "Charge", "Whip"};
const QStringList kCommands = {"Fight", "Item", "Magic", "Guard", "Steal", "Throw", "Tools", "Sing",
                               "Study", "Draw", "Charm", "Spin", "Leap", "Mimic", "Dance", "Row",
                               "Defend", "Jump", "Focus", "Pray", "Summon", "Heal", "Shock", "Scan",
                               "Rally", "Sneak", "Hide", "Cheer", "Taunt", "Brew", "Howl", "Rest"};

}  // namespace

QString itemName(int item)
{
    if (item < 0x50) {  // weapons: a kind symbol, then metal and kind
        const int kind = item % kWeaponKinds.size();
        return symbol(kWeaponSymbols[kind]) + pick(kMetals, item / kWeaponKinds.size()) + QLatin1Char(' ')
               + kWeaponKinds[kind];
    }
    if (item < 0x60)
        return symbol(Shield) + pick(kMetals, item) + QLatin1Char(' ') + pick(kShields, item / 2);
    if (item < 0x80)
        return symbol(Helmet) + pick(kMetals, item / 3) + QLatin1Char(' ') + pick(kHats, item);
    if (item < 0xA0)
        return symbol(Armor) + pick(kMetals, item / 2) + QLatin1Char(' ') + pick(kArmor, item);
    if (item < 0xB0)
        return pick(kTools, item);
    if (item < 0xE7)
        return symbol(Relic) + pick(kRelicAdjectives, item / 3) + QLatin1Char(' ') + pick(kRelicWords, item);
    if (item < 0xFF)
        return pick(kPotions, item - 0xE7);
    return QString();  // the empty slot
}

QString spellName(int spell)
{
    if (spell < 27)  // black and white magic: element and grade
        return symbol(spell < 18 ? BlackMagic : WhiteMagic) + pick(kElements, spell % 9)
               + QString(spell % 3 == 0 ? "" : spell % 3 == 1 ? " 2" : " 3");
    if (spell < 54)
        return symbol(EffectMagic) + pick(kSpellExtras, spell - 27);
    if (spell < 81)
        return esperName(spell - 54);
    return pick(kSkills, spell) + (spell >= 93 ? QString::number(spell % 10) : QString());
}

QString esperName(int esper)
{
    return kEspers[esper % kEspers.size()];
}

QString characterName(int character)
{
    return pick(kCharacters, character);
}

QString monsterName(int monster)
{
    QString name = pick(kMonsterFirst, monster) + pick(kMonsterLast, monster / kMonsterFirst.size());
    if (monster >= 256)
        name += QLatin1Char('+');
    return name;
}

QString monsterAttackName(int monster)
{
    return pick(kAttacks, monster * 7);
}

QString commandName(int command)
{
    return pick(kCommands, command);
}

QByteArray field(const QString& name, int width)
{
    return menutext::EncodeMenuText(name, width);
}

}  // namespace samplenames

}  // namespace tessel
