#pragma once

#include "document/tablefields.h"
#include "rom/recordref.h"

#include <QJsonObject>
#include <QStringList>

#include <optional>

namespace tessel {

// Tables as JSON files people can edit: every record with its property
// list's groups and labels, values as the editor shows them (numbers,
// true/false, a choice's text, names as plain text), and "raw", the record's
// bytes in hex, which keeps the bits no property shows.
//
//   {"table": "items", "records": [{"index": 0, "raw": "11 C3 ...",
//     "General": {"Name": "Dirk", "Item Type": "Weapon", ...}, ...}, ...]}
//
// Import starts each record from its "raw" bytes (or the document's when
// there is none) and applies every named value that differs from what those
// bytes show; records a file leaves out stay as they are.
namespace tablejson {

// The table as the text of a JSON file, groups and fields in the editor's order.
QByteArray exportTable(CFF3Doc& doc, RecordKind kind);

using tablefields::ImportResult;
using tablefields::kMaxFileSize;
using tablefields::kMaxReportedErrors;
using tablefields::checkFileSize;
using tablefields::reportLines;

// The text of a table file as a JSON object. Refused with the reason: a
// text over kMaxFileSize, one that is not JSON, not an object, or that
// names a key twice in one object (a reader would keep only the last).
std::optional<QJsonObject> parseFile(const QByteArray& text, QString* error);

// Checks the whole file first; only when every value is good pushes one
// macro ("Import Items") that changes the records that differ.
// With `only`, a file of another table is refused.
ImportResult importTable(CFF3Doc& doc, const QJsonObject& file, std::optional<RecordKind> only = std::nullopt);

}  // namespace tablejson

}  // namespace tessel
