#pragma once

#include "records/nametable.h"

#include <QString>

#include <vector>

namespace tessel {

// The name lists' filter: the indices of the names whose plain text
// contains `text`, ignoring case, in index order; every index when the
// text is empty.
std::vector<int> filterNames(const NameTable& names, const QString& text);

}  // namespace tessel
