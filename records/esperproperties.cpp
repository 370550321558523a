#include "records/esperproperties.h"

#include "records/propertybuilder.h"

namespace tessel {

namespace esperprops {

PropertyList build(const EsperEntry& esper, const PropertyContext& context)
{
    PropertyBuilder b(esper.name, esper.record);
    b.group(1000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "General")));
    b.gameText(kName, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Name")), records::kEsperNameWidth);
    b.choice(1002, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Level Up Bonus")), 10, 0xFF,
             recordlabels::kLevelUpBonus);

    b.group(2000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Spells")));
    for (int k = 1; k <= kSpellSlots; ++k) {
        b.nameChoice(spellField(k), QStringLiteral("Spell %1").arg(k), spellByte(k), context.spellNames, true);
        b.number(spellField(k) + 1, QStringLiteral("Spell %1 Learn Rate").arg(k), spellByte(k) - 1);
    }
    return b.take();
}

}  // namespace esperprops

}  // namespace tessel
