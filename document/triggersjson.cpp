#include "document/triggersjson.h"

#include "document/cff3doc.h"
#include "document/parts/triggertablespart.h"
#include "document/parts/worldmappart.h"
#include "document/settriggerlistcommand.h"
#include "worldmap/entrancedestination.h"
#include "worldmap/triggertable.h"
#include "worldmap/worldmap.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace tessel {

namespace triggersjson {

namespace {

const char* const kMapNames[] = {"balance", "ruin"};

QString tr(const char* text)
{
    return QCoreApplication::translate("TriggersJson", text);
}

QByteArray quoted(const QString& text)
{
    return tablefields::jsonText(QJsonValue(text));
}

QString addressText(quint32 address)
{
    return QStringLiteral("$%1").arg(address, 6, 16, QLatin1Char('0')).toUpper();
}

QByteArray exportRecord(int map, const MapTrigger& t)
{
    const bool entrance = t.kind == MapTrigger::Entrance;
    QByteArray out = "    {\"map\": " + quoted(QLatin1String(kMapNames[map])) + ", \"kind\": " +
                     quoted(entrance ? QStringLiteral("entrance") : QStringLiteral("event")) +
                     ", \"x\": " + QByteArray::number(t.x) + ", \"y\": " + QByteArray::number(t.y);
    if (entrance) {
        const EntranceDestination d = EntranceDestination::of(t);
        out += ", \"destination map\": " + QByteArray::number(d.map) +
               ", \"destination x\": " + QByteArray::number(d.x) + ", \"destination y\": " + QByteArray::number(d.y) +
               ", \"facing\": " + quoted(QLatin1String(EntranceDestination::facingName(d.facing))) +
               ", \"show name\": " + (d.showName ? "true" : "false");
    } else {
        out += ", \"address\": " + quoted(addressText(t.data));
    }
    return out + ", \"raw\": " + quoted(QString::fromLatin1(TriggerTable::record(t).toHex(' ').toUpper())) + "}";
}

// Reads one record; false with the reasons in `errors`.
class RecordReader {
public:
    RecordReader(const QJsonObject& object, int number, QStringList* errors)
        : object_(object), number_(number), errors_(errors)
    {
    }

    void fail(const QString& what) { errors_->append(tr("Trigger %1: %2").arg(number_).arg(what)); }

    // A whole number from 0 to `max`, or `fallback` when absent.
    std::optional<int> number(const char* key, int max, std::optional<int> fallback)
    {
        const QJsonValue v = object_.value(QLatin1String(key));
        if (v.isUndefined() && fallback)
            return fallback;
        const double d = v.toDouble(-1);
        if (!v.isDouble() || d != int(d) || d < 0 || d > max) {
            fail(tr("\"%1\" must be a number from 0 to %2.").arg(QLatin1String(key)).arg(max));
            return std::nullopt;
        }
        return int(d);
    }

    // The index of the value among `choices`, or `fallback` when absent.
    std::optional<int> choice(const char* key, const QStringList& choices, std::optional<int> fallback)
    {
        const QJsonValue v = object_.value(QLatin1String(key));
        if (v.isUndefined() && fallback)
            return fallback;
        const qsizetype at = v.isString() ? choices.indexOf(v.toString()) : -1;
        if (at < 0) {
            fail(tr("\"%1\" must be \"%2\".").arg(QLatin1String(key), choices.join(tr("\" or \""))));
            return std::nullopt;
        }
        return int(at);
    }

    const QJsonObject& object() const { return object_; }

private:
    QJsonObject object_;
    int number_;
    QStringList* errors_;
};

// The record's "raw" bytes as a trigger of `kind`, or a blank one.
std::optional<MapTrigger> fromRaw(RecordReader& reader, MapTrigger::Kind kind)
{
    MapTrigger t;
    t.kind = kind;
    const QJsonValue raw = reader.object().value(QLatin1String("raw"));
    if (raw.isUndefined())
        return t;
    const QByteArray bytes = QByteArray::fromHex(raw.toString().toLatin1());
    const int size = kind == MapTrigger::Entrance ? 6 : 5;
    if (!raw.isString() || bytes.size() != size || QString::fromLatin1(bytes.toHex(' ').toUpper()) != raw.toString().toUpper().simplified()) {
        reader.fail(tr("\"raw\" must be %1 bytes in hex.").arg(size));
        return std::nullopt;
    }
    t.x = quint8(bytes[0]);
    t.y = quint8(bytes[1]);
    for (int i = 2; i < size; ++i)
        t.data |= quint32(quint8(bytes[i])) << (8 * (i - 2));
    return t;
}

std::optional<MapTrigger> readEntrance(RecordReader& reader, MapTrigger t)
{
    const EntranceDestination was = EntranceDestination::of(t);
    const QStringList facings = {QStringLiteral("Up"), QStringLiteral("Right"), QStringLiteral("Down"),
                                 QStringLiteral("Left")};
    const auto map = reader.number("destination map", EntranceDestination::kMaxMap, was.map);
    const auto x = reader.number("destination x", 255, was.x);
    const auto y = reader.number("destination y", 255, was.y);
    const auto facing = reader.choice("facing", facings, int(was.facing));
    const QJsonValue show = reader.object().value(QLatin1String("show name"));
    if (!show.isUndefined() && !show.isBool())
        reader.fail(tr("\"show name\" must be true or false."));
    if (!map || !x || !y || !facing || (!show.isUndefined() && !show.isBool()))
        return std::nullopt;
    EntranceDestination now = was;
    now.map = *map;
    now.x = quint8(*x);
    now.y = quint8(*y);
    now.facing = EntranceDestination::Facing(*facing);
    now.showName = show.isUndefined() ? was.showName : show.toBool();
    // Rebuilding the word drops the bits no field shows: only a changed field does.
    if (now.map != was.map || now.x != was.x || now.y != was.y || now.facing != was.facing ||
        now.showName != was.showName)
        t.data = now.data();
    return t;
}

std::optional<MapTrigger> readEvent(RecordReader& reader, MapTrigger t)
{
    const QJsonValue v = reader.object().value(QLatin1String("address"));
    if (v.isUndefined())
        return t;
    QString text = v.toString();
    bool ok = v.isString() && text.startsWith(QLatin1Char('$')) && text.size() <= 7;
    const uint address = ok ? text.mid(1).toUInt(&ok, 16) : 0;
    if (!ok || address > 0xFFFFFF) {
        reader.fail(tr("\"address\" must be up to six hexadecimal digits after $."));
        return std::nullopt;
    }
    t.data = address;
    return t;
}

// A trigger of the file; its map goes to `map`.
std::optional<MapTrigger> readTrigger(RecordReader& reader, int* map)
{
    const auto mapIndex = reader.choice("map", {QStringLiteral("balance"), QStringLiteral("ruin")}, std::nullopt);
    const auto kind = reader.choice("kind", {QStringLiteral("entrance"), QStringLiteral("event")}, std::nullopt);
    const auto x = reader.number("x", 255, std::nullopt);
    const auto y = reader.number("y", 255, std::nullopt);
    if (!mapIndex || !kind || !x || !y)
        return std::nullopt;
    std::optional<MapTrigger> t = fromRaw(reader, *kind == 0 ? MapTrigger::Entrance : MapTrigger::Event);
    if (!t)
        return std::nullopt;
    t->x = quint8(*x);
    t->y = quint8(*y);
    *map = *mapIndex;
    return *kind == 0 ? readEntrance(reader, *t) : readEvent(reader, *t);
}

bool same(const MapTrigger& a, const MapTrigger& b)
{
    return a.kind == b.kind && a.x == b.x && a.y == b.y && a.data == b.data;
}

}  // namespace

QByteArray exportTriggers(const CFF3Doc& doc)
{
    QByteArray out = "{\n  \"table\": \"" + QByteArray(kTableName) + "\",\n  \"records\": [";
    const char* separator = "\n";
    for (int m = 0; m < worldmap::kMapCount; ++m) {
        if (const WorldMap* map = worldMapOf(doc, m)) {
            for (const MapTrigger& t : map->triggers) {
                out += separator + exportRecord(m, t);
                separator = ",\n";
            }
        }
    }
    return out + "\n  ]\n}\n";
}

tablefields::ImportResult importTriggers(CFF3Doc& doc, const QJsonObject& file)
{
    tablefields::ImportResult result;
    if (!file.value(QLatin1String("records")).isArray()) {
        result.errors.append(tr("There is no \"records\" list."));
        return result;
    }
    TriggerTablesPart::MapLists lists;
    const QJsonArray records = file.value(QLatin1String("records")).toArray();
    for (qsizetype n = 0; n < records.size(); ++n) {
        RecordReader reader(records[n].toObject(), int(n), &result.errors);
        if (!records[n].isObject()) {
            reader.fail(tr("not an object."));
            continue;
        }
        int map = 0;
        if (std::optional<MapTrigger> t = readTrigger(reader, &map))
            lists[std::size_t(map)].append(*t);
    }
    if (!result.errors.isEmpty())
        return result;
    // Entrances first, then events; the file's order within each kind.
    for (QList<MapTrigger>& list : lists)
        std::stable_sort(list.begin(), list.end(),
                         [](const MapTrigger& a, const MapTrigger& b) { return a.kind < b.kind; });
    if (const QString why = doc.part<TriggerTablesPart>().refusal(lists); !why.isEmpty()) {
        result.errors.append(why);
        return result;
    }

    auto macro = std::make_unique<QUndoCommand>(tr("Import Triggers"));
    for (int m = 0; m < worldmap::kMapCount; ++m) {
        const WorldMap* map = worldMapOf(doc, m);
        if (!map)
            continue;
        const QList<MapTrigger>& now = map->triggers;
        const QList<MapTrigger>& next = lists[std::size_t(m)];
        int changed = int(std::abs(now.size() - next.size()));
        for (qsizetype i = 0; i < std::min(now.size(), next.size()); ++i)
            changed += same(now[i], next[i]) ? 0 : 1;
        if (changed == 0)
            continue;
        result.changedRecords += changed;
        QList<MapTrigger> kept = next;
        // Triggers that stay where they were keep their region mark.
        for (qsizetype i = 0; i < std::min(now.size(), kept.size()); ++i)
            if (same(now[i], kept[i]))
                kept[i].flags = now[i].flags;
        new SetTriggerListCommand(doc, m, kept, tr("Import Triggers"), macro.get());
    }
    if (result.changedRecords > 0)
        doc.undoStack()->push(macro.release());
    return result;
}

}  // namespace triggersjson

}  // namespace tessel
