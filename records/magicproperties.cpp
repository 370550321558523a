#include "records/magicproperties.h"

#include "records/propertybuilder.h"

namespace magicprops {

PropertyList build(int spell, const MagicEntry& entry)
{
    using namespace recordlabels;
    PropertyBuilder b(std::span(entry.name).first(std::size_t(records::magicNameWidth(spell))), entry.record);
    b.group(1000, QStringLiteral("General"));
    if (const int width = records::magicNameWidth(spell))
        b.gameText(kName, QStringLiteral("Name"), width);
    b.number(1002, QStringLiteral("MP Cost"), 5);
    b.number(1003, QStringLiteral("Power"), 6);
    b.number(1004, QStringLiteral("Success Rate"), 8);

    b.group(2000, QStringLiteral("Targetting"));
    b.flags(2001, 0, kTargeting);
    b.group(4000, QStringLiteral("Elemental Properties"));
    b.flags(4001, 1, kElements);

    b.group(9200, QStringLiteral("Status Conditions Affected when Used"));
    b.flags(9201, 10, kStatus1);
    b.flags(9208, 11, kStatus2);
    b.flags(9216, 12, kStatus3);
    b.flags(9224, 13, kStatus4);
    return b.take();
}

}  // namespace magicprops
