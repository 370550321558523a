#include "document/settriggercommand.h"

#include "document/cff3doc.h"
#include "document/parts/worldmappart.h"
#include "worldmap/worldmap.h"

namespace tessel {

namespace {

bool sameTrigger(const MapTrigger& a, const MapTrigger& b)
{
    return a.kind == b.kind && a.flags == b.flags && a.x == b.x && a.y == b.y && a.data == b.data;
}

}  // namespace

SetTriggerCommand::SetTriggerCommand(CFF3Doc& doc, int map, int trigger, const MapTrigger& value,
                                     const QString& text, QUndoCommand* parent)
    : QUndoCommand(text, parent), doc_(doc), map_(map), trigger_(trigger), after_(value)
{
    const WorldMap* record = worldMapOf(doc_, map_);
    if (!record || trigger_ < 0 || trigger_ >= record->triggers.size()) {
        setObsolete(true);
        return;
    }
    before_ = record->triggers[trigger_];
    after_.kind = before_.kind;
    if (sameTrigger(before_, after_))
        setObsolete(true);
}

void SetTriggerCommand::apply(const MapTrigger& value)
{
    WorldMap* record = worldMapOf(doc_, map_);
    if (!record || trigger_ < 0 || trigger_ >= record->triggers.size())
        return;
    record->triggers[trigger_] = value;
    doc_.notifyChanged({worldMapPartOf(doc_, map_), RecordRef(RecordKind::MapTrigger, map_, trigger_),
                       WorldMapPart::kTriggerField});
}

void SetTriggerCommand::redo()
{
    apply(after_);
}

void SetTriggerCommand::undo()
{
    apply(before_);
}

}  // namespace tessel
