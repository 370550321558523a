#include "document/referenceindex.h"

#include "document/cff3doc.h"
#include "document/parts/scriptpart.h"
#include "document/parts/worldmappart.h"
#include "document/recordtablepart.h"
#include "records/characterproperties.h"
#include "records/esperproperties.h"
#include "records/formationproperties.h"
#include "records/itemproperties.h"
#include "records/monsterproperties.h"
#include "records/recordaddresses.h"
#include "records/shopproperties.h"
#include "rom/snesaddresstext.h"
#include "worldmap/entrancedestination.h"

#include <QCoreApplication>

#include <algorithm>
#include <tuple>

namespace tessel {

namespace {

using Role = Reference::Role;

// A slot holding 0xFF is empty (item 255 is the game's "empty" marker).
constexpr quint8 kEmpty = 0xFF;

QString tr(const char* text)
{
    return QCoreApplication::translate("ReferenceIndex", text);
}

auto sortKey(const Reference& r)
{
    return std::tuple(int(r.user.kind), r.user.index, r.user.element, int(r.role), r.slot);
}

// How an event command uses what it names: by its opcode and what it names.
Role eventRole(quint8 opcode, RecordKind target)
{
    switch (target) {
    case RecordKind::Message: return Role::EventShows;
    case RecordKind::Item: return opcode == 0x81 ? Role::EventTakes : Role::EventGives;
    case RecordKind::Esper: return opcode == 0x87 ? Role::EventTakes : Role::EventGives;
    case RecordKind::Shop: return Role::EventOpens;
    case RecordKind::Battle: return Role::EventStarts;
    case RecordKind::Location: return Role::EventLoads;
    default: return Role::EventUses;
    }
}

bool isRecordUser(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Item:
    case RecordKind::Esper:
    case RecordKind::Shop:
    case RecordKind::Monster:
    case RecordKind::Formation:
    case RecordKind::Character: return true;
    default: return false;
    }
}

constexpr RecordKind kRecordUsers[] = {RecordKind::Item,    RecordKind::Esper,     RecordKind::Shop,
                                       RecordKind::Monster, RecordKind::Formation, RecordKind::Character};

// The uses one record makes, read from its record bytes.
QList<Reference> usesIn(const RecordRef& user, std::span<const quint8> b)
{
    QList<Reference> uses;
    auto at = [&b](int offset) -> int { return offset < int(b.size()) ? b[std::size_t(offset)] : kEmpty; };
    auto use = [&](RecordKind kind, int index, Role role, int slot) {
        uses.append({user, RecordRef(kind, index), role, slot});
    };
    switch (user.kind) {
    case RecordKind::Item:
        if (b.empty())
            break;
        if (itemprops::hasCastSpell(b[0])) {
            const int spell = at(itemprops::kCastSpellByte) & itemprops::kCastSpellMask;
            if (spell < records::kItemSpellCount)
                use(RecordKind::Spell, spell, Role::Casts, 0);
        }
        if (itemprops::hasLearnedSpell(b[0]) && at(itemprops::kLearnedSpellByte) < records::kItemSpellCount)
            use(RecordKind::Spell, at(itemprops::kLearnedSpellByte), Role::Teaches, 0);
        break;
    case RecordKind::Esper:
        for (int k = 1; k <= esperprops::kSpellSlots; ++k)
            if (at(esperprops::spellByte(k)) < records::kItemSpellCount)
                use(RecordKind::Spell, at(esperprops::spellByte(k)), Role::Teaches, k);
        break;
    case RecordKind::Shop:
        for (int slot = 0; slot < shopprops::kItemSlots; ++slot)
            if (at(shopprops::kFirstItemByte + slot) != kEmpty)
                use(RecordKind::Item, at(shopprops::kFirstItemByte + slot), Role::ShopSlot, slot);
        break;
    case RecordKind::Monster:
        for (int slot = 0; slot < 2; ++slot) {
            if (at(monsterprops::kItemSlotsOffset + slot) != kEmpty)
                use(RecordKind::Item, at(monsterprops::kItemSlotsOffset + slot), Role::Stolen, slot + 1);
            if (at(monsterprops::kItemSlotsOffset + 2 + slot) != kEmpty)
                use(RecordKind::Item, at(monsterprops::kItemSlotsOffset + 2 + slot), Role::Dropped, slot + 1);
        }
        break;
    case RecordKind::Formation:
        for (int k = 1; k <= formationprops::kSlots; ++k) {
            const int bit = 1 << (k - 1);
            if (!(at(formationprops::kPresentByte) & bit))
                continue;
            const int monster = at(formationprops::kMonsterBytes + k - 1)
                                | (at(formationprops::kMonsterHighByte) & bit ? 0x100 : 0);
            if (monster < records::kMonsterCount)
                use(RecordKind::Monster, monster, Role::MonsterSlot, k);
        }
        break;
    case RecordKind::Character:
        for (int slot = 0; slot < characterprops::kEquipmentCount; ++slot)
            if (at(characterprops::kEquipmentByte + slot) != kEmpty)
                use(RecordKind::Item, at(characterprops::kEquipmentByte + slot), Role::StartingEquipment, slot);
        break;
    default: break;
    }
    return uses;
}

}  // namespace

QString referenceKindText(const Reference& ref)
{
    switch (ref.role) {
    case Role::ShopSlot: return QStringLiteral("slot %1").arg(ref.slot);
    case Role::Stolen: return QStringLiteral("stolen");
    case Role::Dropped: return QStringLiteral("dropped");
    case Role::Teaches: return QStringLiteral("teaches");
    case Role::Casts: return QStringLiteral("casts");
    case Role::MonsterSlot: return QStringLiteral("monster slot %1").arg(ref.slot);
    case Role::StartingEquipment: return QStringLiteral("starting equipment");
    case Role::EventShows: return QStringLiteral("shows");
    case Role::EventGives: return QStringLiteral("gives");
    case Role::EventTakes: return QStringLiteral("takes");
    case Role::EventOpens: return QStringLiteral("opens");
    case Role::EventStarts: return QStringLiteral("starts");
    case Role::EventLoads: return QStringLiteral("loads");
    case Role::EventUses: return QStringLiteral("uses");
    case Role::Entrance: return QStringLiteral("entrance");
    }
    return QString();
}

QString referenceText(const Reference& ref)
{
    const int n = ref.user.index;
    const QString event = ref.user.kind == RecordKind::Event ? snesAddressText(SnesAddress(n)) : QString();
    switch (ref.role) {
    case Role::ShopSlot: return tr("Shop %1, slot %2").arg(n).arg(ref.slot);
    case Role::Stolen: return tr("Monster %1 has it to steal").arg(n);
    case Role::Dropped: return tr("Monster %1 drops it").arg(n);
    case Role::Teaches:
        return ref.user.kind == RecordKind::Esper ? tr("Esper %1 teaches it").arg(n) : tr("Item %1 teaches it").arg(n);
    case Role::Casts: return tr("Item %1 casts it").arg(n);
    case Role::MonsterSlot: return tr("Formation %1, monster slot %2").arg(n).arg(ref.slot);
    case Role::StartingEquipment: return tr("Character %1 starts with it equipped").arg(n);
    case Role::EventShows: return tr("Event %1 shows it").arg(event);
    case Role::EventGives: return tr("Event %1 gives it").arg(event);
    case Role::EventTakes: return tr("Event %1 takes it").arg(event);
    case Role::EventOpens: return tr("Event %1 opens it").arg(event);
    case Role::EventStarts: return tr("Event %1 starts it").arg(event);
    case Role::EventLoads: return tr("Event %1 loads it").arg(event);
    case Role::EventUses: return tr("Event %1 uses it").arg(event);
    case Role::Entrance: return tr("Entrance %1 of world map %2 leads there").arg(ref.user.element).arg(n);
    }
    return QString();
}

ReferenceIndex::ReferenceIndex(CFF3Doc& doc) : QObject(&doc), doc_(doc)
{
    connect(&doc, &CFF3Doc::changed, this, &ReferenceIndex::noteChange);
    connect(&doc, &CFF3Doc::documentLoaded, this, &ReferenceIndex::markAll);
    connect(&doc, &CFF3Doc::documentCleared, this, &ReferenceIndex::markAll);
}

ReferenceIndex::~ReferenceIndex() = default;

ReferenceIndex& ReferenceIndex::of(CFF3Doc& doc)
{
    if (auto* index = doc.findChild<ReferenceIndex*>(QString(), Qt::FindDirectChildrenOnly))
        return *index;
    return *new ReferenceIndex(doc);
}

const QList<Reference>& ReferenceIndex::usesOf(const RecordRef& target)
{
    static const QList<Reference> kNone;
    update();
    const auto found = byTarget_.constFind(target);
    return found == byTarget_.cend() ? kNone : *found;
}

QList<Reference> ReferenceIndex::allUses()
{
    update();
    QList<Reference> all;
    for (const QList<Reference>& uses : std::as_const(byUser_))
        all.append(uses);
    return all;
}

void ReferenceIndex::rebuild()
{
    markAll();
    update();
}

void ReferenceIndex::markAll()
{
    allStale_ = true;
}

void ReferenceIndex::noteChange(const DocumentChange& change)
{
    const RecordRef& ref = change.ref;
    if (!ref.isValid())
        markAll();
    else if (isRecordUser(ref.kind))
        staleRecords_.insert(ref.isWhole() ? RecordRef(ref.kind) : RecordRef(ref.kind, ref.index));
    else if (ref.kind == RecordKind::Event)
        eventsStale_ = true;
    else if (ref.kind == RecordKind::MapTrigger || ref.kind == RecordKind::WorldMap)
        staleMaps_.insert(ref.index);
}

void ReferenceIndex::update()
{
    if (allStale_) {
        allStale_ = false;
        byTarget_.clear();
        byUser_.clear();
        staleRecords_.clear();
        staleMaps_.clear();
        if (!doc_.isLoaded())
            return;
        for (RecordKind kind : kRecordUsers)
            staleRecords_.insert(RecordRef(kind));
        eventsStale_ = true;
        for (int map = 0; map < worldMapCount(doc_); ++map)
            staleMaps_.insert(map);
    }
    if (!doc_.isLoaded())
        return;
    for (const RecordRef& stale : std::as_const(staleRecords_)) {
        if (!stale.isWhole()) {
            readRecord(stale);
        } else if (const RecordTablePart* table = doc_.recordTable(stale.kind)) {
            for (int i = 0; i < table->count(); ++i)
                readRecord(RecordRef(stale.kind, i));
        }
    }
    staleRecords_.clear();
    if (eventsStale_) {
        eventsStale_ = false;
        readEvents();
    }
    for (int map : std::as_const(staleMaps_))
        readTriggers(map);
    staleMaps_.clear();
}

void ReferenceIndex::readRecord(const RecordRef& user)
{
    const RecordTablePart* table = doc_.recordTable(user.kind);
    if (!table || user.index < 0 || user.index >= table->count())
        return;
    dropUser(user);
    for (const Reference& use : usesIn(user, table->bytes(RecordPart::Record, user.index).locate()))
        add(use);
}

void ReferenceIndex::readEvents()
{
    QList<RecordRef> users;
    for (auto it = byUser_.cbegin(); it != byUser_.cend(); ++it)
        if (it.key().kind == RecordKind::Event)
            users.append(it.key());
    for (const RecordRef& user : std::as_const(users))
        dropUser(user);

    const events::ScriptListing& listing = doc_.part<ScriptPart>().listing();
    for (int i = 0; i < listing.size(); ++i) {
        const QList<RecordRef> refs = listing.references(i);
        for (const RecordRef& target : refs) {
            // Branches and calls lead to other commands: the listing shows those itself.
            if (target.kind == RecordKind::Event || target.isWhole())
                continue;
            add({RecordRef::event(listing.address(i)), target, eventRole(listing.opcode(i), target.kind), 0});
        }
    }
}

void ReferenceIndex::readTriggers(int map)
{
    const WorldMap* world = worldMapOf(doc_, map);
    QList<RecordRef> users;
    for (auto it = byUser_.cbegin(); it != byUser_.cend(); ++it)
        if (it.key().kind == RecordKind::MapTrigger && it.key().index == map)
            users.append(it.key());
    for (const RecordRef& user : std::as_const(users))
        dropUser(user);
    if (!world)
        return;
    for (int t = 0; t < world->triggers.size(); ++t) {
        const MapTrigger& trigger = world->triggers[t];
        if (trigger.kind == MapTrigger::Entrance)
            add({RecordRef(RecordKind::MapTrigger, map, t),
                 RecordRef(RecordKind::Location, EntranceDestination::of(trigger).map), Role::Entrance, 0});
    }
}

void ReferenceIndex::dropUser(const RecordRef& user)
{
    const auto found = byUser_.find(user);
    if (found == byUser_.end())
        return;
    for (const Reference& use : std::as_const(*found)) {
        const auto target = byTarget_.find(use.target);
        if (target == byTarget_.end())
            continue;
        target->removeIf([&user](const Reference& r) { return r.user == user; });
        if (target->isEmpty())
            byTarget_.erase(target);
    }
    byUser_.erase(found);
}

void ReferenceIndex::add(const Reference& ref)
{
    byUser_[ref.user].append(ref);
    QList<Reference>& uses = byTarget_[ref.target];
    // Mostly read in order: appending is the common case.
    if (uses.isEmpty() || sortKey(uses.last()) <= sortKey(ref)) {
        uses.append(ref);
        return;
    }
    const auto at = std::upper_bound(uses.begin(), uses.end(), ref,
                                     [](const Reference& a, const Reference& b) { return sortKey(a) < sortKey(b); });
    uses.insert(at, ref);
}

}  // namespace tessel
