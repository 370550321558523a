#pragma once

#include "worldmap/editing/mapcellsink.h"

#include <QPoint>
#include <QString>

#include <optional>
#include <vector>

namespace tessel {

struct WorldMap;

// A cell sink for tests of the map tools: stores tiles straight into the
// map and keeps the steps the way the document's stack does. A store that
// continues a step joins the newest step while that is the one begun last,
// and names it; a step whose cells all end as they began is dropped.
class RecordingCellSink : public MapCellSink {
public:
    struct Change {
        QPoint cell;
        int before = 0;
        int after = 0;
        bool operator==(const Change&) const = default;
    };
    struct Step {
        QString name;
        std::vector<Change> changes;  // row by row, left to right
        std::optional<Change> at(QPoint cell) const;
    };

    explicit RecordingCellSink(WorldMap& map) : map_(map) {}

    void store(const std::vector<MapCellWrite>& writes, MapEditKind kind, bool startsStep) override;

    const std::vector<Step>& steps() const { return steps_; }
    int storeCount() const { return stores_; }
    // Puts the newest step's cells back as they were before it and forgets it.
    void undoNewest();

private:
    WorldMap& map_;
    std::vector<Step> steps_;
    bool newestIsOpen_ = false;  // the newest step is the one begun last
    int stores_ = 0;
};

}  // namespace tessel
