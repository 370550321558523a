#include "records/esperproperties.h"

#include "records/propertybuilder.h"

namespace esperprops {

PropertyList build(const EsperEntry& esper, const PropertyContext& context)
{
    PropertyBuilder b(esper.name, esper.record);
    b.group(1000, QStringLiteral("General"));
    b.gameText(kName, QStringLiteral("Name"), records::kEsperNameWidth);
    b.choice(1002, QStringLiteral("Level Up Bonus"), 10, 0xFF, recordlabels::kLevelUpBonus);

    b.group(2000, QStringLiteral("Spells"));
    for (int k = 1; k <= kSpellSlots; ++k) {
        b.nameChoice(2000 + 2 * k - 1, QStringLiteral("Spell %1").arg(k), 2 * k - 1, context.spellNames, true);
        b.number(2000 + 2 * k, QStringLiteral("Spell %1 Learn Rate").arg(k), 2 * k - 2);
    }
    return b.take();
}

}  // namespace esperprops
