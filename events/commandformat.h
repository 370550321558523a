#pragma once

#include <QtGlobal>

#include <span>
#include <string_view>
#include <variant>

namespace tessel {

namespace events {

class ListingWriter;

// A small printf for the listing texts: %d, %s and %X with an optional
// zero-padded width ("%02X", "%04X", "%06X", "%03X"), and %%. A value of the
// wrong kind gives 0 or nothing; missing values give 0.
using FormatValue = std::variant<qint64, std::string_view>;

void formatCommand(ListingWriter& out, std::string_view format, std::span<const FormatValue> values);

}  // namespace events

}  // namespace tessel
