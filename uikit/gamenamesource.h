#pragma once

#include <QByteArray>

#include <functional>

namespace tessel {

class CFF3Doc;

// Where a list of game names comes from: the document (for the menu font)
// and the name bytes of each index, in the menu encoding. The owner sets it
// up; the function is asked again at every paint, so the list always shows
// the document's current names.
struct GameNameSource {
    // The value that stands for no name when `noneAllowed` is set.
    static constexpr int kNone = 0xFF;

    CFF3Doc* document = nullptr;
    int count = 0;
    std::function<QByteArray(int index)> nameOf;
    bool noneAllowed = false;

    bool isNone(int value) const { return noneAllowed && value == kNone; }
    // The name bytes of an index, `width` bytes (padded with 0xFF); empty
    // past the end of the list.
    QByteArray name(int index, int width) const;
};

}  // namespace tessel
