#include "records/nametable.h"

#include "text/plainname.h"

namespace tessel {

NameTable::NameTable(int width, std::vector<QByteArray> names, RecordKind kind)
    : width_(width), kind_(kind), names_(std::move(names))
{
    texts_.reserve(names_.size());
    for (const QByteArray& name : names_)
        texts_.push_back(menutext::PlainName(reinterpret_cast<const quint8*>(name.constData()), int(name.size())));
}

std::optional<int> NameTable::uniqueIndexOf(const QString& text) const
{
    std::optional<int> found;
    for (int i = 0; i < count(); ++i) {
        if (texts_[std::size_t(i)] != text)
            continue;
        if (found)
            return std::nullopt;
        found = i;
    }
    return found;
}

}  // namespace tessel
