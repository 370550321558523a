#pragma once

#include "compare/romchange.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace tessel {

// How a list of differences is shown: as lines of text grouped by area
// (tessel-cli diff, the Changes window) and as JSON.
namespace changereport {

struct AreaGroup {
    QString area;
    std::vector<int> changes;  // indexes into the list, in its order
};
// The areas in the order their first change comes.
std::vector<AreaGroup> groupByArea(const RomChanges& changes);

// What the change is about: "Item 3 Potion, General/Cost in GP",
// "Message 5", "balance: cells", "Event CA1234", "0x000080-0x000081".
QString subjectText(const RomChange& change);
// What changed: "1500 -> 4321", "41 cells in 2 places", "editor flags".
QString changeText(const RomChange& change);
// A value as a report shows it ("(none)" where there is none).
QString valueText(const QJsonValue& value);

// The report of tessel-cli diff: each area with its count, then one line
// per change.
QString text(const RomChanges& changes);
// {"changes": [{"area": "items", "index": 3, ...}, ...]}: keys in a fixed
// order, one change a line.
QByteArray json(const RomChanges& changes);

}  // namespace changereport

}  // namespace tessel
