#pragma once

#include <QtGlobal>

namespace tessel {

// Options of the text conversions: a flat list of (key, value) pairs of
// 32-bit numbers ended by key 0.
namespace textoptions {

// The value of `key`, or `fallback` when the list lacks it. Sets *found.
inline quint32 find(const quint32* options, quint32 key, quint32 fallback, bool* found = nullptr)
{
    if (found)
        *found = false;
    for (const quint32* o = options; o && o[0] != 0; o += 2) {
        if (o[0] == key) {
            if (found)
                *found = true;
            return o[1];
        }
    }
    return fallback;
}

}  // namespace textoptions

}  // namespace tessel
