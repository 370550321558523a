#pragma once

#include "document/tablefields.h"

namespace tessel {

// Tables as CSV files for spreadsheets: one row per record. The first
// header cell is the table's name and its column holds the record's index;
// the others are "Group/Field" as in the JSON files, one column for every
// field any record of the table has. A record's cell for a field it does
// not have stays empty, and empty cells are left alone on import. Values
// are written as the JSON files write them (choices by name, flags as
// true/false); there is no raw column, so import starts each record from
// the document's bytes.
namespace tablecsv {

// Far more than any table has (its records and a header; its fields and
// the index column): larger files are refused as they are read.
inline constexpr int kMaxRows = 2048;
inline constexpr int kMaxColumns = 512;

QByteArray exportTable(CFF3Doc& doc, RecordKind kind);

// Checks the whole file first; messages name the row and the column's
// header. Only when every value is good pushes one macro that changes the
// records that differ.
// With `only`, a file of another table is refused.
tablefields::ImportResult importTable(CFF3Doc& doc, const QByteArray& text, std::optional<RecordKind> only = std::nullopt);

}  // namespace tablecsv

}  // namespace tessel
