#pragma once

#include "document/tablefields.h"

#include <QJsonObject>

namespace tessel {

class CFF3Doc;

// Both world maps' triggers as a JSON file, every trigger in list order:
//
//   {"table": "triggers", "records": [{"map": "balance", "kind": "entrance",
//     "x": 10, "y": 20, "destination map": 5, "destination x": 32,
//     "destination y": 48, "facing": "Down", "show name": true,
//     "raw": "0A 14 05 28 20 30"}, ...]}
//
// Events carry "address" ("$0CA00F") instead of the destination fields.
// "raw" (the table record in hex) keeps the bits no field shows; a named
// field that differs from it wins. Import makes the maps' lists exactly
// the file's, as one undo step, or changes nothing.
namespace triggersjson {

inline constexpr const char* kTableName = "triggers";

QByteArray exportTriggers(const CFF3Doc& doc);

// Checks every record and the trigger tables' room before anything changes.
tablefields::ImportResult importTriggers(CFF3Doc& doc, const QJsonObject& file);

}  // namespace triggersjson

}  // namespace tessel
