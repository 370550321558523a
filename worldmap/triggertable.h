#pragma once

#include "worldmap/maptrigger.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace tessel {

class RomImage;

// One of the two trigger tables every map of the game shares: index words
// (map m's records run from word m to word m + 1, as offsets from the
// table's base), then the records in map order. The first word points just
// past the index, so it also tells how many words there are.
class TriggerTable {
public:
    // Reads the table of `kind` triggers; none (with the reason) when its
    // index words are not in order or it has no room for both world maps.
    static std::optional<TriggerTable> read(RomImage& rom, MapTrigger::Kind kind, QString* error = nullptr);

    MapTrigger::Kind kind() const { return kind_; }
    int recordSize() const;
    int wordCount() const { return int(words_.size()); }
    quint16 word(int index) const { return words_[index]; }
    // The offset just past the last record.
    int end() const { return words_.back(); }
    int recordCount(int map) const { return (words_[map + 1] - words_[map]) / recordSize(); }

    // Map `map`'s records become the triggers of this table's kind in
    // `triggers`, in order; the records and index words of every later map
    // move by the difference.
    void setTriggers(int map, const QList<MapTrigger>& triggers);

    // Writes the index words and the records. Room the table gave up, up to
    // `formerEnd`, is filled with 0xFF; nothing past the larger end is touched.
    void write(RomImage& rom, int formerEnd) const;

    // A trigger's record as the table keeps it.
    static QByteArray record(const MapTrigger& trigger);

private:
    MapTrigger::Kind kind_ = MapTrigger::Entrance;
    QList<quint16> words_;
    QByteArray records_;  // from the first word's offset to the end
};

}  // namespace tessel
