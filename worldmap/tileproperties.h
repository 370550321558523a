#pragma once

#include <QtGlobal>

#include <span>

namespace tessel {

// The 16-bit property word of a map tile, described field by field as the
// tile editor presents it: groups in order, fields in order within them.
class TileProperties {
public:
    enum class Kind { Flag, Choice };

    // One row of a choice field's texts; a table ends with value -1.
    struct Choice {
        int value;
        const char* text;
    };

    struct Field {
        const char* group;
        const char* label;
        quint16 mask;
        Kind kind;
        const Choice* choices;  // Choice fields only
    };

    static constexpr quint16 kShadowMask = 0x000C;

    // Every field in display order ("Travelling", "Vehicles", "Battles", "Other").
    static std::span<const Field> fields();
    // The group names in display order.
    static std::span<const char* const> groups();

    // The masked bits shifted down to bit 0 (a flag reads 0 or 1).
    static int value(quint16 word, const Field& field);
    // The word with the field's bits replaced by value (cut to the field).
    static quint16 withValue(quint16 word, const Field& field, int value);
    // The text of a choice value, or nullptr when the table has none.
    static const char* choiceText(const Field& field, int value);

    // Size of the airship's shadow, 0-3 (bits 2-3).
    static int shadowSize(quint16 word) { return (word & kShadowMask) >> 2; }
};

}  // namespace tessel
