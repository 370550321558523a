#include "worldmap/triggertable.h"

#include "rom/romimage.h"
#include "worldmap/worldmapaddresses.h"

#include <QCoreApplication>

namespace tessel {

using namespace worldmap;

namespace {

SnesAddress baseOf(MapTrigger::Kind kind)
{
    return kind == MapTrigger::Entrance ? kEntranceTriggerBase : kEventTriggerBase;
}

}  // namespace

int TriggerTable::recordSize() const
{
    return kind_ == MapTrigger::Entrance ? kEntranceRecordSize : kEventRecordSize;
}

std::optional<TriggerTable> TriggerTable::read(RomImage& rom, MapTrigger::Kind kind, QString* error)
{
    TriggerTable table;
    table.kind_ = kind;
    const SnesAddress base = baseOf(kind);
    rom.SeekSnes(base);
    const quint16 first = rom.readWord();
    const auto refuse = [&](const char* why) -> std::optional<TriggerTable> {
        if (error)
            *error = QCoreApplication::translate("TriggerTable", why)
                         .arg(kind == MapTrigger::Entrance ? QCoreApplication::translate("TriggerTable", "entrance")
                                                           : QCoreApplication::translate("TriggerTable", "event"))
                         .arg(base, 6, 16, QLatin1Char('0'));
        return std::nullopt;
    };
    // Both world maps need a pair of words.
    if (first % 2 != 0 || first < 2 * (kMapCount + 1))
        return refuse(QT_TRANSLATE_NOOP("TriggerTable", "The %1 trigger table at $%2 has no index for both world maps."));
    table.words_.append(first);
    for (int i = 1; i < first / 2; ++i) {
        const quint16 next = rom.readWord();
        if (next < table.words_.back() || (next - table.words_.back()) % table.recordSize() != 0)
            return refuse(QT_TRANSLATE_NOOP("TriggerTable", "The index words of the %1 trigger table at $%2 are out of order."));
        table.words_.append(next);
    }
    rom.SeekSnes(base + first);
    table.records_ = rom.readBytes(table.end() - first);
    return table;
}

QByteArray TriggerTable::record(const MapTrigger& trigger)
{
    QByteArray bytes;
    bytes.append(char(trigger.x));
    bytes.append(char(trigger.y));
    const int dataBytes = trigger.kind == MapTrigger::Entrance ? 4 : 3;
    for (int i = 0; i < dataBytes; ++i)
        bytes.append(char(trigger.data >> (8 * i)));
    return bytes;
}

void TriggerTable::setTriggers(int map, const QList<MapTrigger>& triggers)
{
    QByteArray records;
    for (const MapTrigger& trigger : triggers)
        if (trigger.kind == kind_)
            records += record(trigger);
    const int from = words_[map] - words_.front();
    const int oldSize = words_[map + 1] - words_[map];
    records_.replace(from, oldSize, records);
    const int shift = int(records.size()) - oldSize;
    for (int i = map + 1; i < words_.size(); ++i)
        words_[i] = quint16(words_[i] + shift);
}

void TriggerTable::write(RomImage& rom, int formerEnd) const
{
    const SnesAddress base = baseOf(kind_);
    rom.SeekSnes(base);
    for (quint16 word : words_) {
        const quint8 bytes[2] = {quint8(word), quint8(word >> 8)};
        rom.write(bytes, 2);
    }
    rom.write(records_.constData(), records_.size());
    if (formerEnd > end()) {
        const QByteArray unused(formerEnd - end(), char(0xFF));
        rom.write(unused.constData(), unused.size());
    }
}

}  // namespace tessel
