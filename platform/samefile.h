#pragma once

#include <QString>

namespace tessel {

namespace platform {

// True when the two paths name one file: the same path, or two existing
// paths that resolve to the same file through symbolic links. A new file
// is written to the end of such a link, so a copy must never be written
// to a path this says is its original.
bool isSameFile(const QString& first, const QString& second);

}  // namespace platform

}  // namespace tessel
