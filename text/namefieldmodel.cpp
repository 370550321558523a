#include "text/namefieldmodel.h"

#include "text/menutext.h"

#include <algorithm>
#include <cstring>

namespace tessel {

NameFieldModel::NameFieldModel()
{
    std::memset(ownBytes_, menutext::kPadding, sizeof ownBytes_);
    bytes_ = ownBytes_;
}

void NameFieldModel::attach(quint8* bytes, int width)
{
    bytes_ = bytes;
    width_ = width;
    caret_ = std::min(caret_, width_);
}

bool NameFieldModel::typeChar(QChar ch)
{
    if (caret_ >= width_)
        return false;
    std::memmove(bytes_ + caret_ + 1, bytes_ + caret_, size_t(width_ - caret_ - 1));
    bytes_[caret_] = menutext::MenuCodeFromChar(ch);
    normalise();
    ++caret_;
    return true;
}

void NameFieldModel::normalise()
{
    // Every padding byte becomes a space, then trailing spaces become padding again.
    std::replace(bytes_, bytes_ + width_, menutext::kPadding, menutext::kSpace);
    for (int i = width_ - 1; i >= 0 && bytes_[i] == menutext::kSpace; --i)
        bytes_[i] = menutext::kPadding;
}

void NameFieldModel::removeAt(int index)
{
    std::memmove(bytes_ + index, bytes_ + index + 1, size_t(width_ - index - 1));
    bytes_[width_ - 1] = menutext::kPadding;
}

void NameFieldModel::backspace()
{
    if (caret_ > 0) {
        removeAt(caret_ - 1);
        --caret_;
    }
}

void NameFieldModel::deleteForward()
{
    if (caret_ < width_)
        removeAt(caret_);
}

void NameFieldModel::left(bool ctrl)
{
    caret_ = ctrl ? 0 : std::max(0, caret_ - 1);
}

void NameFieldModel::right(bool ctrl)
{
    caret_ = ctrl ? width_ : std::min(width_, caret_ + 1);
}

void NameFieldModel::clickAt(int x)
{
    const int offset = x - 3;
    int position = offset / kCellWidth;
    if (offset % kCellWidth > 4)
        ++position;
    caret_ = std::clamp(position, 0, width_);
}

}  // namespace tessel
