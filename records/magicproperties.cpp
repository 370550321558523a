#include "records/magicproperties.h"

#include "records/propertybuilder.h"

namespace tessel {

namespace magicprops {

PropertyList build(int spell, const MagicEntry& entry)
{
    using namespace recordlabels;
    PropertyBuilder b(std::span(entry.name).first(std::size_t(records::magicNameWidth(spell))), entry.record);
    b.group(1000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "General")));
    if (const int width = records::magicNameWidth(spell))
        b.gameText(kName, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Name")), width);
    b.number(1002, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "MP Cost")), 5);
    b.number(1003, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Power")), 6);
    b.number(1004, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Success Rate")), 8);

    b.group(2000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Targetting")));
    b.flags(2001, 0, kTargeting);
    b.group(4000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Elemental Properties")));
    b.flags(4001, 1, kElements);

    b.statusesAffected(10);
    return b.take();
}

}  // namespace magicprops

}  // namespace tessel
