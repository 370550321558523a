#pragma once

#include "rom/recordref.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>

namespace tessel {

class CFF3Doc;
struct DocumentChange;

// One place that names a record: the record (or event command, or world-map
// trigger) that uses it, how, and in which of its slots.
struct Reference {
    enum class Role : quint8 {
        ShopSlot,           // slot 0-7 of a shop sells the item
        Stolen,             // slot 1-2 of a monster's items to steal
        Dropped,            // slot 1-2 of a monster's dropped items
        Teaches,            // an item or esper (slot 1-5) teaches the spell
        Casts,              // an item casts the spell when used
        MonsterSlot,        // slot 1-6 of a formation holds the monster
        StartingEquipment,  // slot 0-5 of a character's starting equipment
        EventShows,
        EventGives,
        EventTakes,
        EventOpens,
        EventStarts,
        EventLoads,
        EventUses,
        Entrance,           // a world-map entrance leads to the location
    };

    RecordRef user;
    RecordRef target;
    Role role = Role::EventUses;
    int slot = 0;

    bool operator==(const Reference&) const = default;
};

// "slot 3", "dropped", "teaches", "monster slot 2", "gives": how the user
// names the record, for JSON.
QString referenceKindText(const Reference& ref);
// "Shop 12, slot 3", "Monster 40 drops it", "Event $CA:1234 gives it".
QString referenceText(const Reference& ref);

// Every place of the document that names an item, spell, esper, monster,
// formation, shop, message, battle or location: shop wares, monsters'
// items, the spells items and espers teach or cast, formations' monsters,
// characters' starting equipment, event commands and world-map entrances.
// Built on the first query; a change notice marks only the record (or the
// events, or one map's triggers) it names for a new reading, which the next
// query makes.
class ReferenceIndex : public QObject {
    Q_OBJECT

public:
    explicit ReferenceIndex(CFF3Doc& doc);
    ~ReferenceIndex() override;

    // The document's one index, made on first use (owned by the document).
    static ReferenceIndex& of(CFF3Doc& doc);

    // The uses of one record, in the order of their users (by kind, then
    // number, then slot). Empty for a record nothing names.
    const QList<Reference>& usesOf(const RecordRef& target);
    // Every use, in no particular order.
    QList<Reference> allUses();

    // Reads everything again (also what no change notice named).
    void rebuild();

private:
    void noteChange(const DocumentChange& change);
    void markAll();
    void update();
    void readRecord(const RecordRef& user);
    void readEvents();
    void readTriggers(int map);
    void dropUser(const RecordRef& user);
    void add(const Reference& ref);

    CFF3Doc& doc_;
    QHash<RecordRef, QList<Reference>> byTarget_;
    QHash<RecordRef, QList<Reference>> byUser_;
    // What the next query must read again.
    bool allStale_ = true;
    bool eventsStale_ = false;
    QSet<RecordRef> staleRecords_;  // single records, or {kind} for a whole table
    QSet<int> staleMaps_;
};

}  // namespace tessel
