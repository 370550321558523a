#pragma once

#include "rom/romaddress.h"

#include <QMetaType>
#include <QString>

#include <optional>

namespace tessel {

// What a RecordRef names. Record kinds count their records from 0; the
// world-map kinds name an element (a cell, trigger, tile, piece or colour)
// of one map; Event and Address name a place in the ROM by its SNES address.
enum class RecordKind : quint8 {
    None,
    Item,
    Spell,
    Esper,
    Shop,
    Monster,
    Formation,
    Character,
    Message,
    DialogueGlyph,
    MenuGlyph,
    WorldMap,
    MapCell,
    MapTrigger,
    MapTile,
    MapPiece,
    MapColor,
    Event,
    Address,
    EditorFlags,
    Battle,    // an enemy set that an event command starts a battle with
    Location,  // a location map that an event command loads
};

// The one way to name a thing of the document: for window subjects ("open
// the editor at this"), change notices, references and differences.
//
//   {Item, 12}              item 12
//   {Item, -1}              the items as a whole
//   {MapTrigger, 1, 3}      trigger 3 of world map 1
//   {MapCell, 0, 256*y+x}   cell (x, y) of world map 0
//   {Event, 0xCA1234}       the event command at $CA:1234
struct RecordRef {
    static constexpr int kWhole = -1;

    RecordKind kind = RecordKind::None;
    int index = kWhole;    // the record, the map, or the SNES address
    int element = kWhole;  // within a map: the cell, trigger, tile, piece or colour

    constexpr RecordRef() = default;
    constexpr RecordRef(RecordKind k, int i = kWhole, int e = kWhole) : kind(k), index(i), element(e) {}
    static constexpr RecordRef event(SnesAddress address) { return {RecordKind::Event, int(address)}; }
    static constexpr RecordRef address(SnesAddress address) { return {RecordKind::Address, int(address)}; }

    constexpr bool isValid() const { return kind != RecordKind::None; }
    // Names every record of its kind (or every element of its map).
    constexpr bool isWhole() const { return index == kWhole || (isMapElement() && element == kWhole); }
    constexpr bool isMapElement() const { return kind >= RecordKind::MapCell && kind <= RecordKind::MapColor; }
    // The same kind; the same record when both name one.
    constexpr bool covers(const RecordRef& other) const
    {
        if (kind != other.kind)
            return false;
        if (index == kWhole || other.index == kWhole)
            return true;
        return index == other.index && (element == kWhole || other.element == kWhole || element == other.element);
    }
    // The whole map, or the whole kind, that the reference lies in.
    constexpr RecordRef whole() const { return isMapElement() ? RecordRef(kind, index) : RecordRef(kind); }

    constexpr bool operator==(const RecordRef&) const = default;

    // "item 12", "trigger 3 of map 1", "event $CA:1234": for reports and tests.
    QString toString() const;
};

// The kind's name in text: "item", "spell", ... "event".
QString recordKindName(RecordKind kind);
std::optional<RecordKind> recordKindNamed(const QString& name);

size_t qHash(const RecordRef& ref, size_t seed = 0);

}  // namespace tessel

Q_DECLARE_METATYPE(tessel::RecordRef)
