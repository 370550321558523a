#pragma once

#include "worldmap/mapcellwrite.h"

#include <QRect>
#include <QUndoCommand>

#include <vector>

namespace tessel {

class CFF3Doc;

// Stores tiles in cells of a world map's tile map (the map named by its
// index; cells off the map are skipped). Only cells whose tile changes are
// kept. Commands of the same step (a number from newStep(), 0 for none)
// and map merge while the newest on the stack, the newer one naming the
// merged step: a brush stroke grows cell by cell, and a block lifted and
// put back unchanged leaves an obsolete command the stack removes.
class SetMapCellsCommand : public QUndoCommand {
public:
    static constexpr int kCommandId = 0x4D43;  // "MC"

    SetMapCellsCommand(CFF3Doc& doc, int map, const std::vector<MapCellWrite>& writes, const QString& text,
                       quint64 step = 0);

    void redo() override;
    void undo() override;
    int id() const override { return step_ == 0 ? -1 : kCommandId; }
    bool mergeWith(const QUndoCommand* other) override;

    int map() const { return map_; }
    quint64 step() const { return step_; }
    // A number no step has had before in this run of the program.
    static quint64 newStep();

private:
    struct Change {
        quint32 index;  // row * width + column, the order changes are kept in
        quint8 before;
        quint8 after;
    };
    enum class Side { Before, After };
    void apply(Side side);

    CFF3Doc& doc_;
    int map_;
    quint64 step_;
    std::vector<Change> changes_;
};

}  // namespace tessel
