#pragma once

#include "worldmap/editing/mapcellsink.h"

#include <QtGlobal>

namespace tessel {

class CFF3Doc;

// Stores a map view's cells as commands on the document's undo stack, so
// that every map edit is a step there: a step's first part is pushed, and
// its later parts merge into it while it is the newest step.
class DocumentCellSink : public MapCellSink {
public:
    DocumentCellSink(CFF3Doc& doc, int map) : doc_(doc), map_(map) {}

    void store(const std::vector<MapCellWrite>& writes, MapEditKind kind, bool startsStep) override;
    // Whether the newest step on the stack is the one stored last here.
    bool holdsNewestStep() const;

private:
    CFF3Doc& doc_;
    int map_;
    quint64 step_ = 0;
};

}  // namespace tessel
