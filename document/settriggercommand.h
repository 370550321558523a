#pragma once

#include "worldmap/maptrigger.h"

#include <QUndoCommand>

namespace tessel {

class CFF3Doc;

// Replaces one trigger of a world map (its kind stays, as the save writes
// triggers back in place).
class SetTriggerCommand : public QUndoCommand {
public:
    SetTriggerCommand(CFF3Doc& doc, int map, int trigger, const MapTrigger& value, const QString& text,
                      QUndoCommand* parent = nullptr);

    void redo() override;
    void undo() override;

private:
    void apply(const MapTrigger& value);

    CFF3Doc& doc_;
    int map_;
    int trigger_;
    MapTrigger before_;
    MapTrigger after_;
};

}  // namespace tessel
