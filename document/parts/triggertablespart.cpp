#include "document/parts/triggertablespart.h"

#include "document/cff3doc.h"
#include "document/parts/worldmappart.h"
#include "document/savecontext.h"
#include "worldmap/triggertable.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace tessel {

namespace {

constexpr MapTrigger::Kind kKinds[] = {MapTrigger::Entrance, MapTrigger::Event};

int slotOf(MapTrigger::Kind kind)
{
    return kind == MapTrigger::Entrance ? 0 : 1;
}

int countOf(const QList<MapTrigger>& triggers, MapTrigger::Kind kind)
{
    return int(std::count_if(triggers.begin(), triggers.end(), [kind](const MapTrigger& t) { return t.kind == kind; }));
}

}  // namespace

TriggerTablesPart::TriggerTablesPart(CFF3Doc& doc) : doc_(doc) {}

QString TriggerTablesPart::id() const
{
    return QStringLiteral("worldmap.triggers");
}

QStringList TriggerTablesPart::dependencies() const
{
    return {QStringLiteral("worldmap.balance"), QStringLiteral("worldmap.ruin")};
}

void TriggerTablesPart::load(RomImage&)
{
    for (MapTrigger::Kind kind : kKinds) {
        int count = 0;
        for (int m = 0; m < worldmap::kMapCount; ++m)
            if (const WorldMap* map = worldMapOf(doc_, m))
                count += map->triggerCount(kind);
        openCounts_[std::size_t(slotOf(kind))] = count;
    }
    openLists_ = currentLists();
    loaded_ = true;
}

void TriggerTablesPart::clear()
{
    openCounts_ = {};
    openLists_ = {};
    loaded_ = false;
}

TriggerTablesPart::MapLists TriggerTablesPart::currentLists() const
{
    MapLists lists;
    for (int m = 0; m < worldmap::kMapCount; ++m)
        if (const WorldMap* map = worldMapOf(doc_, m))
            lists[std::size_t(m)] = map->triggers;
    return lists;
}

int TriggerTablesPart::roomLeft(MapTrigger::Kind kind, const MapLists& lists) const
{
    int count = 0;
    for (const QList<MapTrigger>& list : lists)
        count += countOf(list, kind);
    return openCounts_[std::size_t(slotOf(kind))] - count;
}

QString TriggerTablesPart::refusal(const MapLists& lists) const
{
    for (MapTrigger::Kind kind : kKinds) {
        const int room = roomLeft(kind, lists);
        if (room >= 0)
            continue;
        const QString table = kind == MapTrigger::Entrance ? QCoreApplication::translate("TriggerTables", "entrance")
                                                           : QCoreApplication::translate("TriggerTables", "event");
        return QCoreApplication::translate("TriggerTables",
                                           "The %1 trigger table is full: %n trigger(s) must go first.", nullptr,
                                           -room)
            .arg(table);
    }
    return {};
}

QString TriggerTablesPart::refusal(int map, const QList<MapTrigger>& triggers) const
{
    MapLists lists = currentLists();
    lists[std::size_t(map)] = triggers;
    return refusal(lists);
}

bool TriggerTablesPart::changedSinceOpen(MapTrigger::Kind kind) const
{
    const MapLists now = currentLists();
    for (std::size_t m = 0; m < now.size(); ++m) {
        QList<MapTrigger> before;
        QList<MapTrigger> after;
        std::copy_if(openLists_[m].begin(), openLists_[m].end(), std::back_inserter(before),
                     [kind](const MapTrigger& t) { return t.kind == kind; });
        std::copy_if(now[m].begin(), now[m].end(), std::back_inserter(after),
                     [kind](const MapTrigger& t) { return t.kind == kind; });
        const bool same = std::equal(before.begin(), before.end(), after.begin(), after.end(),
                                     [](const MapTrigger& a, const MapTrigger& b) {
                                         return a.x == b.x && a.y == b.y && a.data == b.data;
                                     });
        if (!same)
            return true;
    }
    return false;
}

bool TriggerTablesPart::encode(SaveContext& save)
{
    if (!loaded_)
        return true;
    std::vector<TriggerTable> tables;
    for (MapTrigger::Kind kind : kKinds) {
        QString error;
        std::optional<TriggerTable> table = TriggerTable::read(save.rom, kind, &error);
        if (!table) {
            // A table read as it could be is left alone while its triggers stay as read.
            if (changedSinceOpen(kind))
                return save.refuse(error);
            continue;
        }
        for (int m = 0; m < worldmap::kMapCount; ++m)
            if (const WorldMap* map = worldMapOf(doc_, m))
                table->setTriggers(m, map->triggers);
        tables.push_back(*table);
    }
    if (const QString why = refusal(currentLists()); !why.isEmpty())
        return save.refuse(why);
    save.writeLater([tables](RomImage& rom) {
        for (const TriggerTable& table : tables) {
            // Where the table ended before: the room it gives up is cleared.
            const std::optional<TriggerTable> before = TriggerTable::read(rom, table.kind());
            table.write(rom, before ? before->end() : table.end());
        }
    });
    return true;
}

}  // namespace tessel
