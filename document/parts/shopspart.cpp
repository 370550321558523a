#include "document/parts/shopspart.h"

#include "document/savecontext.h"
#include "records/shopproperties.h"

namespace tessel {

TableBytes ShopsPart::bytes(RecordPart run, int index) const
{
    if (run == RecordPart::Name)
        return noRun(index);
    auto* self = const_cast<ShopsPart*>(this);
    return runOf(run, index, [self, index] {
        return TableBytes::slice(self->table_.bytes, qsizetype(index) * records::kShopRecordSize,
                                 records::kShopRecordSize);
    });
}

PropertyList ShopsPart::properties(int, std::span<const quint8>, std::span<const quint8> record,
                                   const PropertyContext& context) const
{
    return shopprops::build(record, context);
}

void ShopsPart::load(RomImage& rom)
{
    table_.load(rom);
    inFile_.remember(table_.bytes);
}

void ShopsPart::clear()
{
    table_ = {};
    inFile_.remember(table_.bytes);
}

bool ShopsPart::encode(SaveContext& save)
{
    table_.save(save.rom);
    return true;
}

}  // namespace tessel
