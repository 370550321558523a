#include "records/choicetable.h"

#include <algorithm>

namespace tessel {

const ChoiceTable::Row* ChoiceTable::find(int value) const
{
    const auto row = std::find_if(rows_.begin(), rows_.end(), [value](const Row& r) { return r.value == value; });
    return row == rows_.end() ? nullptr : &*row;
}

std::optional<int> ChoiceTable::valueOf(const QString& text) const
{
    const auto row = std::find_if(rows_.begin(), rows_.end(), [&text](const Row& r) { return r.text == text; });
    if (row == rows_.end())
        return std::nullopt;
    return row->value;
}

}  // namespace tessel
