#include "uikit/gamenamesource.h"

#include "text/menutext.h"

namespace tessel {

QByteArray GameNameSource::name(int index, int width) const
{
    if (index < 0 || index >= count || !nameOf || width <= 0)
        return {};
    QByteArray bytes = nameOf(index).left(width);
    bytes.append(width - bytes.size(), char(menutext::kPadding));
    return bytes;
}

}  // namespace tessel
