#include "worldmap/entrancedestination.h"

namespace tessel {

EntranceDestination EntranceDestination::of(const MapTrigger& trigger)
{
    const quint16 word = quint16(trigger.data);
    EntranceDestination d;
    d.map = word & kMapMask;
    d.showName = word & kShowNameBit;
    d.facing = Facing((word >> kFacingShift) & 3);
    d.x = quint8(trigger.data >> 16);
    d.y = quint8(trigger.data >> 24);
    return d;
}

quint32 EntranceDestination::data() const
{
    const quint16 word = quint16((showName ? kShowNameBit : 0) | (int(facing) & 3) << kFacingShift | (map & kMapMask));
    return word | quint32(x) << 16 | quint32(y) << 24;
}

const char* EntranceDestination::facingName(Facing facing)
{
    static constexpr const char* kNames[] = {
        QT_TRANSLATE_NOOP("EntranceDestination", "Up"), QT_TRANSLATE_NOOP("EntranceDestination", "Right"),
        QT_TRANSLATE_NOOP("EntranceDestination", "Down"), QT_TRANSLATE_NOOP("EntranceDestination", "Left")};
    return kNames[int(facing) & 3];
}

}  // namespace tessel
