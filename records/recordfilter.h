#pragma once

#include "records/tablefield.h"

#include <QString>

#include <optional>
#include <vector>

namespace tessel {

// What the filter box of a record table keeps: terms separated by spaces,
// all of which a record must pass.
//
//   dragon             a word some field's text contains (any case)
//   "dragon claw"      the same with spaces
//   hp > 1000          a field against a value: = != < <= > >=
//   "cost in gp"<=500  a field named by its label, its column title or
//                      "Group/Field", in any case, or by the start of one
//                      when only one field starts so
//   weak = fire        a group of flags against the name of one: the flag is set
//
// Values are numbers, a choice's or a name's text, or true / false for
// flags. A record that lacks the field passes no comparison.
class RecordFilter {
public:
    // The filter `text` describes over the fields of one table; none, with
    // a message naming each bad term and why, when a term is malformed.
    static std::optional<RecordFilter> parse(const QString& text, const std::vector<TableField>& fields,
                                             QString* error);

    bool isEmpty() const { return terms_.empty(); }
    bool matches(const PropertyList& record) const;

private:
    enum class Op { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };
    struct Term {
        // A plain word when there is no field.
        std::optional<TableField> field;
        Op op = Op::Equal;
        std::optional<qint64> number;
        QString text;
    };
    friend class FilterParser;

    static bool compare(qint64 a, Op op, qint64 b);
    static bool passes(const Term& term, const PropertyList& record);

    std::vector<Term> terms_;
};

}  // namespace tessel
