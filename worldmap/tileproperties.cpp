#include "worldmap/tileproperties.h"

#include <bit>

namespace tessel {

namespace {

using Choice = TileProperties::Choice;
using Field = TileProperties::Field;
using Kind = TileProperties::Kind;

constexpr Choice kShadowChoices[] = {
    {0, QT_TRANSLATE_NOOP("TileProperties", "Small")},
    {1, QT_TRANSLATE_NOOP("TileProperties", "Medium")},
    {2, QT_TRANSLATE_NOOP("TileProperties", "Larger")},
    {3, QT_TRANSLATE_NOOP("TileProperties", "Largest")},
    {-1, nullptr},
};

constexpr Choice kBackgroundChoices[] = {
    {0, QT_TRANSLATE_NOOP("TileProperties", "Grass")},
    {1, QT_TRANSLATE_NOOP("TileProperties", "Brown Forest")},
    {2, QT_TRANSLATE_NOOP("TileProperties", "Desert")},
    {3, QT_TRANSLATE_NOOP("TileProperties", "Green Forest")},
    {4, QT_TRANSLATE_NOOP("TileProperties", "Building")},
    {5, QT_TRANSLATE_NOOP("TileProperties", "World of Ruin")},
    {6, QT_TRANSLATE_NOOP("TileProperties", "The Veldt")},
    {7, QT_TRANSLATE_NOOP("TileProperties", "Falling through Clouds")},
    {-1, nullptr},
};

// Group names and labels are shown translated in the "TileProperties" context.
constexpr const char* kGroups[] = {
    QT_TRANSLATE_NOOP("TileProperties", "Travelling"),
    QT_TRANSLATE_NOOP("TileProperties", "Vehicles"),
    QT_TRANSLATE_NOOP("TileProperties", "Battles"),
    QT_TRANSLATE_NOOP("TileProperties", "Other"),
};

constexpr Field kFields[] = {
    {"Travelling", QT_TRANSLATE_NOOP("TileProperties", "Walking disabled"), 0x0010, Kind::Flag, nullptr},
    {"Travelling", QT_TRANSLATE_NOOP("TileProperties", "Chocobo disabled"), 0x0001, Kind::Flag, nullptr},
    {"Travelling", QT_TRANSLATE_NOOP("TileProperties", "Airship landing disabled"), 0x0002, Kind::Flag, nullptr},
    {"Travelling", QT_TRANSLATE_NOOP("TileProperties", "Bottom half of character is transparent"), 0x0020, Kind::Flag,
     nullptr},
    {"Vehicles", QT_TRANSLATE_NOOP("TileProperties", "Size of shadow cast by airship"), 0x000C, Kind::Choice,
     kShadowChoices},
    {"Battles", QT_TRANSLATE_NOOP("TileProperties", "Background image"), 0x0700, Kind::Choice, kBackgroundChoices},
    {"Battles", QT_TRANSLATE_NOOP("TileProperties", "Activate enemy encounters"), 0x0040, Kind::Flag, nullptr},
    {"Other", QT_TRANSLATE_NOOP("TileProperties", "Alternate Music"), 0x2000, Kind::Flag, nullptr},
    {"Other", QT_TRANSLATE_NOOP("TileProperties", "Trigger Event when Landed on (?)"), 0x4000, Kind::Flag, nullptr},
    {"Other", QT_TRANSLATE_NOOP("TileProperties", "Land Airship, then Trigger Event (?)"), 0x8000, Kind::Flag,
     nullptr},
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

}  // namespace tessel
