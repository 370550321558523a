#include "document/parts/itemspart.h"

#include "document/savecontext.h"
#include "document/parts/partbytes.h"
#include "records/itemproperties.h"

namespace tessel {

TableBytes ItemsPart::bytes(RecordPart run, int index) const
{
    auto* self = const_cast<ItemsPart*>(this);
    return runOf(run, index, [self, run, index] {
        ItemEntry& item = self->table_.items[std::size_t(index)];
        return run == RecordPart::Name ? std::span<quint8>(item.name) : std::span<quint8>(item.record);
    });
}

PropertyList ItemsPart::properties(int, std::span<const quint8> name, std::span<const quint8> record,
                                   const PropertyContext& context) const
{
    ItemEntry item;
    partbytes::fill(item.name, name);
    partbytes::fill(item.record, record);
    return itemprops::build(item, context);
}

void ItemsPart::load(RomImage& rom)
{
    table_.load(rom);
    inFile_.remember(table_.items);
}

void ItemsPart::clear()
{
    table_ = {};
    inFile_.remember(table_.items);
}

bool ItemsPart::encode(SaveContext& save)
{
    table_.save(save.rom);
    return true;
}

}  // namespace tessel
