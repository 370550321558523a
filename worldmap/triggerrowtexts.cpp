#include "worldmap/triggerrowtexts.h"

#include "worldmap/entrancedestination.h"

namespace {

constexpr const char* kTitles[TriggerRowTexts::kColumns] = {"Source Pos.", "Destination", "Dest. Pos.", "Facing",
                                                             "Show Name"};
constexpr int kWidths[TriggerRowTexts::kColumns] = {73, 73, 73, 43, 68};

QString position(int x, int y)
{
    return QStringLiteral("(%1, %2)").arg(x).arg(y);
}

}  // namespace

std::array<QString, TriggerRowTexts::kColumns> TriggerRowTexts::of(const MapTrigger& trigger)
{
    std::array<QString, kColumns> texts;
    texts[SourcePosition] = position(trigger.x, trigger.y);
    if (trigger.kind == MapTrigger::Event) {
        texts[Destination] = QString::asprintf("$%06X", trigger.data & 0xFFFFFF);
        return texts;
    }
    const EntranceDestination d = EntranceDestination::of(trigger);
    texts[Destination] = QString::asprintf("$%03X", d.map);
    texts[DestinationPosition] = position(d.x, d.y);
    texts[Facing] = QString::fromLatin1(EntranceDestination::facingName(d.facing));
    texts[ShowName] = d.showName ? QStringLiteral("Yes") : QStringLiteral("No");
    return texts;
}

const char* TriggerRowTexts::title(int column)
{
    return column >= 0 && column < kColumns ? kTitles[column] : "";
}

int TriggerRowTexts::width(int column)
{
    return column >= 0 && column < kColumns ? kWidths[column] : 0;
}
