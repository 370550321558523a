#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tessel {

// CSV text through libcsv: cells quoted when they need it, and files read
// strictly (a stray quote or a quoted cell left open is an error, not a
// guess), within a bound on rows and cells.
namespace csvtext {

// The cell as CSV: the text as it is, or quoted when it holds a comma, a
// quote or a line break, or starts or ends with a space (which an unquoted
// cell loses).
QByteArray cell(const QString& text);
// A row of cells and its line break.
QByteArray row(const QStringList& cells);

struct ReadError {
    int row = 0;     // 1-based, as a spreadsheet numbers them
    int column = 0;  // 1-based
    QString reason;
};

struct ReadResult {
    std::vector<QStringList> rows;  // blank lines are skipped
    std::optional<ReadError> error;
};

// Reads UTF-8 CSV text. A file with more than maxRows rows, or a row with
// more than maxColumns cells, is refused without keeping what lies beyond.
ReadResult read(const QByteArray& text, int maxRows, int maxColumns);

}  // namespace csvtext

}  // namespace tessel
