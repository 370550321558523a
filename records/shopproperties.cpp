#include "records/shopproperties.h"

#include "records/propertybuilder.h"

namespace tessel {

namespace shopprops {

PropertyList build(std::span<const quint8> shop, const PropertyContext& context)
{
    PropertyBuilder b({}, shop);
    b.group(1000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "General")));
    b.choice(1001, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Title")), 0, 0x0F, recordlabels::kShopTitles);
    b.choice(1002, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Properties")), 0, 0xF0,
             recordlabels::kShopProperties);

    b.group(2000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Items Sold")));
    for (int slot = 0; slot < kItemSlots; ++slot)
        // An empty slot holds 0xFF and reads "None", as empty choices do elsewhere.
        b.nameChoice(kFirstItem + slot, QStringLiteral("Item %1").arg(slot), kFirstItemByte + slot, context.itemNames,
                     true);
    return b.take();
}

}  // namespace shopprops

}  // namespace tessel
