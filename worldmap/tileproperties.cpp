#include "worldmap/tileproperties.h"

#include <bit>

namespace {

using Choice = TileProperties::Choice;
using Field = TileProperties::Field;
using Kind = TileProperties::Kind;

constexpr Choice kShadowChoices[] = {
    {0, "Small"}, {1, "Medium"}, {2, "Larger"}, {3, "Largest"}, {-1, nullptr},
};

constexpr Choice kBackgroundChoices[] = {
    {0, "Grass"},    {1, "Brown Forest"},  {2, "Desert"},    {3, "Green Forest"},
    {4, "Building"}, {5, "World of Ruin"}, {6, "The Veldt"}, {7, "Falling through Clouds"},
    {-1, nullptr},
};

constexpr const char* kGroups[] = {"Travelling", "Vehicles", "Battles", "Other"};

constexpr Field kFields[] = {
    {"Travelling", "Walking disabled", 0x0010, Kind::Flag, nullptr},
    {"Travelling", "Chocobo disabled", 0x0001, Kind::Flag, nullptr},
    {"Travelling", "Airship landing disabled", 0x0002, Kind::Flag, nullptr},
    {"Travelling", "Bottom half of character is transparent", 0x0020, Kind::Flag, nullptr},
    {"Vehicles", "Size of shadow cast by airship", 0x000C, Kind::Choice, kShadowChoices},
    {"Battles", "Background image", 0x0700, Kind::Choice, kBackgroundChoices},
    {"Battles", "Activate enemy encounters", 0x0040, Kind::Flag, nullptr},
    {"Other", "Alternate Music", 0x2000, Kind::Flag, nullptr},
    {"Other", "Trigger Event when Landed on (?)", 0x4000, Kind::Flag, nullptr},
    {"Other", "Land Airship, then Trigger Event (?)", 0x8000, Kind::Flag, nullptr},
};

}  // namespace

std::span<const Field> TileProperties::fields()
{
    return kFields;
}

std::span<const char* const> TileProperties::groups()
{
    return kGroups;
}

int TileProperties::value(quint16 word, const Field& field)
{
    return (word & field.mask) >> std::countr_zero(field.mask);
}

quint16 TileProperties::withValue(quint16 word, const Field& field, int value)
{
    const int shift = std::countr_zero(field.mask);
    return quint16((word & ~field.mask) | ((unsigned(value) << shift) & field.mask));
}

const char* TileProperties::choiceText(const Field& field, int value)
{
    if (!field.choices)
        return nullptr;
    for (const Choice* row = field.choices; row->value != -1; ++row)
        if (row->value == value)
            return row->text;
    return nullptr;
}
