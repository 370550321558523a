#include "records/shopproperties.h"

#include "records/propertybuilder.h"

namespace shopprops {

PropertyList build(std::span<const quint8> shop, const PropertyContext& context)
{
    PropertyBuilder b({}, shop);
    b.group(1000, QStringLiteral("General"));
    b.choice(1001, QStringLiteral("Title"), 0, 0x0F, recordlabels::kShopTitles);
    b.choice(1002, QStringLiteral("Properties"), 0, 0xF0, recordlabels::kShopProperties);

    b.group(2000, QStringLiteral("Items Sold"));
    for (int slot = 0; slot < kItemSlots; ++slot)
        b.nameChoice(2001 + slot, QStringLiteral("Item %1").arg(slot), 1 + slot, context.itemNames, false);
    return b.take();
}

}  // namespace shopprops
