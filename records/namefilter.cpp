#include "records/namefilter.h"

namespace tessel {

std::vector<int> filterNames(const NameTable& names, const QString& text)
{
    std::vector<int> matches;
    for (int i = 0; i < names.count(); ++i)
        if (text.isEmpty() || names.text(i).contains(text, Qt::CaseInsensitive))
            matches.push_back(i);
    return matches;
}

}  // namespace tessel
