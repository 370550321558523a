#pragma once

#include "document/tablefields.h"

#include <optional>

namespace tessel {

// Table files of either kind, chosen by the file's extension: ".json"
// (tablejson) or ".csv" (tablecsv).
namespace tablefile {

using tablefields::ImportResult;

enum class Format { Json, Csv };

// The format a file's name asks for; none for any other extension.
std::optional<Format> formatOf(const QString& path);

QByteArray exportTable(CFF3Doc& doc, RecordKind kind, Format format);

// Reads the file at `path` (no more than a table file may hold), checks it
// and applies it as one undo step. Errors say why nothing changed: the
// file could not be read, is no table file, or has bad values.
// With `only`, a file of another table is refused.
ImportResult importFile(CFF3Doc& doc, const QString& path, std::optional<RecordKind> only = std::nullopt);

}  // namespace tablefile

}  // namespace tessel
