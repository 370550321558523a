#pragma once

#include "document/propertytable.h"
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

struct ImportResult {
    QStringList errors;     // one line per bad value; nothing is changed when any
    int changedRecords = 0;
};

// The most a table file may hold (the largest export is well under 1 MB);
// a larger file is refused before it is read whole.
inline constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;
// How many error lines a report lists before it only counts the rest.
inline constexpr int kMaxReportedErrors = 20;

// Whether a file of `length` bytes may be a table file; the reason when not.
bool checkFileSize(qint64 length, QString* error);
// The text of a table file as a JSON object. Refused with the reason: a
// text over kMaxFileSize, one that is not JSON, not an object, or that
// names a key twice in one object (a reader would keep only the last).
std::optional<QJsonObject> parseFile(const QByteArray& text, QString* error);

// The lines of an error report: the first kMaxReportedErrors errors, then
// "and N more" for the rest.
QStringList reportLines(const QStringList& errors);

// Checks the whole file first; only when every value is good pushes one
// macro ("Import Items") that changes the records that differ.
ImportResult importTable(CFF3Doc& doc, const QJsonObject& file);

}  // namespace tablejson

}  // namespace tessel
