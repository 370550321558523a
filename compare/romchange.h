#pragma once

#include "rom/recordref.h"

#include <QJsonValue>
#include <QList>
#include <QRect>
#include <QString>

#include <vector>

namespace tessel {

// One difference between two ROM files, by meaning: a record field, a
// message, a map's cells, a trigger, a glyph, an event command or a run of
// bytes nothing decodes. `area` groups them ("items" ... "characters",
// "dialogue", "worldmap", "triggers", "fonts", "events", "bytes").
struct RomChange {
    QString area;
    // What the editors open for it (a record, message, map cell, event address).
    RecordRef subject;
    // The record, message, trigger or glyph number; -1 when none applies.
    int index = -1;
    // World maps and triggers: "balance" or "ruin".
    QString map;
    // The record's name, where it has one.
    QString name;
    // "General/Cost in GP", "Width", "Colour 5", "Space used" ...
    QString field;
    // The values as the editors show them (numbers as numbers); undefined
    // where one side has nothing (a trigger added or removed).
    QJsonValue oldValue;
    QJsonValue newValue;
    // Map cells: how many, and rectangles around the groups of them.
    int cells = 0;
    QList<QRect> bounds;
    // Bytes: file offsets [start, end) and the region they lie in.
    qint64 start = 0;
    qint64 end = 0;
    QString region;
};

using RomChanges = std::vector<RomChange>;

}  // namespace tessel
