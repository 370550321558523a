#pragma once

#include "worldmap/maptrigger.h"

#include <QList>
#include <QUndoCommand>

namespace tessel {

class CFF3Doc;

// Replaces the whole trigger list of a world map: adding, deleting and
// duplicating triggers, or a list read from a file. Check the trigger
// tables' room first (triggeredits::listCommand does).
class SetTriggerListCommand : public QUndoCommand {
public:
    SetTriggerListCommand(CFF3Doc& doc, int map, QList<MapTrigger> triggers, const QString& text,
                          QUndoCommand* parent = nullptr);

    void redo() override;
    void undo() override;

private:
    void apply(const QList<MapTrigger>& triggers);

    CFF3Doc& doc_;
    int map_;
    QList<MapTrigger> before_;
    QList<MapTrigger> after_;
};

}  // namespace tessel
