#include "records/tablefield.h"

namespace tessel {

const Property* TableField::findIn(const PropertyList& record) const
{
    for (const PropertyGroup& g : record.groups) {
        if (g.label != group)
            continue;
        for (const Property& p : g.properties)
            if (p.exportKey() == key)
                return &p;
    }
    return nullptr;
}

}  // namespace tessel
