#pragma once

#include <QString>

#include <array>

namespace tessel {

struct MapTrigger;

// What the triggers list shows of one trigger, column by column: "Source
// Pos.", "Destination", "Dest. Pos.", "Facing", "Show Name". An event
// trigger fills only the first two.
class TriggerRowTexts {
public:
    static constexpr int kColumns = 5;
    enum Column { SourcePosition, Destination, DestinationPosition, Facing, ShowName };

    static std::array<QString, kColumns> of(const MapTrigger& trigger);
    static const char* title(int column);
    // The list's column widths in pixels.
    static int width(int column);
};

}  // namespace tessel
