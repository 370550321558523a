#pragma once

#include <QString>

#include <variant>
#include <vector>

// A small printf for the listing texts: %d, %s and %X with an optional
// zero-padded width ("%02X", "%04X", "%06X", "%03X").
using FormatValue = std::variant<qint64, QString>;

QString formatCommand(const char* format, const std::vector<FormatValue>& values);
