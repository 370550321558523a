#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tessel {

// JSON readers keep only the last of two equal keys in one object, so a
// file that names a field twice would lose one value without a word. This
// scan finds the first key an object names twice (keys compared after
// their escapes are decoded). It expects text a JSON reader accepted.
struct DuplicateKey {
    QString key;
    int line = 0;  // of the second occurrence, counted from 1
};

std::optional<DuplicateKey> findDuplicateKey(const QByteArray& json);

}  // namespace tessel
