#pragma once

#include "document/documentpart.h"
#include "worldmap/maptrigger.h"

#include <QList>

#include <array>

namespace tessel {

class CFF3Doc;

// The two trigger tables both world maps share with every other map. A
// save rewrites each table with the maps' trigger lists in order, moving
// the records and index words of the maps after them; neither table may
// hold more of the world maps' triggers than it did when the file was
// opened, as the room past it belongs to other data.
class TriggerTablesPart : public DocumentPart {
public:
    explicit TriggerTablesPart(CFF3Doc& doc);

    using MapLists = std::array<QList<MapTrigger>, 2>;

    // The world maps' trigger lists as they are now.
    MapLists currentLists() const;
    // How many more triggers of `kind` the table takes with `lists`
    // (negative: how many must go first).
    int roomLeft(MapTrigger::Kind kind, const MapLists& lists) const;
    // Why the maps cannot have `lists` ("The entrance trigger table is
    // full..."), empty when both tables take them.
    QString refusal(const MapLists& lists) const;
    // The same for map `map`'s list becoming `triggers`.
    QString refusal(int map, const QList<MapTrigger>& triggers) const;

    QString id() const override;
    QStringList dependencies() const override;
    void load(RomImage& rom) override;
    void clear() override;
    bool encode(SaveContext& save) override;
    bool isModified() const override { return false; }
    std::vector<PartField> fields() const override { return {}; }

private:
    bool changedSinceOpen(MapTrigger::Kind kind) const;

    CFF3Doc& doc_;
    bool loaded_ = false;
    // Entrance and event triggers of both world maps when the file was opened.
    std::array<int, 2> openCounts_{};
    MapLists openLists_;
};

}  // namespace tessel
