#pragma once

#include <QString>

#include <initializer_list>
#include <optional>
#include <vector>

namespace tessel {

// The rows a "choice" property offers: a stored value and its text. A value
// with no row is shown as no text and kept until the user picks a row.
class ChoiceTable {
public:
    struct Row {
        int value;
        QString text;
    };

    ChoiceTable(std::initializer_list<Row> rows) : rows_(rows) {}
    explicit ChoiceTable(std::vector<Row> rows) : rows_(std::move(rows)) {}

    const std::vector<Row>& rows() const { return rows_; }
    // The row of a stored value, or none.
    const Row* find(int value) const;
    // The value of the row with this text, or none.
    std::optional<int> valueOf(const QString& text) const;

private:
    std::vector<Row> rows_;
};

}  // namespace tessel
